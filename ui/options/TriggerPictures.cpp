#include "ui/options/TriggerPictures.h"

#include <array>

namespace traxo {
namespace {

enum class TriggerButton { None, Right, Middle };

TriggerButton ButtonOf(int mode) {
    switch (mode) {
    case 1:
    case 2:
        return TriggerButton::Right;
    case 3:
    case 4:
        return TriggerButton::Middle;
    default:
        return TriggerButton::None;
    }
}

} // namespace

std::u16string_view TriggerKeysOf(int mode) {
    switch (mode) {
    case 0:
        return u"Ctrl+Shift";
    case 2:
    case 4:
        return u"Ctrl";
    default:
        return {};
    }
}

void PaintTriggerPicture(PaintCanvas& canvas, int mode) {
    const Colour outline = Rgb(90, 90, 90);
    canvas.FillRect({0, 0, kTriggerPictureSize.width, kTriggerPictureSize.height},
                    Rgb(255, 255, 255));

    // The mouse at the right end: a body, two buttons and the wheel between them.
    const Rect body{42, 2, 58, 24};
    canvas.SetPen(outline, 1);
    canvas.SetBrushColour(Rgb(255, 255, 255));
    canvas.RoundRect(body, 8, 8);
    canvas.MoveTo({body.left, 11});
    canvas.LineTo({body.right, 11});
    canvas.MoveTo({50, 2});
    canvas.LineTo({50, 11});
    const TriggerButton button = ButtonOf(mode);
    if (button == TriggerButton::Right) {
        canvas.FillRect({51, 4, 56, 11}, kTriggerButtonColour);
    }
    canvas.SetBrushColour(button == TriggerButton::Middle ? kTriggerButtonColour
                                                          : Rgb(255, 255, 255));
    canvas.Rectangle({48, 4, 53, 10});

    // The keys to hold, as a key cap; mode 0 moves the mouse without a button. Two keys stand
    // on two lines, "Ctrl+" over "Shift", in a taller cap: on one line they would not fit.
    const std::u16string_view keys = TriggerKeysOf(mode);
    if (keys.empty()) {
        return;
    }
    const std::size_t plus = keys.find(u'+');
    const bool twoLines = plus != std::u16string_view::npos;
    const Rect cap = twoLines ? Rect{1, 1, 40, 24} : Rect{1, 5, 40, 20};
    canvas.SetPen(outline, 1);
    canvas.SetBrushColour(Rgb(240, 240, 240));
    canvas.RoundRect(cap, 4, 4);
    FontSpec font;
    font.height = twoLines ? 10 : 11;
    canvas.SetFont(font, Rgb(0, 0, 0));
    const std::array<std::u16string_view, 2> lines{
        keys.substr(0, twoLines ? plus + 1 : keys.size()),
        twoLines ? keys.substr(plus + 1) : std::u16string_view{}};
    const int lineCount = twoLines ? 2 : 1;
    const int textHeight = lineCount * font.height;
    int top = cap.top + (cap.bottom - cap.top - textHeight) / 2;
    for (int i = 0; i < lineCount; ++i) {
        const Size text = canvas.MeasureText(lines[i]);
        canvas.DrawText({cap.left + (cap.right - cap.left - text.width) / 2, top}, lines[i]);
        top += font.height;
    }
}

} // namespace traxo
