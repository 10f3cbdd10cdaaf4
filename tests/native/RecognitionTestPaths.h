#pragma once
// Paths for the geometry, recogniser and traxo-cli tests.

#include "recognition/MotionGeometry.h"
#include "sets/MotionPath.h"

#include <cstddef>
#include <memory>
#include <random>
#include <vector>

namespace traxo::test {

// A MotionPath is 16 kB: tests keep them on the heap.
inline std::unique_ptr<MotionPath> PathOf(const std::vector<Point>& points) {
    auto path = std::make_unique<MotionPath>();
    for (std::size_t i = 0; i < points.size(); ++i) {
        SetPointAt(*path, static_cast<int>(i), points[i]);
    }
    path->count = static_cast<int>(points.size());
    path->drawIndex = path->count;
    return path;
}

inline std::vector<Point> PointsOf(const MotionPath& path) {
    std::vector<Point> points;
    for (int i = 0; i < PointsInUse(path); ++i) {
        points.push_back(PointAt(path, i));
    }
    return points;
}

// count points from `from`, each `step` further on.
inline std::vector<Point> Stroke(Point from, Point step, int count) {
    std::vector<Point> points;
    for (int i = 0; i < count; ++i) {
        points.push_back({from.x + i * step.x, from.y + i * step.y});
    }
    return points;
}

inline std::vector<Point> Reversed(std::vector<Point> points) {
    return {points.rbegin(), points.rend()};
}

// The worked strokes: 60 raw points 10 pixels apart.
inline std::vector<Point> HorizontalStroke() {
    return Stroke({100, 300}, {10, 0}, 60);
}
inline std::vector<Point> VerticalStroke() {
    return Stroke({300, 100}, {0, 10}, 60);
}

// A random walk of count points with steps of up to maxStep pixels on each axis.
inline std::vector<Point> RandomWalk(std::mt19937& random, int count, int maxStep) {
    std::uniform_int_distribution<int> step(-maxStep, maxStep);
    std::vector<Point> points;
    Point at{std::uniform_int_distribution<int>(-500, 500)(random),
             std::uniform_int_distribution<int>(-500, 500)(random)};
    for (int i = 0; i < count; ++i) {
        points.push_back(at);
        at.x += step(random);
        at.y += step(random);
    }
    return points;
}

} // namespace traxo::test
