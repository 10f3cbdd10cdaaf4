// The guard at the edge of every window callback: an exception never leaves it, and the user is
// told once, not in a storm.
#include "platform/ExceptionGuard.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace traxo {
namespace {

// Records each message shown; the clock is set by the test. `whileShown` runs inside the
// display, as the message loop of a real message box runs other handlers.
struct RecordingDisplay final : ErrorDisplay {
    void ShowError(std::u16string_view text) override {
        shown.emplace_back(text);
        if (whileShown) {
            auto nested = std::move(whileShown);
            nested();
        }
    }
    std::uint64_t NowMs() override { return now; }

    std::vector<std::u16string> shown;
    std::uint64_t now = 1000;
    std::function<void()> whileShown;
};

int Throwing(const char* what) {
    throw std::runtime_error(what);
}

TEST(ExceptionGuard, AThrowingHandlerGivesTheFallbackAndIsShown) {
    RecordingDisplay display;
    ExceptionGuard guard(display);
    EXPECT_EQ(guard.Run([] { return 7; }, [] { return -1; }), 7);
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(guard.Run([] { return Throwing("settings write refused"); }, [] { return -1; }), -1);
    EXPECT_EQ(display.shown, std::vector<std::u16string>{u"settings write refused"});
    // An exception that is no std::exception is caught too, with a text of its own.
    EXPECT_EQ(guard.Run([]() -> int { throw 42; }, [] { return -2; }), -2);
    ASSERT_EQ(display.shown.size(), 2u);
    EXPECT_EQ(display.shown[1], u"An unexpected error occurred.");
}

TEST(ExceptionGuard, NothingMoreIsShownWhileAMessageIsOnTheScreen) {
    RecordingDisplay display;
    ExceptionGuard guard(display);
    int nestedResult = 0;
    // The box's own loop runs a paint that throws another error, then the same one again.
    display.whileShown = [&] {
        nestedResult = guard.Run([] { return Throwing("paint failed"); }, [] { return 5; });
        guard.Run([] { return Throwing("first"); }, [] { return 0; });
    };
    guard.Run([] { return Throwing("first"); }, [] { return 0; });
    EXPECT_EQ(nestedResult, 5);
    EXPECT_EQ(display.shown, std::vector<std::u16string>{u"first"});
}

TEST(ExceptionGuard, ARepeatIsShownOnlyAfterItHasBeenQuiet) {
    struct Case {
        const char* name;
        std::vector<std::uint64_t> repeatsAfterMs; // each measured from the previous report
        std::size_t timesShown;
    };
    const Case cases[] = {
        {"every tick of a 100 ms timer", {100, 100, 100, 100, 100}, 1},
        {"a gap shorter than the quiet time, after repeats", {1500, 1500, 1500}, 1},
        {"again after a quiet time", {ExceptionGuard::kQuietMs}, 2},
        {"just inside the quiet time", {ExceptionGuard::kQuietMs - 1}, 1},
        {"quiet, then failing again on every tick", {5000, 100, 100}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDisplay display;
        ExceptionGuard guard(display);
        guard.Report("tick failed");
        for (const std::uint64_t after : c.repeatsAfterMs) {
            display.now += after;
            guard.Report("tick failed");
        }
        EXPECT_EQ(display.shown.size(), c.timesShown);
    }
}

TEST(ExceptionGuard, ADifferentTextIsShownAtOnceAfterTheBoxCloses) {
    RecordingDisplay display;
    ExceptionGuard guard(display);
    guard.Report("first");
    guard.Report("second");
    display.now += 10;
    guard.Report("first"); // the last shown was "second": "first" is news again
    EXPECT_EQ(display.shown, (std::vector<std::u16string>{u"first", u"second", u"first"}));
}

TEST(ExceptionGuard, TextsThatAreNotUtf8KeepTheirAsciiPart) {
    EXPECT_EQ(ExceptionText("Access denied"), u"Access denied");
    EXPECT_EQ(ExceptionText(""), u"An unexpected error occurred.");
    EXPECT_EQ(ExceptionText("caf\xe9"), u"caf?");
    EXPECT_EQ(ExceptionText("caf\xc3\xa9"), u"caf\u00e9");
}

} // namespace
} // namespace traxo
