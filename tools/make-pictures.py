#!/usr/bin/env python3
"""Draws the main window's pictures and writes them into ui/pictures/: the toolbar glyphs
(white line art on magenta, the colour left out when drawn), the glyph of "Configure
programs...", the banner behind the toolbar and the all-programs icon of the program list.
Run it after changing a drawing; the files are kept in the tree (numbers in ui/kit/Pictures.h)."""
import math
import struct
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "ui" / "pictures"
KEY = (255, 0, 255)            # left out when a glyph is drawn
EDGE_BLEND = (64, 83, 97)      # what a glyph's soft edges blend toward: the toolbar's colour
TOOLBAR = (60, 78, 91)
SAMPLES = 4


def seg_dist(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def arc(cx, cy, r, start, end, steps=24):
    """Points along a circle, angles in degrees, 0 to the right, counter-clockwise (y up)."""
    return [(cx + r * math.cos(math.radians(start + (end - start) * i / steps)),
             cy - r * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]


def coverage(size, strokes, width, fills=()):
    """Fraction of each pixel covered by the polylines (pen width) and the filled polygons."""
    w, h = size
    cover = [[0.0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    px = x + (sx + 0.5) / SAMPLES
                    py = y + (sy + 0.5) / SAMPLES
                    if inside_any(px, py, strokes, width, fills):
                        hits += 1
            cover[y][x] = hits / (SAMPLES * SAMPLES)
    return cover


def inside_any(px, py, strokes, width, fills):
    for line in strokes:
        for a, b in zip(line, line[1:]):
            if seg_dist(px, py, a, b) <= width / 2:
                return True
    for polygon in fills:
        if point_in_polygon(px, py, polygon):
            return True
    return False


def point_in_polygon(px, py, polygon):
    inside = False
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def blend(a, b, t):
    return tuple(round(a[i] * (1 - t) + b[i] * t) for i in range(3))


def write_bmp(path, size, pixels):
    """24-bit, bottom-up; pixels[y][x] = (r, g, b)."""
    w, h = size
    row_bytes = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = pixels[y][x]
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    path.write_bytes(header + info + data)


def glyph(name, size, strokes, width=1.6, fills=(), colour=(255, 255, 255), key=KEY, edge=EDGE_BLEND):
    cover = coverage((size, size), strokes, width, fills)
    pixels = [[key] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            c = cover[y][x]
            if c >= 0.95:
                pixels[y][x] = colour
            elif c > 0.2:
                pixels[y][x] = blend(edge, colour, c)
    # The top-left pixel names the colour left out: keep it the key.
    pixels[0][0] = key
    write_bmp(OUT / f"{name}.bmp", (size, size), pixels)


def draw_glyphs():
    # Active: a power sign.
    glyph("glyph-active", 16, [arc(8, 9, 5.2, 120, 420), [(8, 2), (8, 8.5)]])
    # New set: a page with a folded corner.
    glyph("glyph-new", 16, [[(3.5, 1.5), (9.5, 1.5), (12.5, 4.5), (12.5, 14.5), (3.5, 14.5), (3.5, 1.5)],
                            [(9.5, 1.5), (9.5, 4.5), (12.5, 4.5)]])
    # Load set: an open folder.
    glyph("glyph-load", 16, [[(1.5, 13.5), (1.5, 3.5), (6, 3.5), (7.5, 5), (12.5, 5), (12.5, 7)],
                             [(1.5, 13.5), (4, 7.5), (14.5, 7.5), (12, 13.5), (1.5, 13.5)]])
    # Save set: a disk.
    glyph("glyph-save", 16, [[(2.5, 2.5), (11.5, 2.5), (13.5, 4.5), (13.5, 13.5), (2.5, 13.5), (2.5, 2.5)],
                             [(5, 2.5), (5, 6), (10.5, 6), (10.5, 2.5)],
                             [(5, 13.5), (5, 9.5), (11, 9.5), (11, 13.5)]])
    # Options: three sliders.
    glyph("glyph-options", 16, [[(2, 4), (14, 4)], [(2, 8), (14, 8)], [(2, 12), (14, 12)]], width=1.2,
          fills=[[(4, 2), (7, 2), (7, 6), (4, 6)], [(9, 6), (12, 6), (12, 10), (9, 10)],
                 [(5, 10), (8, 10), (8, 14), (5, 14)]])
    # Help: a question mark in a circle.
    glyph("glyph-help", 16, [arc(8, 8, 6.3, 0, 360, 36), arc(8, 6.5, 2.2, 160, -60, 12) + [(8, 9.7)],
                             [(8, 11.4), (8, 12.2)]], width=1.5)
    # Exit: a door with an arrow leaving it.
    glyph("glyph-exit", 16, [[(9.5, 4), (9.5, 1.5), (2.5, 1.5), (2.5, 14.5), (9.5, 14.5), (9.5, 12)],
                             [(6, 8), (14.5, 8)], [(12, 5.5), (14.5, 8), (12, 10.5)]])
    # Configure programs: three program windows, drawn in the button's text colour on white.
    teal = (45, 98, 113)
    glyph("glyph-knownapps", 24,
          [[(2.5, 4.5), (13.5, 4.5), (13.5, 12.5), (2.5, 12.5), (2.5, 4.5)], [(2.5, 6.5), (13.5, 6.5)],
           [(10.5, 11.5), (21.5, 11.5), (21.5, 19.5), (10.5, 19.5), (10.5, 11.5)], [(10.5, 13.5), (21.5, 13.5)],
           [(4.5, 15), (4.5, 20.5), (8, 20.5)]],
          width=1.4, colour=teal, key=(255, 255, 255), edge=(255, 255, 255))


def draw_banner():
    """Soft gesture strokes in a few shades lighter than the toolbar, fading to the sides."""
    w, h = 600, 66
    strokes = []
    for k in range(7):
        phase = k * 0.9
        amplitude = 12 + 3 * (k % 3)
        base = 10 + k * 8
        strokes.append([(x, base + amplitude * math.sin(x / 70.0 + phase)) for x in range(-10, w + 11, 6)])
    pixels = []
    for y in range(h):
        row = []
        for x in range(w):
            best = min(min(seg_dist(x + 0.5, y + 0.5, a, b) for a, b in zip(line, line[1:]) if abs(a[0] - x) < 12)
                       for line in strokes)
            intensity = max(0.0, 1.0 - best / 1.6)
            fade = math.sin(math.pi * x / (w - 1)) ** 1.5
            row.append(blend(TOOLBAR, (94, 121, 142), 0.55 * intensity * fade))
        pixels.append(row)
    pixels[0][0] = TOOLBAR  # the colour left out is the toolbar's own
    write_bmp(OUT / "banner.bmp", (w, h), pixels)


def write_icon(path, images):
    """images: list of (size, rgba rows). 32-bit icon images with an all-clear AND mask."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    blobs = b""
    offset = 6 + 16 * len(images)
    for size, rows in images:
        xor = bytearray()
        for y in range(size - 1, -1, -1):
            for r, g, b, a in rows[y]:
                xor += bytes((b, g, r, a))
        mask_row = ((size + 31) // 32) * 4
        mask = b"\0" * (mask_row * size)
        bih = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blob = bih + bytes(xor) + mask
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs += blob
    path.write_bytes(header + entries + blobs)


def draw_all_programs_icon():
    """A stack of three program windows: every program."""
    images = []
    for size in (16, 32):
        s = size / 16.0
        frames = [[(1.5 * s, 1.5 * s), (10.5 * s, 1.5 * s), (10.5 * s, 8.5 * s), (1.5 * s, 8.5 * s)],
                  [(3.5 * s, 4 * s), (12.5 * s, 4 * s), (12.5 * s, 11 * s), (3.5 * s, 11 * s)],
                  [(5.5 * s, 6.5 * s), (14.5 * s, 6.5 * s), (14.5 * s, 14.5 * s), (5.5 * s, 14.5 * s)]]
        colours = [(120, 150, 190), (80, 120, 175), (46, 90, 160)]
        rows = [[(0, 0, 0, 0)] * size for _ in range(size)]
        for frame, colour in zip(frames, colours):
            fill = coverage((size, size), [], 1, [frame])
            outline = coverage((size, size), [frame + [frame[0]]], 1.0 * s, [])
            bar = [(frame[0][0], frame[0][1]), (frame[1][0], frame[1][1]),
                   (frame[1][0], frame[1][1] + 2 * s), (frame[0][0], frame[0][1] + 2 * s)]
            title = coverage((size, size), [], 1, [bar])
            for y in range(size):
                for x in range(size):
                    if fill[y][x] > 0 or outline[y][x] > 0:
                        base = (255, 255, 255) if title[y][x] < 0.5 else colour
                        pixel = blend(base, colour, outline[y][x])
                        alpha = round(255 * max(fill[y][x], outline[y][x]))
                        rows[y][x] = pixel + (alpha,)
        images.append((size, rows))
    write_icon(OUT / "all-programs.ico", images)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    draw_glyphs()
    draw_banner()
    draw_all_programs_icon()


if __name__ == "__main__":
    main()
