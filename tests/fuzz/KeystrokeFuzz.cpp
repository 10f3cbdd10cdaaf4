// Fuzzes the keystroke language and the sender with the recording keyboard. The bytes are read as
// UTF-16 units, so lone surrogates and every control character come along. Each input is sent
// twice: as a script the user wrote (translated first) and as raw sender notation, which reaches
// the groups and modifier signs that translation would brace.
//
// Inputs are capped at 1 KiB: a repeat count may legally be 65,535, so a long input of repeated
// keys would mean a hundred million events and slow the search without finding anything new.
#include "actions/sndkey32.h"
#include "platform/RecordingKeyboard.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr std::size_t kMaxInputBytes = 1024;
constexpr std::size_t kRecordLimit = 4096;

// Whatever the text, every key that went down comes up again: no modifier is left held.
void CheckNothingLeftDown(const traxo::RecordingKeyboard& keyboard) {
    if (keyboard.UnrecordedCount() > 0) {
        return; // the end of the plan is not listed
    }
    std::map<int, bool> down;
    for (const traxo::RecordedKey& key : keyboard.Recorded()) {
        if (key.action == traxo::KeyAction::Down || key.action == traxo::KeyAction::Up) {
            down[key.virtualKey] = key.action == traxo::KeyAction::Down;
        }
    }
    for (const auto& entry : down) {
        if (entry.second) {
            std::abort();
        }
    }
}

void Send(std::u16string_view text) {
    traxo::RecordingKeyboard keyboard(kRecordLimit);
    const bool result = traxo::SendScript(keyboard, text, true);
    if (text.empty() && (result || !keyboard.Recorded().empty())) {
        std::abort();
    }
    CheckNothingLeftDown(keyboard);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInputBytes) {
        return 0;
    }
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    Send(traxo::MyFormatToTheirs(text));
    Send(text);
    return 0;
}
