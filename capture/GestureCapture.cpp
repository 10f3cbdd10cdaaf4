#include "capture/GestureCapture.h"

#include "recognition/MotionGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace traxo {
namespace {

// One coordinate of the fill-in point k of n, in extended precision, halves to even.
std::int32_t FillInCoordinate(std::int32_t from, std::int32_t to, int k, int n) {
    const long double fraction = static_cast<long double>(k) / n;
    const long double delta = static_cast<long double>(to) - from;
    return static_cast<std::int32_t>(std::nearbyint(from + fraction * delta));
}

} // namespace

int RoundedDistance(Point a, Point b) {
    // Coordinates of the virtual desktop keep this far below the limit; the clamp only keeps a
    // wild value from overflowing the conversion.
    const double rounded = std::nearbyint(distancebetween(a, b));
    return rounded >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(rounded);
}

std::vector<Point> StepPoints(Point lastPoint, Point cursor, bool afterPenUp) {
    if (cursor == lastPoint) {
        return {};
    }
    const int distance = RoundedDistance(lastPoint, cursor);
    if (distance <= kMaxIgnoredStep) {
        return {};
    }
    std::vector<Point> points;
    if (!afterPenUp && distance > kFillInSpacing) {
        // More points than a path can hold are never needed.
        const int n = std::min(distance / kFillInSpacing, kMaxPathPoints);
        points.reserve(static_cast<std::size_t>(n) + 1);
        for (int k = 1; k <= n; ++k) {
            points.push_back({FillInCoordinate(lastPoint.x, cursor.x, k, n),
                              FillInCoordinate(lastPoint.y, cursor.y, k, n)});
        }
    }
    points.push_back(cursor);
    return points;
}

bool PointOnAnyMonitor(Point point, const std::vector<Rect>& monitors) {
    return std::ranges::any_of(monitors, [point](const Rect& m) {
        return point.x >= m.left + kMonitorMargin && point.x < m.right - kMonitorMargin &&
               point.y >= m.top + kMonitorMargin && point.y < m.bottom - kMonitorMargin;
    });
}

GestureCapture::GestureCapture(const Settings& settings, CaptureDesktop& desktop, HookLibrary& hook,
                               TrailScreen& screen, CaptureOwner& owner)
    : settings_(settings), desktop_(desktop), hook_(hook), screen_(screen), owner_(owner) {}

void GestureCapture::StartGesture(Point at, Point previousCursorPos) {
    desktop_.SetPollInterval(kCapturePollMs);
    screen_.BindToScreen();
    screen_.SetPen(settings_.tail, kTrailPenWidth);
    hook_.HideMovement(); // movement over other programs is withheld while drawing
    capturing_ = true;
    penBreak_ = false;
    lastPoint_ = at;
    path_.count = 0;
    path_.drawIndex = 0;
    Append(previousCursorPos);
    Append(at);
    screen_.MoveTo(at);
}

void GestureCapture::CaptureStep(Point cursor) {
    const bool afterPenUp = LastIsPenUp();
    const std::vector<Point> added = StepPoints(lastPoint_, cursor, afterPenUp);
    if (added.empty()) {
        return;
    }
    // A second stroke makes the gesture unrecognisable.
    if (afterPenUp) {
        penBreak_ = true;
    }
    lastPoint_ = cursor;
    for (const Point& point : added) {
        Append(point);
    }
    if (settings_.showTrails && settings_.fastTrails) {
        DrawOnScreen();
    }
}

GestureEnd GestureCapture::ReleaseStep(bool ctrlDown) {
    if (!capturing_) {
        return GestureEnd::NotCapturing;
    }
    // In mode 2 the right button may be let go while Ctrl is held; pressing it again goes on.
    if (settings_.invoke == 2 && ctrlDown) {
        if (!LastIsPenUp()) {
            Append(kPenUpMarker);
        }
        return GestureEnd::PenLifted;
    }
    return EndGesture();
}

GestureEnd GestureCapture::EndGesture() {
    desktop_.SetPollInterval(kIdlePollMs);
    capturing_ = false;
    owner_.SetPadIdle();
    if (path_.count > 1 && LastIsPenUp()) {
        --path_.count;
    }
    path_.drawIndex = path_.count - 1;
    RestoreBackgrounds();
    hook_.ShowMovement();
    endedOffScreen_ = !PointOnAnyMonitor(PointAt(path_, path_.drawIndex), desktop_.MonitorBounds());
    // Decided before recognition: the owner may pump messages that start the next gesture.
    if (path_.count <= kMaxClickPoints) {
        return GestureEnd::ClickReplay;
    }
    if (endedOffScreen_ || penBreak_) {
        return GestureEnd::Dropped;
    }
    Recognise();
    return GestureEnd::Recognised;
}

void GestureCapture::Recognise() {
    const WindowHandle target = desktop_.ForegroundWindow();
    path_ = ResizeGesture(path_);
    owner_.GestureEnded(path_, target);
}

void GestureCapture::DrawOnScreen() {
    const int count = path_.count;
    const int start = settings_.fastTrails && count != 4 ? count - 2 : 0;
    if (count <= kMaxClickPoints) {
        return;
    }
    screen_.SetPen(settings_.tail, kTrailPenWidth);
    screen_.SetBrushColour(settings_.tail);
    if (settings_.showTrails && !savedBackgrounds_[0]) {
        SaveBackgrounds();
    }
    const std::vector<Rect> monitors = desktop_.MonitorBounds();
    if (start == 0) {
        const Point first = PointAt(path_, 0);
        screen_.SetBrushStyle(BrushStyle::Solid);
        screen_.Ellipse({first.x - 2, first.y - 2, first.x + 2, first.y + 2});
        screen_.MoveTo(first);
    }
    for (int i = start + 1; i < count; ++i) {
        const Point point = PointAt(path_, i);
        const bool onScreen = PointOnAnyMonitor(point, monitors);
        screen_.SetPen(onScreen ? settings_.tail : kOffMonitorColour, kTrailPenWidth);
        if (PointAt(path_, i - 1) == kPenUpMarker) {
            screen_.MoveTo(point);
        } else if (point != kPenUpMarker) {
            screen_.LineTo(point);
        }
    }
}

void GestureCapture::Append(Point point) {
    if (path_.count >= kMaxPathPoints) {
        return;
    }
    SetPointAt(path_, path_.count, point);
    ++path_.count;
    path_.drawIndex = path_.count;
}

bool GestureCapture::LastIsPenUp() const {
    return path_.count > 0 && PointAt(path_, path_.count - 1) == kPenUpMarker;
}

void GestureCapture::SaveBackgrounds() {
    // Monitors past the ninth are neither saved nor restored.
    const std::vector<Rect> monitors = desktop_.MonitorBounds();
    const std::size_t slots = std::min<std::size_t>(monitors.size(), kBackgroundSlots);
    for (std::size_t slot = 0; slot < slots; ++slot) {
        screen_.SaveArea(static_cast<int>(slot), monitors[slot]);
        savedBackgrounds_[slot] = monitors[slot];
    }
}

void GestureCapture::RestoreBackgrounds() {
    // Whatever was saved goes back, even if the trail was switched off meanwhile: a copy left
    // in slot 0 would keep the next gesture from taking a fresh one.
    for (std::size_t slot = 0; slot < savedBackgrounds_.size(); ++slot) {
        if (savedBackgrounds_[slot]) {
            screen_.RestoreArea(static_cast<int>(slot), *savedBackgrounds_[slot]);
            savedBackgrounds_[slot].reset();
        }
    }
}

} // namespace traxo
