#include "app/Autostart.h"

#include "app/EngineTexts.h"
#include "platform/AsciiText.h"

namespace traxo {

std::u16string QuotedRunValue(std::u16string_view exePath) {
    std::u16string value = u"\"";
    value += exePath;
    value += u'"';
    return value;
}

std::u16string RunValuePath(std::u16string_view value) {
    value = Trimmed(value);
    if (!value.empty() && value.front() == u'"') {
        value.remove_prefix(1);
        if (const auto close = value.find(u'"'); close != std::u16string_view::npos) {
            value = value.substr(0, close);
        }
        value = Trimmed(value);
    }
    return std::u16string(value);
}

bool WillAutoStart(std::u16string_view value) {
    return !Trimmed(value).empty();
}

bool RunValueNamesProgram(std::u16string_view value, std::u16string_view exePath) {
    return SameTextIgnoringCase(RunValuePath(value), RunValuePath(exePath));
}

bool AutostartNeedsQuestion(std::u16string_view value, std::u16string_view exePath) {
    return !value.empty() && !RunValueNamesProgram(value, exePath);
}

AutostartOutcome Autostart::State() {
    const RegistryRead read = store_.Read(kAutostartValueName);
    if (read.status != RegistryStatus::Ok) {
        return {true, false};
    }
    return {false, WillAutoStart(read.value)};
}

AutostartOutcome Autostart::Toggle() {
    const RegistryRead read = store_.Read(kAutostartValueName);
    if (read.status != RegistryStatus::Ok) {
        return {true, false};
    }
    const bool wasOn = WillAutoStart(read.value);
    const RegistryStatus status = wasOn
                                      ? store_.Delete(kAutostartValueName)
                                      : store_.Write(kAutostartValueName, QuotedRunValue(exePath_));
    if (status != RegistryStatus::Ok) {
        return {true, wasOn};
    }
    return {false, !wasOn};
}

bool Autostart::NeedsQuestion() {
    const RegistryRead read = store_.Read(kAutostartValueName);
    return read.status == RegistryStatus::Ok && AutostartNeedsQuestion(read.value, exePath_);
}

AutostartOutcome Autostart::PointAtThisCopy() {
    if (store_.Write(kAutostartValueName, QuotedRunValue(exePath_)) != RegistryStatus::Ok) {
        return {true, State().checked};
    }
    return {false, true};
}

std::u16string_view AutostartRefusedText(Language language) {
    return Text(EngineText::AutostartRefused, language);
}

} // namespace traxo
