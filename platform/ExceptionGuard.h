#pragma once
// The one place where an exception thrown by a window's handler, a control's event or a timer
// callback ends: it never unwinds into the system's code. The user is told once: while a message
// is on the screen (its box runs a message loop of its own, which may throw again) nothing more
// is shown, and a repeat of the text last shown stays unshown until that text has been quiet for
// a while, so that a handler failing on every paint or tick is reported once, not in a storm.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace traxo {

// Where the message goes (a message box under Windows, a recording in tests), and the clock.
class ErrorDisplay {
public:
    virtual ~ErrorDisplay() = default;
    // Returns when the user has dismissed the message.
    virtual void ShowError(std::u16string_view text) = 0;
    virtual std::uint64_t NowMs() = 0;
};

class ExceptionGuard {
public:
    // How long the text last shown must not occur again before it is shown again.
    static constexpr std::uint64_t kQuietMs = 2000;

    explicit ExceptionGuard(ErrorDisplay& display) : display_(display) {}
    ExceptionGuard(const ExceptionGuard&) = delete;
    ExceptionGuard& operator=(const ExceptionGuard&) = delete;

    // Runs `handler`; when it throws, the exception is reported and `fallback()` is the result.
    template <typename Handler, typename Fallback>
    auto Run(Handler&& handler, Fallback&& fallback) noexcept -> decltype(handler()) {
        try {
            return handler();
        } catch (const std::exception& error) {
            Report(error.what());
        } catch (...) {
            Report({});
        }
        return fallback();
    }

    // Shows `what` (UTF-8; empty for an exception that carries no text) when the rule allows.
    void Report(std::string_view what) noexcept;

    // The rule alone: whether a report of `text` arriving at `nowMs` is shown. It marks the
    // message as on the screen until Dismissed.
    bool ShouldShow(std::u16string_view text, std::uint64_t nowMs);
    void Dismissed(std::uint64_t nowMs);

private:
    ErrorDisplay& display_;
    bool showing_ = false;
    std::u16string lastText_;
    std::uint64_t lastSeenMs_ = 0;
};

// The text shown for an exception: its own text, or a plain sentence when it has none.
std::u16string ExceptionText(std::string_view what);

} // namespace traxo
