#include "actions/ScriptCheck.h"

#include "actions/ActionTexts.h"
#include "actions/sndkey32.h"

#include <algorithm>
#include <cstdint>

namespace traxo {
namespace {

bool IsRepeatCount(std::u16string_view text) {
    if (text.empty()) {
        return false;
    }
    std::uint32_t value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
        value = value * 10 + (c - u'0');
        if (value > 0xFFFF) {
            return false;
        }
    }
    return true;
}

// The start of an unclosed item, up to where the sender's notation goes on with something else.
std::u16string UnclosedExcerpt(std::u16string_view text, std::size_t open) {
    std::size_t end = open + 1;
    while (end < text.size() && end - open < kMaxBracedName &&
           std::u16string_view(u"{}()+^%").find(text[end]) == std::u16string_view::npos) {
        ++end;
    }
    return std::u16string(text.substr(open, end - open));
}

// The item that starts at `start`: a braced name with its braces, "{{}", or one character.
std::u16string ItemExcerpt(std::u16string_view text, std::size_t start) {
    if (text[start] != u'{') {
        return std::u16string(text.substr(start, 1));
    }
    const std::size_t close = text.find(u'}', start + 1);
    const std::size_t end = close == std::u16string_view::npos ? text.size() : close + 1;
    return std::u16string(text.substr(start, end - start));
}

// The first syntax fault: a "{" without its "}" or a repeat count that is not one.
std::optional<ScriptProblem> FindSyntaxProblem(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != u'{') {
            ++i;
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'{') {
            i += 3; // "{{}", a brace as text
            continue;
        }
        const std::size_t open = i;
        const std::size_t close = text.find(u'}', i + 1);
        if (close == std::u16string_view::npos) {
            return ScriptProblem{
                ScriptProblemKind::MissingBrace, open, UnclosedExcerpt(text, open), {}};
        }
        const std::u16string_view name =
            text.substr(open + 1, std::min(close - open - 1, kMaxBracedName));
        i = close + 1;
        if (i < text.size() && text[i] == u'}') {
            ++i; // "{}}", a closing brace as text
            continue;
        }
        if (const auto blank = name.find(u' '); blank != std::u16string_view::npos) {
            const std::u16string_view count = name.substr(blank + 1);
            if (!IsRepeatCount(count)) {
                return ScriptProblem{ScriptProblemKind::BadRepeatCount, open,
                                     std::u16string(text.substr(open, close - open + 1)),
                                     std::u16string(count)};
            }
        }
    }
    return std::nullopt;
}

std::u16string Number(std::size_t n) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
        n /= 10;
    } while (n != 0);
    return digits;
}

// " (character N)" when the excerpt is found in the user's script.
std::u16string CharacterNumber(const ScriptProblem& problem, std::u16string_view userScript,
                               Language language) {
    const auto at = userScript.find(problem.excerpt);
    if (at == std::u16string_view::npos) {
        return {};
    }
    return TextWith(Text(ActionText::ScriptCharacter, language), Number(at + 1));
}

} // namespace

std::optional<ScriptProblem> FindScriptProblem(std::u16string_view text, Keyboard& keyboard) {
    if (text.empty()) {
        return ScriptProblem{};
    }
    // The count stops where a syntax fault stops the sender, so an overrun it finds comes first.
    if (const auto overrun = FindEventLimitOverrun(keyboard, text)) {
        return ScriptProblem{
            ScriptProblemKind::TooManyKeyEvents, *overrun, ItemExcerpt(text, *overrun), {}};
    }
    return FindSyntaxProblem(text);
}

std::u16string DescribeScriptProblem(const ScriptProblem& problem, std::u16string_view userScript,
                                     Language language) {
    if (problem.kind == ScriptProblemKind::Empty) {
        return std::u16string(Text(ActionText::ScriptEmpty, language));
    }
    const std::u16string where = CharacterNumber(problem, userScript, language);
    switch (problem.kind) {
    case ScriptProblemKind::TooManyKeyEvents:
        return TextWithEach(Text(ActionText::ScriptOverrun, language), {problem.excerpt, where});
    case ScriptProblemKind::MissingBrace:
        return TextWithEach(Text(ActionText::ScriptMissingBrace, language),
                            {problem.excerpt, where});
    default:
        return TextWithEach(Text(ActionText::ScriptBadRepeat, language),
                            {problem.excerpt, where, problem.repeatCount});
    }
}

} // namespace traxo
