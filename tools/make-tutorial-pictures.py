#!/usr/bin/env python3
"""Draws the tutorial's three 100 by 100 pictures into ui/pictures/: a mouse drawing a gesture
(welcome), a few gesture shapes, and the notification area with the program's white icon.
White is the background (the top-left pixel, left out when drawn). Run it after changing a
drawing; the files are kept in the tree (numbers in ui/kit/Pictures.h)."""
import math
import struct
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "ui" / "pictures"
SIZE = 100
SAMPLES = 3
WHITE = (255, 255, 255)
BLUE = (65, 133, 207)
DARK = (60, 78, 91)
GREY = (150, 156, 166)
RED = (214, 64, 52)


def seg_dist(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def arc(cx, cy, r, start, end, steps=32):
    return [(cx + r * math.cos(math.radians(start + (end - start) * i / steps)),
             cy - r * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]


def bezier(a, control, b, steps):
    return [((1 - t) ** 2 * a[0] + 2 * (1 - t) * t * control[0] + t * t * b[0],
             (1 - t) ** 2 * a[1] + 2 * (1 - t) * t * control[1] + t * t * b[1])
            for t in (i / steps for i in range(steps + 1))]


def inside_polygon(px, py, polygon):
    inside = False
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


class Picture:
    def __init__(self):
        self.pixels = [[WHITE] * SIZE for _ in range(SIZE)]

    def paint(self, test, colour, box=(0, 0, SIZE, SIZE)):
        x0, y0, x1, y1 = (max(0, int(box[0]) - 2), max(0, int(box[1]) - 2),
                          min(SIZE, int(box[2]) + 3), min(SIZE, int(box[3]) + 3))
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = sum(test(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES)
                           for sy in range(SAMPLES) for sx in range(SAMPLES))
                if hits:
                    t = hits / (SAMPLES * SAMPLES)
                    old = self.pixels[y][x]
                    self.pixels[y][x] = tuple(round(o + (c - o) * t) for o, c in zip(old, colour))

    def stroke(self, points, width, colour):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        pad = width
        self.paint(lambda px, py: any(seg_dist(px, py, a, b) <= width / 2 for a, b in zip(points, points[1:])),
                   colour, (min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad))

    def fill(self, polygon, colour):
        xs = [p[0] for p in polygon]
        ys = [p[1] for p in polygon]
        self.paint(lambda px, py: inside_polygon(px, py, polygon), colour, (min(xs), min(ys), max(xs), max(ys)))

    def rounded_box(self, left, top, right, bottom, radius, colour):
        def test(px, py):
            cx = min(max(px, left + radius), right - radius)
            cy = min(max(py, top + radius), bottom - radius)
            return math.hypot(px - cx, py - cy) <= radius
        self.paint(test, colour, (left, top, right, bottom))

    def arrow_head(self, tip, towards, length, colour):
        angle = math.atan2(tip[1] - towards[1], tip[0] - towards[0])
        left = (tip[0] - length * math.cos(angle - 0.5), tip[1] - length * math.sin(angle - 0.5))
        right = (tip[0] - length * math.cos(angle + 0.5), tip[1] - length * math.sin(angle + 0.5))
        self.fill([tip, left, right], colour)

    def write(self, path):
        row_size = (SIZE * 3 + 3) & ~3
        image = bytearray()
        for y in range(SIZE - 1, -1, -1):
            row = bytearray()
            for r, g, b in self.pixels[y]:
                row += bytes((b, g, r))
            row += bytes(row_size - len(row))
            image += row
        header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
        info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0)
        path.write_bytes(header + info + image)


def draw_welcome():
    """A mouse, and the gesture it has just drawn: a swoosh ending in an arrow."""
    p = Picture()
    trail = bezier((12, 50), (14, 4), (44, 22), 20) + bezier((44, 22), (70, 38), (78, 14), 14)[1:]
    p.stroke(trail, 4.5, BLUE)
    p.arrow_head((80, 6), trail[-3], 13, BLUE)
    body = arc(66, 74, 17, 0, 360, 48)
    p.fill([(x, y * 1.0) for x, y in body], DARK)
    p.rounded_box(51, 56, 81, 94, 14, DARK)
    p.stroke([(66, 57), (66, 72)], 2.2, WHITE)
    p.stroke([(52, 72), (80, 72)], 2.2, WHITE)
    p.stroke([(66, 56), (62, 50), (52, 46), (46, 46)], 2.5, DARK)
    return p


def draw_shapes():
    """Gestures are any shapes: a circle, a letter N, a zig-zag and an arrow."""
    p = Picture()
    p.stroke(arc(27, 27, 16, 90, 450, 40), 4, BLUE)
    p.stroke([(58, 44), (58, 12), (84, 44), (84, 12)], 4, RED)
    p.stroke([(10, 84), (24, 62), (38, 84), (52, 62)], 4, DARK)
    p.stroke([(64, 90), (88, 66)], 4, BLUE)
    p.arrow_head((92, 62), (64, 90), 13, BLUE)
    return p


def draw_tray():
    """The end of the task bar: a white gesture icon beside the clock, and a pointer at it."""
    p = Picture()
    p.rounded_box(4, 58, 96, 92, 4, DARK)
    p.rounded_box(12, 64, 34, 86, 3, WHITE)
    p.stroke([(16, 80), (20, 70), (25, 78), (30, 68)], 2.6, BLUE)
    p.stroke([(44, 68), (44, 82)], 2, GREY)
    for offset in (0, 14):  # two dim icons of other programs
        p.rounded_box(50 + offset, 69, 60 + offset, 79, 2, GREY)
    p.stroke([(80, 70), (80, 75), (84, 77)], 1.8, WHITE)
    p.stroke(arc(80, 75, 6, 0, 360, 24), 1.6, WHITE)
    p.stroke([(23, 16), (23, 46)], 4, BLUE)
    p.arrow_head((23, 56), (23, 40), 13, BLUE)
    return p


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    draw_welcome().write(OUT / "tutorial-welcome.bmp")
    draw_shapes().write(OUT / "tutorial-shapes.bmp")
    draw_tray().write(OUT / "tutorial-tray.bmp")


if __name__ == "__main__":
    main()
