#!/usr/bin/env python3
"""Draws the program's icon, an LCD clock face showing 12:34, and writes it
under packaging/icons/: talvorin.ico (16 to 256 px), the hicolor theme PNGs
and the scalable SVG. Standard library only; run it again after changing the
drawing and commit the result.

Up to 64 px the digits are drawn on the pixel grid, one size at a time, so
every segment lands on whole pixels and 16 px still reads as a time; 256 px
is the vector drawing the SVG holds, anti-aliased."""
import pathlib
import struct
import sys
import zlib

FACE = (38, 50, 64)        # dark blue-grey
RIM = (74, 92, 112)
LIT = (206, 240, 255)      # light LCD digits
GHOST = (50, 66, 82)       # unlit segments, as on a real LCD (large sizes only)

ICO_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
HICOLOR_SIZES = (16, 24, 32, 48, 64, 256)
DIGITS = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}
TIME = "12:34"

# Pixel-grid layouts: the face rectangle (x0, y0, x1, y1, corner cut), then
# the digits' stroke, width and height, the gap between digits and the gap on
# each side of the colon. A "1" is one stroke wide, as on a real LCD, which is
# what lets four digits and a colon fit across 16 px.
GRID = {
    16: dict(face=(0, 3, 16, 14, 1), rim=0, stroke=1, width=3, height=7, gap=1, colon_gap=1),
    20: dict(face=(0, 3, 20, 16, 1), rim=0, stroke=1, width=4, height=9, gap=1, colon_gap=1),
    24: dict(face=(0, 4, 24, 19, 2), rim=0, stroke=1, width=5, height=11, gap=1, colon_gap=1),
    32: dict(face=(0, 5, 32, 27, 2), rim=1, stroke=2, width=6, height=14, gap=1, colon_gap=2),
    40: dict(face=(0, 7, 40, 33, 3), rim=1, stroke=2, width=7, height=16, gap=2, colon_gap=2),
    48: dict(face=(0, 9, 48, 39, 4), rim=1, stroke=3, width=9, height=21, gap=2, colon_gap=3),
    64: dict(face=(0, 12, 64, 52, 5), rim=2, stroke=4, width=12, height=28, gap=3, colon_gap=4),
}

# The vector face on a 256 x 256 canvas.
V_FACE = (6, 54, 250, 202, 26)   # x0, y0, x1, y1, corner radius
V_RIM = 6
V_STROKE = 12
V_WIDTH = 44
V_HEIGHT = 102
V_GAP = 10
V_COLON_GAP = 12
V_BEVEL_GAP = 1.5                # between neighbouring segments


def segment_rects(stroke, width, height):
    """The seven segments of a pixel-grid digit as (x0, y0, x1, y1), ends excluded."""
    mid = (height - stroke) // 2
    return {
        "a": (0, 0, width, stroke),
        "b": (width - stroke, 0, width, mid + stroke),
        "c": (width - stroke, mid, width, height),
        "d": (0, height - stroke, width, height),
        "e": (0, mid, stroke, height),
        "f": (0, 0, stroke, mid + stroke),
        "g": (0, mid, width, mid + stroke),
    }


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def rounded_rect(x0, y0, x1, y1, r, steps=8):
    """A polygon approximating a rounded rectangle; steps per quarter circle."""
    import math
    corners = ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180))
    points = []
    for cx, cy, start in corners:
        for i in range(steps + 1):
            a = math.radians(start + 90 * i / steps)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def cut_rect(x0, y0, x1, y1, cut):
    """A rectangle with its corners cut diagonally: rounded corners on the pixel grid."""
    return [(x0 + cut, y0), (x1 - cut, y0), (x1, y0 + cut), (x1, y1 - cut),
            (x1 - cut, y1), (x0 + cut, y1), (x0, y1 - cut), (x0, y0 + cut)]


def cell_width(char, stroke, width):
    return {"1": stroke, ":": stroke}.get(char, width)


def layout(stroke, width, gap, colon_gap):
    """Left edges of the characters of TIME and the total width."""
    x, lefts = 0, []
    for i, char in enumerate(TIME):
        if i:
            x += colon_gap if ":" in (char, TIME[i - 1]) else gap
        lefts.append(x)
        x += cell_width(char, stroke, width)
    return lefts, x


def grid_layers(size):
    """The shapes of a pixel-grid size, as (colour, polygons) from back to front."""
    g = GRID[size]
    x0, y0, x1, y1, cut = g["face"]
    stroke, width, height = g["stroke"], g["width"], g["height"]
    lefts, total = layout(stroke, width, g["gap"], g["colon_gap"])
    left = x0 + (x1 - x0 - total + 1) // 2
    top = y0 + (y1 - y0 - height) // 2
    lit = []
    for char, cx in zip(TIME, lefts):
        cx += left
        if char == ":":
            for row in (height // 3, height - 1 - height // 3 - (stroke - 1)):
                lit.append(rect(cx, top + row, cx + stroke, top + row + stroke))
            continue
        rects = segment_rects(stroke, cell_width(char, stroke, width), height)
        for name in DIGITS[char]:
            a, b, c, d = rects[name]
            lit.append(rect(cx + a, top + b, cx + c, top + d))
    rim = g["rim"]
    face = [(FACE, [cut_rect(x0 + rim, y0 + rim, x1 - rim, y1 - rim, max(cut - rim, 1))])]
    if rim:  # a lighter edge keeps the face apart from dark panels
        face.insert(0, (RIM, [cut_rect(x0, y0, x1, y1, cut)]))
    return face + [(LIT, lit)]


def hexagon_h(x0, x1, y, t):
    h = t / 2
    return [(x0, y), (x0 + h, y - h), (x1 - h, y - h), (x1, y), (x1 - h, y + h), (x0 + h, y + h)]


def hexagon_v(x, y0, y1, t):
    h = t / 2
    return [(x, y0), (x + h, y0 + h), (x + h, y1 - h), (x, y1), (x - h, y1 - h), (x - h, y0 + h)]


def vector_segments(cx, top, cw):
    """Bevelled segments of one digit cell on the 256 canvas, keyed by name."""
    t, h, g = V_STROKE, V_HEIGHT, V_BEVEL_GAP
    left, right = cx + t / 2, cx + cw - t / 2
    y_top, y_mid, y_bottom = top + t / 2, top + h / 2, top + h - t / 2
    return {
        "a": hexagon_h(left + g, right - g, y_top, t),
        "g": hexagon_h(left + g, right - g, y_mid, t),
        "d": hexagon_h(left + g, right - g, y_bottom, t),
        "f": hexagon_v(left, y_top + g, y_mid - g, t),
        "e": hexagon_v(left, y_mid + g, y_bottom - g, t),
        "b": hexagon_v(right, y_top + g, y_mid - g, t),
        "c": hexagon_v(right, y_mid + g, y_bottom - g, t),
    }


def vector_layers():
    """The scalable drawing on a 256 canvas, as (colour, polygons) from back to front."""
    x0, y0, x1, y1, r = V_FACE
    lefts, total = layout(V_STROKE, V_WIDTH, V_GAP, V_COLON_GAP)
    left = (x0 + x1 - total) / 2
    top = (y0 + y1 - V_HEIGHT) / 2
    ghost, lit = [], []
    for char, cx in zip(TIME, lefts):
        cx += left
        if char == ":":
            t = V_STROKE
            for cy in (top + V_HEIGHT * 0.3, top + V_HEIGHT * 0.7):
                lit.append(rect(cx, cy - t / 2, cx + t, cy + t / 2))
            continue
        if char == "1":  # a leading 1 has only its two segments, as on a real clock
            segs = vector_segments(cx + V_STROKE - V_WIDTH, top, V_WIDTH)
            lit += [segs[n] for n in DIGITS[char]]
            continue
        segs = vector_segments(cx, top, V_WIDTH)
        for name, poly in segs.items():
            (lit if name in DIGITS[char] else ghost).append(poly)
    return [
        (RIM, [rounded_rect(x0, y0, x1, y1, r)]),
        (FACE, [rounded_rect(x0 + V_RIM, y0 + V_RIM, x1 - V_RIM, y1 - V_RIM, r - V_RIM)]),
        (GHOST, ghost),
        (LIT, lit),
    ]


def coverage(polygons, size, scale, samples):
    """Fraction of each pixel covered by the polygons (even-odd per polygon,
    union across them), by supersampling samples x samples per pixel."""
    n = size * samples
    hits = [bytearray(n) for _ in range(n)]
    for poly in polygons:
        pts = [(x * scale * samples, y * scale * samples) for x, y in poly]
        edges = list(zip(pts, pts[1:] + pts[:1]))
        ys = [p[1] for p in pts]
        for row in range(max(0, int(min(ys))), min(n, int(max(ys)) + 1)):
            y = row + 0.5
            xs = sorted(ax + (y - ay) * (bx - ax) / (by - ay)
                        for (ax, ay), (bx, by) in edges if (ay <= y) != (by <= y))
            line = hits[row]
            for a, b in zip(xs[::2], xs[1::2]):
                start, end = max(0, round(a)), min(n, round(b))
                if end > start:
                    line[start:end] = b"\x01" * (end - start)
    per_pixel = samples * samples
    result = []
    for py in range(size):
        rows = hits[py * samples:(py + 1) * samples]
        result.append([sum(sum(r[px * samples:(px + 1) * samples]) for r in rows) / per_pixel
                       for px in range(size)])
    return result


def render(size):
    """RGBA rows of the icon at one size."""
    if size in GRID:
        layers, scale, samples = grid_layers(size), 1, 1
    else:
        layers, scale, samples = vector_layers(), size / 256, 4 if size > 64 else 8
    pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]
    for colour, polygons in layers:
        cov = coverage(polygons, size, scale, samples)
        for y in range(size):
            row = pixels[y]
            for x in range(size):
                a = cov[y][x]
                if a:
                    r, g, b, alpha = row[x]
                    out = a + alpha * (1 - a)
                    mix = lambda c, d: (c * a + d * alpha * (1 - a)) / out
                    row[x] = (mix(colour[0], r), mix(colour[1], g), mix(colour[2], b), out)
    return [[(round(r), round(g), round(b), round(a * 255)) for r, g, b, a in row] for row in pixels]


def png(rows):
    size = len(rows)
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(rows):
    """A 32-bit BGRA icon bitmap with its AND mask, as ICO entries hold them
    below 256 px (older readers do not take PNG there)."""
    size = len(rows)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = 0
        for x, px in enumerate(row):
            if px[3] == 0:
                bits |= 1 << (stride * 8 - 1 - x)
        mask += bits.to_bytes(stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + bytes(mask)


def ico(images):
    """images: size -> RGBA rows. 256 px is stored as PNG, the rest as bitmaps."""
    sizes = sorted(images)
    blobs = [png(images[s]) if s >= 256 else dib(images[s]) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, blob in zip(sizes, blobs):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def svg():
    def hexcolour(c):
        return "#%02x%02x%02x" % c

    def fmt(v):
        return ("%.2f" % v).rstrip("0").rstrip(".")

    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
             "  <title>Talvorin</title>"]
    for colour, polygons in vector_layers():
        lines.append(f'  <g fill="{hexcolour(colour)}" stroke="none">')
        for poly in polygons:
            pts = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in poly)
            lines.append(f'    <polygon points="{pts}"/>')
        lines.append("  </g>")
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def main():
    """With --out DIR, writes the icons there instead (the tests compare the
    committed files with a fresh run) and no previews."""
    root = pathlib.Path(__file__).resolve().parent.parent
    args = sys.argv[1:]
    out = pathlib.Path(args[1]) if args[:1] == ["--out"] and len(args) == 2 else root / "packaging/icons"
    if args and out == root / "packaging/icons":
        sys.exit("usage: make-icon.py [--out DIR]")
    images = {s: render(s) for s in ICO_SIZES}
    out.mkdir(parents=True, exist_ok=True)
    (out / "talvorin.ico").write_bytes(ico(images))
    for s in HICOLOR_SIZES:
        path = out / f"hicolor/{s}x{s}/apps/talvorin.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(png(images[s]))
    scalable = out / "hicolor/scalable/apps/talvorin.svg"
    scalable.parent.mkdir(parents=True, exist_ok=True)
    scalable.write_text(svg(), encoding="utf-8")
    if args:
        return
    # Every size at 1:1, the ones only the .ico holds too, for checking by eye.
    preview = root / "build/icon-preview"
    preview.mkdir(parents=True, exist_ok=True)
    for s in ICO_SIZES:
        (preview / f"talvorin-{s}.png").write_bytes(png(images[s]))
    print(f"wrote {out}, previews in {preview}", file=sys.stderr)


if __name__ == "__main__":
    main()
