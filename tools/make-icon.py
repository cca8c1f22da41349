#!/usr/bin/env python3
"""Draws the program's icon, a small LCD clock face showing 10:08, as a
64 x 64 pixel, 24-bit icon (with a 1-bit transparency mask) and writes it to
src/platform/win32/talvorin.ico. Standard library only; run it again after
changing the drawing and commit the result."""
import pathlib
import struct

SIZE = 64
TRANSPARENT = None
CASE_RIM = (90, 90, 90)
CASE = (43, 43, 43)
BUTTON = (120, 120, 120)
PANEL_EDGE = (60, 72, 52)
PANEL = (168, 192, 144)
GHOST = (152, 176, 130)   # unlit segments, as on a real LCD
INK = (28, 42, 28)

# Segments of a 9 x 20 digit: (x0, y0, x1, y1) inclusive, relative to its corner.
SEGMENTS = {
    "a": (2, 0, 6, 1), "b": (7, 2, 8, 8), "c": (7, 11, 8, 17),
    "d": (2, 18, 6, 19), "e": (0, 11, 1, 17), "f": (0, 2, 1, 8), "g": (2, 9, 6, 10),
}
DIGITS = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def inside_rounded(x, y, x0, y0, x1, y1, r):
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r


def draw():
    img = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                img[y][x] = colour

    for y in range(SIZE):
        for x in range(SIZE):
            if inside_rounded(x, y, 0, 4, 63, 59, 9):
                img[y][x] = CASE_RIM
            if inside_rounded(x, y, 2, 6, 61, 57, 7):
                img[y][x] = CASE
    fill(10, 1, 19, 4, BUTTON)
    fill(44, 1, 53, 4, BUTTON)
    fill(5, 15, 58, 48, PANEL_EDGE)
    fill(6, 16, 57, 47, PANEL)

    def digit(x0, y0, value):
        for name, (a, b, c, d) in SEGMENTS.items():
            colour = INK if name in DIGITS[value] else GHOST
            fill(x0 + a, y0 + b, x0 + c, y0 + d, colour)

    top = 22
    digit(9, top, "1")
    digit(20, top, "0")
    fill(31, top + 5, 32, top + 6, INK)
    fill(31, top + 13, 32, top + 14, INK)
    digit(35, top, "0")
    digit(46, top, "8")
    return img


def ico(img):
    xor = bytearray()
    mask = bytearray()
    for row in reversed(img):  # bitmaps are stored bottom-up
        for pixel in row:
            r, g, b = pixel if pixel else (0, 0, 0)
            xor += bytes((b, g, r))
        bits = 0
        for x, pixel in enumerate(row):
            if pixel is TRANSPARENT:
                bits |= 1 << (SIZE - 1 - x)
        mask += bits.to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    out = pathlib.Path(__file__).resolve().parent.parent / "src/platform/win32/talvorin.ico"
    out.write_bytes(ico(draw()))
    print(f"wrote {out}")
