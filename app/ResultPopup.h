#pragma once
// What the small popup in the bottom-right corner shows after a gesture drawn on the screen,
// when it shows, how it slides away, and how it is painted. The window itself is TfrmInfo
// (ResultPopup_win.h); everything it decides lives here.

#include "platform/DpiScale.h"
#include "platform/Language.h"
#include "platform/PaintCanvas.h"
#include "sets/MotionPath.h"
#include "sets/MotionSet.h"

#include <string>
#include <string_view>

namespace traxo {

// The popup's background picture (a BITMAP resource, 151 by 64, drawn from the corner at 96
// DPI and stretched by the scale elsewhere). The sizes and boxes are 96-DPI units.
inline constexpr int kPopupBackgroundId = 300;
inline constexpr Size kPopupBackgroundSize{151, 64};
inline constexpr Size kPopupClientSize{134, 56};

inline constexpr Rect kPopupThumbRect{4, 4, 36, 36};
inline constexpr Rect kPopupNumberRect{73, -2, 128, 34};
inline constexpr Rect kPopupActionRect{8, 37, 127, 52};
inline constexpr Colour kPopupNumberColour = Rgb(186, 198, 205);
inline constexpr Colour kPopupActionColour = Rgb(242, 244, 247);
inline constexpr Colour kPopupThumbPen = Rgb(255, 255, 255);
inline constexpr Colour kPopupFrameColour = Rgb(124, 146, 160);
inline constexpr int kPopupActionMaxLength = 1000;

// Everything the popup shows for one gesture.
struct PopupContent {
    MotionPath thumbnail{}; // the matched motion's path, or the drawn gesture when none matched
    std::u16string number;  // "?" or the motion's number from 1
    std::u16string actionText;
};

// result is the motion index or -1; actionText the action that ran, as action execution left it
// (its display text is shown); language 0 English, 1 Chinese.
PopupContent MakePopupContent(int result, const MotionPath& normalised,
                              const MotionPath& motionPath, std::u16string_view actionText,
                              Language language);
// The same with the matched motion's path taken from the set (any result outside it shows as
// unrecognised).
PopupContent MakePopupContent(int result, const MotionPath& normalised, const MotionSet& set,
                              std::u16string_view actionText, Language language);

// Paints the thumbnail, the number and the action label over the background (which the caller
// draws), with every box and font at the scale of the popup's monitor.
void PaintResultPopup(PaintCanvas& canvas, const PopupContent& content, DpiScale scale = {});

// The popup's timer: a second of display, then 5 pixels down every 20 ms until it has left the
// screen. The window carries out what each step returns.
class PopupSlide {
public:
    static constexpr int kShowMs = 1000;
    static constexpr int kSlideMs = 20;
    static constexpr int kSlideStep = 5;

    struct Step {
        bool visible = false;
        Point topLeft;   // the window's position
        int timerMs = 0; // 0: the timer is off
        friend bool operator==(const Step&, const Step&) = default;
    };

    // Places the popup in the bottom-right corner of a screen of the given size and starts the
    // second of display, wherever it was.
    Step Show(Size screen, Size window);
    // One tick of the timer: the first ends the second of display, every later one moves the
    // popup down until its top has passed the bottom of the screen, and then hides it.
    Step Tick();
    const Step& Current() const { return step_; }

private:
    Step step_;
    int screenHeight_ = 0;
};

} // namespace traxo
