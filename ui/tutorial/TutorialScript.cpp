#include "ui/tutorial/TutorialScript.h"

#include "platform/AsciiText.h"
#include "ui/options/OptionsTexts.h"

#include <algorithm>

namespace traxo {
namespace {

bool IsComment(std::u16string_view line) {
    return Trimmed(line).starts_with(u"//");
}

std::u16string StageLine(int stage) {
    std::u16string line = u"#";
    for (const char c : std::to_string(stage)) {
        line += static_cast<char16_t>(c);
    }
    return line;
}

// The index of the line "#N", or none.
std::optional<std::size_t> FindStage(const std::vector<std::u16string>& script, int stage) {
    const std::u16string wanted = StageLine(stage);
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (Trimmed(script[i]) == wanted) {
            return i;
        }
    }
    return std::nullopt;
}

// A whole number of 0 or more, written in decimal digits only; anything else is no picture.
std::optional<int> PictureNumber(std::u16string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 6) {
        return std::nullopt;
    }
    int number = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        number = number * 10 + (c - u'0');
    }
    return number;
}

void ReplaceAll(std::u16string& text, std::u16string_view what, std::u16string_view with) {
    for (std::size_t at = text.find(what); at != std::u16string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

} // namespace

std::vector<std::u16string> WithoutComments(const std::vector<std::u16string>& script) {
    std::vector<std::u16string> kept;
    kept.reserve(script.size());
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (i + 1 == script.size() || !IsComment(script[i])) {
            kept.push_back(script[i]);
        }
    }
    return kept;
}

std::u16string MethodText(int triggerMode, Language language) {
    std::u16string text(TriggerModeText(triggerMode, language));
    if (language != Language::Chinese && !text.empty()) {
        text[0] = AsciiUpper(text[0]);
    }
    return text;
}

std::u16string MemoLine(std::u16string_view line, std::u16string_view method) {
    std::u16string text(line);
    ReplaceAll(text, u"@method", method);
    ReplaceAll(text, u"<br>", u"\n\r");
    return text;
}

StagePlan PlanStage(const std::vector<std::u16string>& script, int stage, StageSource from,
                    std::u16string_view method, int pictureCount) {
    StagePlan plan;
    plan.backVisible = stage > 1;
    plan.memoLeft = kTutorialPicture.left;
    plan.memoWidth = kTutorialSize.width - 30;
    const std::optional<std::size_t> first = FindStage(script, stage);
    if (!first) {
        plan.close = true;
        return plan;
    }
    plan.finishVisible = !FindStage(script, stage + 1).has_value();
    for (std::size_t i = *first + 1; i < script.size() && !Trimmed(script[i]).starts_with(u"#");
         ++i) {
        const std::u16string_view line = script[i];
        const std::u16string_view trimmed = Trimmed(line);
        if (trimmed.starts_with(u"~")) {
            if (from != StageSource::BackButton) {
                const std::u16string_view rest = trimmed.substr(1);
                const std::size_t comma = rest.find(u',');
                plan.waitingFor = std::u16string(rest.substr(0, comma));
                plan.prompt = comma == std::u16string_view::npos
                                  ? std::u16string()
                                  : std::u16string(Trimmed(rest.substr(comma + 1)));
            }
        } else if (trimmed.starts_with(u"+")) {
            const std::optional<int> number = PictureNumber(trimmed.substr(1));
            // A number the picture list does not hold shows no picture rather than garbage.
            if (number && *number < pictureCount) {
                plan.picture = *number;
                plan.memoWidth = kTutorialSize.width - kTutorialPictureSize - 40;
                plan.memoLeft = kTutorialPicture.right + 10;
            }
        } else if (trimmed.starts_with(u"@")) {
            plan.pointAt = std::u16string(Trimmed(trimmed.substr(1)));
        } else {
            plan.memo += MemoLine(line, method);
            plan.memo += u' ';
        }
    }
    return plan;
}

TutorialPlacement PlaceTutorial(std::optional<Point> pointedCentre, Rect mainWindow, Size window,
                                Size screen) {
    if (!pointedCentre) {
        const int left = mainWindow.left + (mainWindow.right - mainWindow.left - window.width) / 2;
        const int top = mainWindow.top + (mainWindow.bottom - mainWindow.top - window.height) / 2;
        return {{left, top}, fsRectangle};
    }
    const Point p = *pointedCentre;
    if (p.x + window.width <= screen.width && p.y + window.height <= screen.height) {
        return {p, fsJaggedNW};
    }
    TutorialPlacement placement{{p.x - window.width, p.y - window.height}, fsJaggedSE};
    if (placement.topLeft.x < 0) {
        placement.topLeft.x = p.x;
        placement.shape = fsJaggedSW;
    }
    return placement;
}

std::optional<MainControl> MainControlNamed(std::u16string_view name) {
    name = Trimmed(name);
    if (SameTextIgnoringCase(name, u"comboActions")) {
        return MainControl::btnAssign;
    }
    for (const MainLayoutRow& row : MainWindowLayoutTable()) {
        if (row.name.size() == name.size() &&
            std::equal(row.name.begin(), row.name.end(), name.begin(), [](char a, char16_t b) {
                return AsciiLower(static_cast<char16_t>(a)) == AsciiLower(b);
            })) {
            return row.id;
        }
    }
    return std::nullopt;
}

void TutorialGuide::PrepareScripts() {
    scripts_[0] = WithoutComments(TutorialScript(Language::English));
    scripts_[1] = WithoutComments(TutorialScript(Language::Chinese));
    prepared_ = true;
}

StagePlan TutorialGuide::LoadStage(StageSource from, Language language, int triggerMode) {
    if (!prepared_) {
        PrepareScripts();
    }
    waitingFor_.clear();
    prompt_.clear();
    StagePlan plan = PlanStage(scripts_[LanguageNumber(language)], stage_, from,
                               MethodText(triggerMode, language));
    waitingFor_ = plan.waitingFor;
    prompt_ = plan.prompt;
    return plan;
}

std::optional<std::u16string> TutorialGuide::Next(Sender sender) {
    // Only the Next button is held back: Finish ends the last stage, and a reporter is the
    // awaited event itself.
    if (sender == Sender::NextButton && !waitingFor_.empty()) {
        return prompt_;
    }
    ++stage_;
    return std::nullopt;
}

void TutorialGuide::Back() {
    stage_ = std::max(1, stage_ - 1);
}

void TutorialGuide::Close() {
    waitingFor_.clear();
    prompt_.clear();
}

} // namespace traxo
