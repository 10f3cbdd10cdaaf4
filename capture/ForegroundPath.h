#pragma once
// The foreground program's path, read from the system only when the foreground window or the
// process that owns it changes: reading it means opening the process and asking for its image
// name, which the 100 ms poll would otherwise do ten times a second while nothing happens.

#include "recognition/Recogniser.h"

#include <cstdint>
#include <functional>
#include <string>

namespace traxo {

class ForegroundPathCache {
public:
    // The path of the program owning window (its process processId): the last one read while
    // both are the same, otherwise read(). An empty path (unreadable, say while the process
    // starts) is not kept, so the next poll reads again.
    std::u16string PathOf(WindowHandle window, std::uint32_t processId,
                          const std::function<std::u16string()>& read) {
        if (path_.empty() || window != window_ || processId != processId_) {
            path_ = read();
            window_ = window;
            processId_ = processId;
        }
        return path_;
    }

private:
    WindowHandle window_ = nullptr;
    std::uint32_t processId_ = 0;
    std::u16string path_;
};

} // namespace traxo
