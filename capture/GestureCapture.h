#pragma once
// The gesture being drawn on the screen: the cursor path, thinned to steps of at least 10 pixels
// and filled in where the cursor jumped, the trail drawn over all windows, and what becomes of
// the path when the trigger is let go.

#include "capture/CaptureDesktop.h"
#include "platform/Settings.h"
#include "sets/MotionPath.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace traxo {

inline constexpr int kTrailPenWidth = 3;
inline constexpr Colour kOffMonitorColour = Rgb(255, 0, 0);
// A gesture ending this close to a monitor's edge is taken as having left the screen.
inline constexpr int kMonitorMargin = 10;
inline constexpr int kBackgroundSlots = 9;
// Steps whose rounded length is at most this are not recorded.
inline constexpr int kMaxIgnoredStep = 9;
// Longer steps are filled in with one point per whole 30 pixels.
inline constexpr int kFillInSpacing = 30;
// A gesture of this many points or fewer was a click.
inline constexpr int kMaxClickPoints = 4;
inline constexpr int kCapturePollMs = 1;
inline constexpr int kIdlePollMs = 100;

// What the capture hands on (the gesture engine).
class CaptureOwner {
public:
    virtual ~CaptureOwner() = default;
    // A gesture drawn on the screen ended and was normalised: it is to be recognised and acted
    // on for target, the foreground window at its end.
    virtual void GestureEnded(const MotionPath& normalised, WindowHandle target) = 0;
    virtual void RecentProgramsChanged() = 0; // the options dialog copies the list when visible
    virtual void SetPadIdle() = 0;            // PadState := padIdle
};

// The distance between two points, rounded to the nearest integer with halves to even.
int RoundedDistance(Point a, Point b);

// The points one cursor step adds to a path whose last real point is lastPoint: nothing for a
// step of at most 9 pixels; otherwise, unless the stroke was interrupted (afterPenUp), one point
// per whole 30 pixels evenly along the jump, the last of them the cursor itself; then the cursor.
std::vector<Point> StepPoints(Point lastPoint, Point cursor, bool afterPenUp);

// Whether point lies inside some monitor's bounds shrunk by the margin on every side (left and
// top inclusive, right and bottom exclusive).
bool PointOnAnyMonitor(Point point, const std::vector<Rect>& monitors);

// What the release step did.
enum class GestureEnd {
    NotCapturing, // there was no gesture
    PenLifted,    // trigger mode 2 with Ctrl still held: the stroke is interrupted, not ended
    Recognised,   // normalised and handed to the recogniser
    Dropped,      // ended off screen or after an interrupted stroke: nothing happens
    ClickReplay,  // a mere click: the withheld press is to be given back
};

class GestureCapture {
public:
    // All references must outlive the capture.
    GestureCapture(const Settings& settings, CaptureDesktop& desktop, HookLibrary& hook,
                   TrailScreen& screen, CaptureOwner& owner);

    // Begins a gesture at the cursor; the position seen before the press becomes point 0.
    void StartGesture(Point at, Point previousCursorPos);
    // The trigger is held and the cursor is at `cursor`.
    void CaptureStep(Point cursor);
    // The trigger is not held; ctrlDown is the Ctrl key's state in this poll.
    GestureEnd ReleaseStep(bool ctrlDown);
    // The idle timeout handed the press back: the gesture ends without restore or recognition
    // (nothing can have been drawn, since drawing needs more than 4 points).
    void Abandon() { capturing_ = false; }
    // Draws the trail: the newest segment in fast mode, otherwise the whole of it.
    void DrawOnScreen();

    const MotionPath& CapturedPath() const { return path_; }
    bool Capturing() const { return capturing_; }
    bool PenBreak() const { return penBreak_; }
    bool EndedOffScreen() const { return endedOffScreen_; }
    Point LastPoint() const { return lastPoint_; }

private:
    GestureEnd EndGesture();
    void Recognise();
    // Stores point at the end of the path; a full path takes no more points.
    void Append(Point point);
    bool LastIsPenUp() const;
    void SaveBackgrounds();
    void RestoreBackgrounds();

    const Settings& settings_;
    CaptureDesktop& desktop_;
    HookLibrary& hook_;
    TrailScreen& screen_;
    CaptureOwner& owner_;

    MotionPath path_{};
    bool capturing_ = false;
    bool penBreak_ = false;
    bool endedOffScreen_ = false;
    Point lastPoint_;
    // SavedBackgrounds: the bounds each slot's copy was taken at, so that it goes back to the
    // same place even if the monitors changed during the gesture.
    std::array<std::optional<Rect>, kBackgroundSlots> savedBackgrounds_;
};

} // namespace traxo
