#include "platform/ExceptionGuard.h"

#include "platform/Utf8.h"

namespace traxo {

std::u16string ExceptionText(std::string_view what) {
    if (what.empty()) {
        return u"An unexpected error occurred.";
    }
    if (std::optional<std::u16string> text = Utf8ToUtf16(what)) {
        return *text;
    }
    // Not UTF-8 (a system message in the local code page): the ASCII part is kept.
    std::u16string text;
    for (const char c : what) {
        text.push_back(static_cast<unsigned char>(c) < 0x80 ? char16_t(c) : u'?');
    }
    return text;
}

bool ExceptionGuard::ShouldShow(std::u16string_view text, std::uint64_t nowMs) {
    const bool repeat = text == lastText_;
    if (showing_ || (repeat && nowMs - lastSeenMs_ < kQuietMs)) {
        if (repeat) {
            lastSeenMs_ = nowMs; // still failing: the quiet time starts again
        }
        return false;
    }
    showing_ = true;
    lastText_ = text;
    lastSeenMs_ = nowMs;
    return true;
}

void ExceptionGuard::Dismissed(std::uint64_t nowMs) {
    showing_ = false;
    lastSeenMs_ = nowMs;
}

void ExceptionGuard::Report(std::string_view what) noexcept {
    try {
        const std::u16string text = ExceptionText(what);
        if (!ShouldShow(text, display_.NowMs())) {
            return;
        }
        try {
            display_.ShowError(text);
        } catch (...) {
            // The display failed too: nothing more can be told.
        }
        Dismissed(display_.NowMs());
    } catch (...) {
        // Out of memory for the text itself: the exception ends here unseen.
    }
}

} // namespace traxo
