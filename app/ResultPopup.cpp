#include "app/ResultPopup.h"

#include "actions/ActionModel.h"
#include "app/EngineTexts.h"
#include "platform/AsciiText.h"
#include "recognition/MotionGeometry.h"

#include <limits>
#include <string>

namespace traxo {
namespace {

constexpr std::u16string_view kNoNumber = u"?";

const FontSpec kNumberFont{u"Tahoma", 32, false, false, 0};
const FontSpec kActionFont{u"Tahoma", 11, false, false, 0};

// Cut to the popup's limit, never between the halves of a surrogate pair.
void CutToLimit(std::u16string& text) {
    if (text.size() <= static_cast<std::size_t>(kPopupActionMaxLength)) {
        return;
    }
    std::size_t cut = kPopupActionMaxLength;
    if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) {
        --cut;
    }
    text.resize(cut);
}

// A label's text, right-aligned within its box and cut to it.
void DrawRightAligned(PaintCanvas& canvas, Rect box, std::u16string_view text) {
    const Size size = canvas.MeasureText(text);
    canvas.PushClip(box);
    canvas.DrawText({box.right - size.width, box.top}, text);
    canvas.PopClip();
}

// The longest start of `text` that fits `width` with an ellipsis after it, never ending between
// the halves of a surrogate pair.
std::u16string StartWithEllipsis(PaintCanvas& canvas, std::u16string_view text, int width) {
    const auto withEllipsis = [&](std::size_t length) {
        if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) {
            --length;
        }
        return std::u16string(text.substr(0, length)) + u"\u2026";
    };
    std::size_t fits = 0;
    std::size_t tooLong = text.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (canvas.MeasureText(withEllipsis(middle)).width <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return withEllipsis(fits);
}

// The action label: right-aligned when it fits its box, otherwise its start with an ellipsis, so
// the beginning of a long action is what shows.
void DrawActionLabel(PaintCanvas& canvas, Rect box, std::u16string_view text) {
    const int width = box.right - box.left;
    if (canvas.MeasureText(text).width <= width) {
        DrawRightAligned(canvas, box, text);
        return;
    }
    canvas.PushClip(box);
    canvas.DrawText({box.left, box.top}, StartWithEllipsis(canvas, text, width));
    canvas.PopClip();
}

} // namespace

PopupContent MakePopupContent(int result, const MotionPath& normalised,
                              const MotionPath& motionPath, std::u16string_view actionText,
                              Language language) {
    PopupContent content;
    if (result < 0) {
        content.number = kNoNumber;
        content.thumbnail = normalised;
        content.actionText = Text(EngineText::PopupUnrecognised, language);
        return content;
    }
    content.number = DecimalText(result + 1);
    content.thumbnail = motionPath;
    // actionText is the action that ran, chosen for the program it ran in.
    content.actionText =
        ActionToDisplayString(actionText, std::numeric_limits<int>::max(), language);
    CutToLimit(content.actionText);
    return content;
}

PopupContent MakePopupContent(int result, const MotionPath& normalised, const MotionSet& set,
                              std::u16string_view actionText, Language language) {
    const int motionCount = set.motionCount;
    if (result < 0 || result >= motionCount || result >= kMotionSlots) {
        return MakePopupContent(-1, normalised, normalised, actionText, language);
    }
    return MakePopupContent(result, normalised, set.motions[result].path, actionText, language);
}

void PaintResultPopup(PaintCanvas& canvas, const PopupContent& content, DpiScale scale) {
    // The thumbnail is a square picture: its markers are cut at its edges.
    const Rect thumb = scale(kPopupThumbRect);
    canvas.PushClip(thumb);
    canvas.SetPen(kPopupThumbPen, 1);
    DrawInRect(content.thumbnail, canvas, thumb);
    canvas.PopClip();

    FontSpec number = kNumberFont;
    number.height = scale(number.height);
    canvas.SetFont(number, kPopupNumberColour);
    DrawRightAligned(canvas, scale(kPopupNumberRect), content.number);
    FontSpec action = kActionFont;
    action.height = scale(action.height);
    canvas.SetFont(action, kPopupActionColour);
    DrawActionLabel(canvas, scale(kPopupActionRect), content.actionText);
}

PopupSlide::Step PopupSlide::Show(Size screen, Size window) {
    screenHeight_ = screen.height;
    step_.visible = true;
    step_.topLeft = {screen.width - window.width, screen.height - window.height};
    step_.timerMs = kShowMs;
    return step_;
}

PopupSlide::Step PopupSlide::Tick() {
    if (!step_.visible || step_.timerMs == 0) {
        return step_;
    }
    if (step_.timerMs > 100) {
        step_.timerMs = kSlideMs;
        return step_;
    }
    step_.topLeft.y += kSlideStep;
    if (step_.topLeft.y > screenHeight_) {
        step_.visible = false;
        step_.timerMs = 0;
    }
    return step_;
}

} // namespace traxo
