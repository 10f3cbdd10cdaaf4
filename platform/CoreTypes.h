#pragma once
// The few plain types the portable core shares with every layer: no <windows.h> here.

#include <cstdint>

namespace traxo {

// A point of a path: pixels for a raw path, box units for a normalised one.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};
static_assert(sizeof(Point) == 8, "a stored point is two int32 values, x first");

// Left, top, right, bottom, as the system gives rectangles.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as 0x00BBGGRR; system colours and the special values use the high byte.
using Colour = std::uint32_t;

// A window handle, opaque to the core: the code that acts on it knows what it is.
using WindowHandle = void*;

// The square of the given half-width around a centre.
constexpr Rect Around(Point centre, int radius) {
    return {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
}

constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

} // namespace traxo
