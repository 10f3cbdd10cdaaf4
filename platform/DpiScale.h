#pragma once
// The one scaling step from the 96-DPI units that layouts are written in to the pixels of the
// display: every window places its controls and sizes its fonts through it.

#include "platform/CoreTypes.h"

#include <cstdint>

namespace traxo {

struct DpiScale {
    int dpi = 96;

    // Rounds half away from zero, as the system's MulDiv does.
    constexpr std::int32_t operator()(std::int32_t units) const {
        const std::int64_t product = std::int64_t(units) * dpi;
        return static_cast<std::int32_t>(product >= 0 ? (product + 48) / 96 : (product - 48) / 96);
    }
    constexpr Rect operator()(Rect units) const {
        return {(*this)(units.left), (*this)(units.top), (*this)(units.right),
                (*this)(units.bottom)};
    }
    constexpr Point operator()(Point units) const { return {(*this)(units.x), (*this)(units.y)}; }
};

} // namespace traxo
