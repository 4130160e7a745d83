#!/usr/bin/env python3
"""Draws the program's small pictures: the copy button's image and the program icon (PNG files at several sizes and one .ico for Windows).

Run it from the repository root: python3 tools/art/make_icons.py app/resources
The pictures are committed; this script is how they were made and how to change them.

Every picture is a list of layers drawn on a 16 x 16 grid and scaled to its size, so one
drawing serves every size. The colours are those of the
windows: the navy and blue of their texts, the beige-grey of the menus' picture column and
the muted red, green and blue of the rhythm waves on the window tile, with a little gold.
"""
import math
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_pictures import supersample, write_png  # noqa: E402

NAVY = (40, 56, 112)
BLUE = (70, 104, 180)
SKY = (176, 198, 232)
PAPER = (252, 251, 246)
BEIGE = (219, 216, 209)
GREY = (128, 132, 144)
SILVER = (200, 204, 212)
GOLD = (222, 172, 58)
SAND = (238, 206, 120)
RED = (190, 72, 72)
GREEN = (72, 146, 88)
BROWN = (150, 104, 64)


# Shapes: functions of a point on the 16 x 16 grid that say whether it is inside.

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return math.hypot(x - cx, y - cy) <= r
    return inside


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) <= r


def polygon(*points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def outlined(shape_outer, shape_inner, edge, fill):
    """Two layers: the outer shape in the edge colour, the inner one in the fill."""
    return [(shape_outer, edge), (shape_inner, fill)]


# The pictures.

def sheet(x0, y0, x1, y1, fold=3.0):
    outer = polygon((x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1))
    inner = polygon((x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4), (x1 - 1, y1 - 1),
                    (x0 + 1, y1 - 1))
    corner = polygon((x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold))
    return outlined(outer, inner, NAVY, PAPER) + [(corner, SKY)]


def text_lines(x0, x1, ys, colour=GREY):
    return [(rect(x0, y, x1, y + 1), colour) for y in ys]


def copy_sheets():
    return sheet(1.5, 1, 10, 12, 2.5) + text_lines(3.2, 7.8, [4.5, 6.5, 8.5]) + \
        sheet(6, 4, 14.5, 15, 2.5) + text_lines(7.7, 12.6, [7.5, 9.5, 11.5], BLUE)


def program_icon():
    """A golden crescent over the three rhythm waves of the window tile."""
    def wave(colour, phase, centre, amplitude):
        return (lambda x, y: 1.2 <= x <= 14.8 and
                abs(y - (centre + amplitude * math.sin(2 * math.pi * x / 9 + phase))) <= 0.55, colour)
    return [(rounded(0.5, 0.5, 15.5, 15.5, 3.2), NAVY), (rounded(1.2, 1.2, 14.8, 14.8, 2.6), (236, 238, 246)),
            (circle(8, 6.2, 3.9), GOLD), (circle(9.6, 5.1, 3.0), (236, 238, 246)),
            wave((200, 90, 90), 0.0, 11.6, 1.3), wave((80, 150, 95), 1.6, 11.6, 1.3), wave((90, 110, 200), 3.2, 11.6, 1.3)]


def render(layers, size):
    scale = 16 / size

    def shade(x, y):
        gx, gy = x * scale, y * scale
        colour = None
        for shape, c in layers:
            if shape(gx, gy):
                colour = c
        return (0, 0, 0, 0.0) if colour is None else colour + (1.0,)

    return supersample(size, size, shade, 5)


OTHERS = {"copy": (copy_sheets, 16)}
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]


def write_ico(path, images):
    """images: (size, rows) pairs. Small sizes as 32-bit bitmaps, which every Windows reads;
    256 as PNG, as Windows Vista and later expect it."""
    entries, blobs = [], []
    for size, rows in images:
        if size >= 256:
            tmp = path + ".part.png"
            write_png(tmp, size, size, rows)
            with open(tmp, "rb") as f:
                blob = f.read()
            os.remove(tmp)
        else:
            header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
            pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
            mask_row = ((size + 31) // 32) * 4
            mask = b"".join(
                bytes(sum(0x80 >> (x % 8) for x in range(bx * 8, min(bx * 8 + 8, size)) if row[x][3] == 0)
                      for bx in range(mask_row)) for row in reversed(rows))
            blob = header + pixels + mask
        entries.append((size, blob))
        blobs.append(blob)
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, blob in entries:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "app/resources"
    os.makedirs(f"{out}/icon", exist_ok=True)
    for name, (make, size) in OTHERS.items():
        write_png(f"{out}/{name}.png", size, size, render(make(), size))
    icons = [(size, render(program_icon(), size)) for size in ICON_SIZES]
    for size, rows in icons:
        write_png(f"{out}/icon/ortavi-{size}.png", size, size, rows)
    write_ico(f"{out}/icon/ortavi.ico", [(s, r) for s, r in icons if s in (16, 24, 32, 48, 256)])


if __name__ == "__main__":
    main()
