#pragma once
// One Traxo per session. The first start holds a named mutex in the session's namespace for its
// whole life; a later start asks it, with a bound on the wait, to show its window, and ends.

#include "platform/ScopedWin_win.h"

#include <windows.h>

#include <chrono>

namespace traxo {

class InstanceLock {
public:
    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // No other Traxo of this session held the lock when this one was made.
    bool IsFirst() const { return first_; }

private:
    ScopedKernelHandle mutex_;
    bool first_;
};

// How long a later start waits for the running one to make its window (two starts at the same
// moment), and then for its answer.
inline constexpr std::chrono::milliseconds kRunningWindowBound{10000};
inline constexpr std::chrono::milliseconds kRunningAnswerBound{4000};

// Asks the running instance to show its window, letting it take the foreground. When it has no
// window or does not answer within the bound, the user is told so once. True when it answered.
bool ShowRunningInstance();

} // namespace traxo
