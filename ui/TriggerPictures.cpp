#include "ui/TriggerPictures.h"

#include <array>

namespace traxo {
namespace {

enum class TriggerButton { None, Right, Middle };

TriggerButton ButtonOf(int mode) {
    switch (mode) {
    case 1:
    case 2: return TriggerButton::Right;
    case 3:
    case 4: return TriggerButton::Middle;
    default: return TriggerButton::None;
    }
}

} // namespace

std::u16string_view TriggerKeysOf(int mode) {
    switch (mode) {
    case 0: return u"Ctrl+Shift";
    case 2:
    case 4: return u"Ctrl";
    default: return {};
    }
}

void PaintTriggerPicture(PaintCanvas& canvas, int mode) {
    const Colour outline = Rgb(90, 90, 90);
    canvas.FillRect({0, 0, kTriggerPictureSize.width, kTriggerPictureSize.height}, Rgb(255, 255, 255));

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
    canvas.SetBrushColour(button == TriggerButton::Middle ? kTriggerButtonColour : Rgb(255, 255, 255));
    canvas.Rectangle({48, 4, 53, 10});

    // The keys to hold, as a key cap; mode 0 moves the mouse without a button.
    const std::u16string_view keys = TriggerKeysOf(mode);
    if (!keys.empty()) {
        const Rect cap{1, 5, 40, 20};
        canvas.SetPen(outline, 1);
        canvas.SetBrushColour(Rgb(240, 240, 240));
        canvas.RoundRect(cap, 4, 4);
        FontSpec font;
        font.height = keys.size() > 4 ? 9 : 11;
        canvas.SetFont(font, Rgb(0, 0, 0));
        const Size text = canvas.MeasureText(keys);
        canvas.DrawText({cap.left + (cap.right - cap.left - text.width) / 2,
                         cap.top + (cap.bottom - cap.top - text.height) / 2},
                        keys);
    }
}

} // namespace traxo
