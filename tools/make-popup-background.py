#!/usr/bin/env python3
"""Writes the result popup's background picture: a 151 by 64 24-bit BMP, a dark slate gradient
with a faint lighter band at the top, over which the popup's light labels read well.

Usage: make-popup-background.py OUTPUT.bmp
"""
import struct
import sys

WIDTH, HEIGHT = 151, 64
TOP = (74, 88, 102)      # slate, lighter at the top
BOTTOM = (38, 46, 56)    # darker at the bottom
HIGHLIGHT_ROWS = 18      # a soft sheen fading out over the top rows


def pixel(x, y):
    t = y / (HEIGHT - 1)
    r, g, b = (round(a + (c - a) * t) for a, c in zip(TOP, BOTTOM))
    if y < HIGHLIGHT_ROWS:
        lift = round(14 * (1 - y / HIGHLIGHT_ROWS))
        r, g, b = (min(255, v + lift) for v in (r, g, b))
    # A slight darkening toward the right keeps the large number legible.
    shade = round(8 * x / (WIDTH - 1))
    return tuple(max(0, v - shade) for v in (r, g, b))


def bmp_bytes():
    row_size = (WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(HEIGHT - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        pixels += row
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels),
                              2835, 2835, 0, 0)
    return file_header + info_header + bytes(pixels)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as out:
        out.write(bmp_bytes())


if __name__ == "__main__":
    main()
