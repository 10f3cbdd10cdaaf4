#include "recognition/MotionGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>

namespace traxo {
namespace {

constexpr Colour kStartMarkerColour = Rgb(255, 0, 0);
constexpr int kStartMarkerRadius = 3;
constexpr int kPointMarkerRadius = 2;

// Far beyond any device's coordinate space, and far enough inside int32 that the markers around
// a point can be computed without overflow.
constexpr std::int64_t kCanvasLimit = std::int64_t{1} << 30;

// Rounds to nearest, ties to even (the default rounding mode).
std::int64_t RoundHalfEven(long double value) {
    return std::llrint(value);
}

// Every sum is stored as a double, which decides the raw points picked where a position lands
// on a half. The volatile store keeps that so on 32-bit x86, whose x87 registers would otherwise
// carry the running sum in extended precision.
double StoredAsDouble(double value) {
    volatile double stored = value;
    return stored;
}

// Picks raw points at evenly spaced positions; returns how many were picked (at most 30).
int Resample(const MotionPath& source, std::span<Point, kNormalisedPoints> picked) {
    const int n = PointsInUse(source);
    const double step = StoredAsDouble(n / double{kNormalisedPoints});
    double pos = 0.0;
    int k = 0;
    while (n - 1 > pos && k < kNormalisedPoints) {
        picked[k++] = PointAt(source, static_cast<int>(RoundHalfEven(pos)));
        pos = StoredAsDouble(pos + step);
    }
    return k;
}

struct Box {
    std::int64_t minX = 2000, minY = 2000, maxX = -2000, maxY = -2000;
};

// The box starts from fixed limits rather than the first point, so a path lying wholly beyond
// x or y = 2000 (or -2000) is boxed from that limit.
Box BoundingBox(std::span<const Point> points) {
    Box box;
    for (const Point& p : points) {
        box.minX = std::min<std::int64_t>(box.minX, p.x);
        box.minY = std::min<std::int64_t>(box.minY, p.y);
        box.maxX = std::max<std::int64_t>(box.maxX, p.x);
        box.maxY = std::max<std::int64_t>(box.maxY, p.y);
    }
    if (box.maxX == box.minX) {
        box.maxX = box.minX + 1;
    }
    if (box.maxY == box.minY) {
        box.maxY = box.minY + 1;
    }
    return box;
}

// Scales the points about the centre of their box so that the box's longer side spans 100
// units centred on 50. The box holds every point and its sides are at least 1, so
// |x - cx| / w is at most 1 and every scaled value lies within -50 to 150: the rounding cannot
// fail, whatever the 32-bit input.
void ScaleIntoBox(std::span<Point> points) {
    const Box box = BoundingBox(points);
    const std::int64_t cx = RoundHalfEven((box.maxX + box.minX) / 2.0L);
    const std::int64_t cy = RoundHalfEven((box.maxY + box.minY) / 2.0L);
    const std::int64_t w = box.maxX - box.minX;
    const std::int64_t h = box.maxY - box.minY;

    const long double ratio = std::max(static_cast<long double>(w) / h, 1e-7L);
    long double fx = 1;
    long double fy = 1;
    if (ratio > 1) {
        fy = ratio * ratio;
    } else if (ratio < 1) {
        const long double inverse = 1 / ratio;
        fx = inverse * inverse;
    }
    const long double scaleX = kBoxSize / std::sqrt(fx);
    const long double scaleY = kBoxSize / std::sqrt(fy);
    const long double centre = kBoxSize / 2;
    for (Point& p : points) {
        p.x = static_cast<std::int32_t>(
            RoundHalfEven(scaleX * (static_cast<long double>(p.x - cx) / w) + centre));
        p.y = static_cast<std::int32_t>(
            RoundHalfEven(scaleY * (static_cast<long double>(p.y - cy) / h) + centre));
    }
}

std::int32_t MapIntoSpan(std::int32_t units, std::int32_t low, std::int32_t high) {
    // Beyond the canvas range from any int32 start, yet far inside what int64 holds.
    constexpr long double kOffsetLimit = 1LL << 40;
    const long double span = static_cast<long double>(high) - low;
    const long double offset =
        std::clamp(units / static_cast<long double>(kBoxSize) * span, -kOffsetLimit, kOffsetLimit);
    return static_cast<std::int32_t>(
        std::clamp(low + RoundHalfEven(offset), -kCanvasLimit, kCanvasLimit));
}

} // namespace

MotionPath ResizeGesture(const MotionPath& source) {
    std::array<Point, kNormalisedPoints> picked{};
    const int count = Resample(source, picked);
    ScaleIntoBox(std::span(picked.data(), static_cast<std::size_t>(count)));

    MotionPath result{};
    for (int k = 0; k < count; ++k) {
        SetPointAt(result, k, picked[k]);
    }
    result.count = count;
    result.drawIndex = count;
    return result;
}

double distancebetween(Point a, Point b) {
    const long double dx = static_cast<long double>(b.x) - a.x;
    const long double dy = static_cast<long double>(b.y) - a.y;
    return static_cast<double>(std::sqrt(dx * dx + dy * dy));
}

void DrawInRect(const MotionPath& path, Canvas& canvas, Rect rect) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    const int count = PointsInUse(path);
    for (int i = 0; i < count; ++i) {
        const Point point = PointAt(path, i);
        const Point at{MapIntoSpan(point.x, rect.left, rect.right),
                       MapIntoSpan(point.y, rect.top, rect.bottom)};
        if (i == 0) {
            canvas.SetBrushColour(kStartMarkerColour);
            canvas.MoveTo(at);
            canvas.Ellipse(Around(at, kStartMarkerRadius));
        } else {
            canvas.SetBrushStyle(BrushStyle::Clear);
            canvas.LineTo(at);
            canvas.Ellipse(Around(at, kPointMarkerRadius));
        }
    }
}

} // namespace traxo
