#include "actions/ActionModel.h"

#include "actions/ActionTexts.h"
#include "platform/AsciiText.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace traxo {
namespace {

constexpr std::u16string_view kCutMark = u"...";

// A row text of the English list shown in Chinese; any other text stays as it is.
std::u16string_view InLanguage(std::u16string_view englishText, Language language) {
    if (language == Language::Chinese) {
        if (const auto row = FindEnglishActionRow(englishText)) {
            return kActionLists[*row].chinese;
        }
    }
    return englishText;
}

// The file name of a program or file; a path ending in "\" (a folder) stays whole.
std::u16string_view FileNamePart(std::u16string_view path) {
    const auto lastSeparator = path.find_last_of(u"\\:");
    if (lastSeparator == std::u16string_view::npos || lastSeparator + 1 == path.size()) {
        return path;
    }
    return path.substr(lastSeparator + 1);
}

std::u16string FileDisplayText(std::u16string_view text) {
    const std::u16string lower = AsciiLowerCase(text.substr(0, 8));
    if (lower.starts_with(u"http://") || lower.starts_with(u"https://")) {
        return std::u16string(text);
    }
    return std::u16string(FileNamePart(text.substr(0, text.find(kProgramDirectorySeparator))));
}

std::u16string FullDisplayText(std::u16string_view action, Language language) {
    if (action.empty()) {
        return std::u16string(InLanguage(doNothingText, language));
    }
    if (action.starts_with(kKeysPrefix)) {
        if (language == Language::Chinese) {
            // Past "@Keys: " (with its blank): the combination itself.
            const std::u16string_view rest =
                action.substr(std::min(kKeysPrefix.size() + 1, action.size()));
            return std::u16string(Text(ActionText::KeysLabel, language)) + std::u16string(rest);
        }
        return std::u16string(action.substr(1));
    }
    if (action.starts_with(kKeystrokesPrefix)) {
        const std::u16string_view script =
            action.substr(std::min(kKeystrokesPrefix.size() + 1, action.size()));
        return std::u16string(Text(ActionText::KeystrokesLabel, language)) + std::u16string(script);
    }
    if (action.starts_with(u'@')) {
        return std::u16string(InLanguage(action.substr(1), language));
    }
    return FileDisplayText(action);
}

} // namespace

std::u16string_view ActionPayload(std::u16string_view action) {
    const auto colon = action.find(u':');
    if (colon == std::u16string_view::npos || colon + 2 >= action.size()) {
        return {};
    }
    return action.substr(colon + 2);
}

std::u16string BuiltInCommandName(std::u16string_view action) {
    const auto lastSeparator = action.find_last_of(u":\\");
    const std::u16string_view name =
        lastSeparator == std::u16string_view::npos ? action : action.substr(lastSeparator + 1);
    return AsciiLowerCase(Trimmed(name));
}

ProgramLaunch SplitProgramParameters(std::u16string_view fileText) {
    const std::u16string_view trimmed = Trimmed(fileText);
    const std::u16string lower = AsciiLowerCase(trimmed);
    std::size_t parametersAt = std::u16string::npos;
    for (const std::u16string_view extension : {u".exe ", u".bat ", u".com ", u".lnk "}) {
        parametersAt = std::min(parametersAt, lower.find(extension));
    }
    if (parametersAt == std::u16string::npos) {
        return {std::u16string(fileText), {}};
    }
    parametersAt += 4; // the parameters begin with the blank after the extension
    return {std::u16string(trimmed.substr(0, parametersAt)),
            std::u16string(trimmed.substr(parametersAt))};
}

ParsedAction ParseAction(std::u16string_view action) {
    ParsedAction parsed;
    if (action.empty()) {
        parsed.form = ActionForm::DoNothing;
    } else if (action.starts_with(kKeystrokesPrefix)) {
        parsed.form = ActionForm::Keystrokes;
        parsed.payload = ActionPayload(action);
    } else if (action.starts_with(kKeysPrefix)) {
        parsed.form = ActionForm::KeyCombination;
        parsed.payload = ActionPayload(action);
    } else if (action.find(u'@') == std::u16string_view::npos) {
        parsed.form = ActionForm::File;
        const auto separator = action.find(kProgramDirectorySeparator);
        parsed.target = action.substr(0, separator);
        if (separator != std::u16string_view::npos) {
            parsed.workingDirectory = action.substr(separator + kProgramDirectorySeparator.size());
        }
    } else if (action.starts_with(u'@') && action.substr(1) == sameAsDefaultText) {
        parsed.form = ActionForm::SameAsDefault;
    } else {
        // Also a web address with a user name or a path with "@" in it: no command has such a
        // name, so it does nothing.
        parsed.form = ActionForm::BuiltIn;
        parsed.commandName = BuiltInCommandName(action);
    }
    return parsed;
}

std::u16string ActionToDisplayString(std::u16string_view action, int maxLen, Language language) {
    std::u16string text = FullDisplayText(action, language);
    const std::size_t limit = static_cast<std::size_t>(std::max(maxLen, 0));
    if (limit < text.size()) {
        std::size_t cut = limit;
        // Never end on the first half of a surrogate pair.
        if (cut > 0 && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) {
            --cut;
        }
        text.resize(cut);
        text += kCutMark;
    }
    return text;
}

std::u16string ActionToFullText(std::u16string_view action, Language language) {
    ParsedAction parsed = ParseAction(action);
    if (parsed.form == ActionForm::File) {
        return std::move(parsed.target);
    }
    return FullDisplayText(action, language);
}

} // namespace traxo
