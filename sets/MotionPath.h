#pragma once
// The fixed-capacity point path at the start of every stored motion and of the captured gesture.

#include "platform/CoreTypes.h"

#include <cstddef>
#include <cstdint>

namespace traxo {

inline constexpr int kMaxPathPoints = 2001;
inline constexpr int kNormalisedPoints = 30;

// Where a stroke was interrupted (trigger mode 2); to geometry it is a point like any other.
inline constexpr Point kPenUpMarker{-999, -999};

#pragma pack(push, 1)
struct MotionPath {
    Point points[kMaxPathPoints];
    std::int32_t count;     // points in use, from index 0
    std::int32_t drawIndex; // where the next point is written while drawing or capturing
};
#pragma pack(pop)

static_assert(sizeof(MotionPath) == 16'016);
static_assert(offsetof(MotionPath, count) == 16'008);
static_assert(offsetof(MotionPath, drawIndex) == 16'012);

} // namespace traxo
