#pragma once
// Normalising, measuring and drawing paths: every path the system compares or shows passes
// through here.

#include "platform/Canvas.h"
#include "sets/MotionPath.h"

namespace traxo {

// The reference box that normalised paths live in: 100 by 100 units centred on (50, 50).
inline constexpr int kBoxSize = 100;

// A path inside a packed set record may lie at any address, so its points are read and
// written field by field, never through a Point reference, pointer or span, which would assume
// them aligned.
inline Point PointAt(const MotionPath& path, int index) {
    return {path.points[index].x, path.points[index].y};
}
inline void SetPointAt(MotionPath& path, int index, Point point) {
    path.points[index].x = point.x;
    path.points[index].y = point.y;
}

// The points in use, kept within the record: a count read from a damaged file may lie outside.
inline int PointsInUse(const MotionPath& path) {
    return path.count < 0 ? 0 : path.count > kMaxPathPoints ? kMaxPathPoints : path.count;
}

// Resamples a raw path to at most 30 points and scales it into the reference box, keeping its
// aspect ratio. The result's points and count are the normalised path; points past the count
// are zero and drawIndex equals the count.
MotionPath ResizeGesture(const MotionPath& source);

// The Euclidean distance between two points, taken in extended precision.
double distancebetween(Point a, Point b);

// Draws the path mapped from the reference box onto rect: a filled red marker at the start,
// then lines with small hollow circles at every later point, with the caller's pen.
void DrawInRect(const MotionPath& path, Canvas& canvas, Rect rect);

} // namespace traxo
