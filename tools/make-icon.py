#!/usr/bin/env python3
"""Draws the program icon (a stroke with an arrow head on a blue tile) at 16, 32 and 48 pixels
and writes app/entry/Traxo.ico. Run it after changing the drawing; the icon is kept in the tree."""
import math
import struct
import sys
from pathlib import Path

TILE = (0xB7, 0x6A, 0x2E)  # BGR of RGB(46, 106, 183)
EDGE = (0x8A, 0x4E, 0x1F)
STROKE = (0xFF, 0xFF, 0xFF)


def stroke_points(size):
    # An "L"-like gesture that bends into an arrow: down, then right.
    s = size / 48.0
    return [(14 * s, 11 * s), (14 * s, 33 * s), (34 * s, 33 * s)]


def distance_to_segment(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def inside_tile(x, y, size):
    r = size * 0.2
    cx = min(max(x, r), size - r)
    cy = min(max(y, r), size - r)
    return math.hypot(x - cx, y - cy) <= r


def in_arrow_head(x, y, size):
    s = size / 48.0
    tip = (40 * s, 33 * s)
    # A triangle pointing right at the end of the stroke.
    if x > tip[0] or x < 31 * s:
        return False
    return abs(y - tip[1]) <= (tip[0] - x) * 0.8


def pixel(x, y, size):
    cx, cy = x + 0.5, y + 0.5
    if not inside_tile(cx, cy, size):
        return (0, 0, 0, 0)
    points = stroke_points(size)
    width = max(1.5, size / 14.0)
    near = min(distance_to_segment(cx, cy, points[i], points[i + 1]) for i in range(len(points) - 1))
    if near <= width / 2 or in_arrow_head(cx, cy, size):
        return STROKE + (255,)
    if not inside_tile(cx - 1, cy - 1, size) or not inside_tile(cx + 1, cy + 1, size):
        return EDGE + (255,)
    return TILE + (255,)


def image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):  # bottom-up
        rows.append(b"".join(bytes(pixel(x, y, size)) for x in range(size)))
    mask_row = b"\0" * (((size + 31) // 32) * 4)
    return header + b"".join(rows) + mask_row * size


def main():
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    target = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / "app/entry/Traxo.ico")
    target.write_bytes(out + b"".join(images))


if __name__ == "__main__":
    main()
