// The foreground program's path is read once per window and process, never kept when empty.
#include "capture/ForegroundPath.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace traxo {
namespace {

WindowHandle Window(int n) {
    return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(n));
}

TEST(ForegroundPathCache, ReadsAgainOnlyWhenTheWindowOrItsProcessChanges) {
    struct Poll {
        int window;
        std::uint32_t process;
        std::u16string systemSays;
        std::u16string expected;
        bool read;
    };
    const std::vector<Poll> polls = {
        {1, 10, u"c:\\a.exe", u"c:\\a.exe", true},
        {1, 10, u"c:\\changed.exe", u"c:\\a.exe", false}, // the same window of the same process
        {2, 10, u"c:\\a.exe", u"c:\\a.exe", true},        // another window
        {2, 11, u"c:\\b.exe", u"c:\\b.exe", true},        // a handle reused by another process
        {2, 11, u"c:\\c.exe", u"c:\\b.exe", false},
        {3, 12, u"", u"", true}, // unreadable: not kept
        {3, 12, u"c:\\d.exe", u"c:\\d.exe", true},
        {3, 12, u"c:\\e.exe", u"c:\\d.exe", false},
    };
    ForegroundPathCache cache;
    for (std::size_t i = 0; i < polls.size(); ++i) {
        const Poll& poll = polls[i];
        bool read = false;
        const std::u16string path = cache.PathOf(Window(poll.window), poll.process, [&] {
            read = true;
            return poll.systemSays;
        });
        EXPECT_EQ(path, poll.expected) << "poll " << i;
        EXPECT_EQ(read, poll.read) << "poll " << i;
    }
}

} // namespace
} // namespace traxo
