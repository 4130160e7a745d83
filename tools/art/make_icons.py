#!/usr/bin/env python3
"""Draws the program's small pictures: the menu pictures, the two CD pictures, the copy
button's image and the program icon (PNG files at several sizes and one .ico for Windows).

Run it from the repository root: python3 tools/art/make_icons.py app/resources
The pictures are committed; this script is how they were made and how to change them.

Every picture is a list of layers drawn on a 16 x 16 grid and scaled to its size, so one
drawing serves the 15-, 16- and 18-pixel menu pictures alike. The colours are those of the
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


def ring(cx, cy, r, width, gap_from=None, gap_to=None):
    """A ring; the optional gap is an angle range in degrees, 0 at the top, clockwise."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2:
            return False
        if gap_from is None:
            return True
        angle = math.degrees(math.atan2(x - cx, cy - y)) % 360
        return not (gap_from <= angle <= gap_to)
    return inside


def line(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= width / 2
    return inside


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


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


# The pictures.

def sheet(x0, y0, x1, y1, fold=3.0):
    outer = polygon((x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1))
    inner = polygon((x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4), (x1 - 1, y1 - 1),
                    (x0 + 1, y1 - 1))
    corner = polygon((x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold))
    return outlined(outer, inner, NAVY, PAPER) + [(corner, SKY)]


def text_lines(x0, x1, ys, colour=GREY):
    return [(rect(x0, y, x1, y + 1), colour) for y in ys]


def star(cx, cy, r):
    points = []
    for k in range(10):
        a = math.pi * k / 5 - math.pi / 2
        rr = r if k % 2 == 0 else r * 0.45
        points.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return polygon(*points)


def new_profile():
    return sheet(2.5, 1, 13, 15) + text_lines(4.5, 10.5, [7, 9.5, 12]) + [(star(12, 4, 3.6), GOLD)]


def load_profile():
    back = polygon((1, 3), (6, 3), (7.5, 4.8), (14, 4.8), (14, 13.5), (1, 13.5))
    front = polygon((1, 13.5), (3.5, 7), (15.5, 7), (13.5, 13.5))
    return [(back, BROWN), (minus(back, rect(1.0, 5.8, 14.0, 13.5)), BROWN), (rect(2, 5.8, 13, 13), SAND),
            (front, GOLD), (line(3.5, 7, 15.5, 7, 0.8), BROWN)]


def save_profile():
    body = rounded(1.5, 1.5, 14.5, 14.5, 1.2)
    return [(body, NAVY), (rect(4, 1.5, 12, 6.5), SILVER), (rect(9.5, 2.5, 11, 5.5), NAVY),
            (rect(3.5, 8.5, 12.5, 14.5), PAPER)] + text_lines(5, 11, [10, 12], SKY)


def gear():
    teeth = []
    for k in range(8):
        a = k * math.pi / 4
        teeth.append(line(8 + 4.2 * math.sin(a), 8 - 4.2 * math.cos(a),
                          8 + 6.6 * math.sin(a), 8 - 6.6 * math.cos(a), 2.6))
    layers = [(t, BLUE) for t in teeth]
    layers += [(circle(8, 8, 5.2), BLUE), (circle(8, 8, 4.2), SKY), (circle(8, 8, 2.2), PAPER),
               (ring(8, 8, 2.2, 0.9), NAVY)]
    return layers


def exit_door():
    return [(rect(2, 1.5, 10, 14.5), NAVY), (rect(3, 2.5, 9, 14.5), SAND), (circle(7.6, 8.5, 0.8), NAVY),
            (line(8.5, 8, 13.2, 8, 1.6), RED), (polygon((12, 4.8), (15.5, 8), (12, 11.2)), RED)]


def help_mark():
    return [(circle(8, 8, 7), BLUE), (circle(8, 8, 6), SKY),
            (ring(8, 6, 2.4, 1.7, 200, 290), NAVY), (line(8, 8.4, 8, 10, 1.7), NAVY),
            (circle(8, 12.4, 1.1), NAVY)]


def heart():
    shape = lambda x, y: (circle(5.3, 6, 3.4)(x, y) or circle(10.7, 6, 3.4)(x, y)
                          or polygon((2.1, 7.3), (13.9, 7.3), (8, 14.2))(x, y))
    shine = circle(4.6, 5.2, 1.1)
    return [(shape, RED), (shine, (236, 170, 170))]


def about_mark():
    return [(circle(8, 8, 7), NAVY), (circle(8, 8, 6), BLUE), (circle(8, 4.6, 1.2), PAPER),
            (rect(7, 7, 9, 12.5), PAPER), (rect(6, 11.5, 10, 12.5), PAPER)]


def licence():
    seal = circle(11, 11.5, 2.8)
    return sheet(2, 1, 12.5, 15) + text_lines(4, 10.5, [4.5, 6.5, 8.5]) + [
        (polygon((9.6, 12.5), (8.8, 15.8), (10.4, 14.9), (11, 15.8), (11.4, 12.5)), RED),
        (polygon((11, 12.5), (11.4, 15.8), (12, 14.9), (13.2, 15.8), (12.4, 12.5)), RED),
        (seal, RED), (ring(11, 11.5, 1.7, 0.6), (236, 170, 170))]


def globe():
    return [(circle(8, 8, 7), NAVY), (circle(8, 8, 6.1), SKY),
            (lambda x, y: abs(math.hypot((x - 8) / 2.6, (y - 8) / 6.1) - 1) < 0.14, BLUE),
            (line(8, 2, 8, 14, 0.8), BLUE), (line(2, 8, 14, 8, 0.8), BLUE),
            (line(3, 5, 13, 5, 0.7), BLUE), (line(3, 11, 13, 11, 0.7), BLUE),
            (polygon((4, 4), (7, 3.5), (6.5, 6.5), (4.5, 7)), GREEN),
            (polygon((9, 9), (12.5, 8.5), (11.5, 12), (9.5, 11.5)), GREEN)]


def envelope():
    return [(rect(1, 3.5, 15, 13), NAVY), (rect(2, 4.5, 14, 12), PAPER),
            (line(2, 4.8, 8, 9.2, 1.1), NAVY), (line(14, 4.8, 8, 9.2, 1.1), NAVY),
            (line(2, 11.6, 6, 8.2, 0.8), GREY), (line(14, 11.6, 10, 8.2, 0.8), GREY)]


def power(colour):
    return [(ring(8, 8.6, 5.4, 2.1, 320, 40), colour), (line(8, 1.4, 8, 8, 2.1), colour)]


def restart():
    return [(ring(8, 8.5, 5.2, 2.0, 0, 50), GREEN), (polygon((8.3, 0.6), (13.2, 3.3), (8.3, 6.2)), GREEN)]


def log_off():
    return [(circle(6, 4.6, 3), BLUE), (lambda x, y: y <= 14.5 and math.hypot((x - 6) / 5.4, (y - 14.5) / 6.2) <= 1, BLUE),
            (line(9.5, 11, 14, 11, 1.6), RED), (polygon((12.6, 8), (15.8, 11), (12.6, 14)), RED)]


def hourglass():
    return [(rect(3, 1, 13, 2.6), BROWN), (rect(3, 13.4, 13, 15), BROWN),
            (polygon((4, 2.6), (12, 2.6), (8.8, 8), (12, 13.4), (4, 13.4), (7.2, 8)), NAVY),
            (polygon((5.1, 3.3), (10.9, 3.3), (8.2, 7.7), (7.8, 7.7)), PAPER),
            (polygon((6.2, 5.2), (9.8, 5.2), (8.2, 7.7), (7.8, 7.7)), SAND),
            (polygon((7.8, 8.3), (8.2, 8.3), (10.9, 12.7), (5.1, 12.7)), PAPER),
            (polygon((8, 10), (10.9, 12.7), (5.1, 12.7)), GOLD), (line(8, 8, 8, 11, 0.6), GOLD)]


def clock_face():
    return [(circle(8, 8, 7.2), NAVY), (circle(8, 8, 6.1), PAPER)] + [
        (line(8 + 4.8 * math.sin(a), 8 - 4.8 * math.cos(a), 8 + 5.7 * math.sin(a), 8 - 5.7 * math.cos(a), 0.9), GREY)
        for a in (0, math.pi / 2, math.pi, 3 * math.pi / 2)] + [
        (line(8, 8, 8, 3.6, 1.2), NAVY), (line(8, 8, 11.2, 9.8, 1.4), NAVY), (line(8, 8.6, 8, 12.5, 0.6), RED),
        (circle(8, 8, 1), NAVY)]


def monitor():
    return [(rounded(1, 1.5, 15, 11.5, 1), NAVY), (rect(2.2, 2.7, 13.8, 10.3), SKY),
            (rect(4, 6.5, 5.6, 9.6), GREEN), (rect(7.2, 4.5, 8.8, 9.6), GOLD), (rect(10.4, 3.5, 12, 9.6), RED),
            (rect(6.5, 11.5, 9.5, 13.5), GREY), (rounded(3.5, 13.3, 12.5, 15, 0.7), NAVY)]


def speech():
    bubble = lambda x, y: math.hypot((x - 8) / 7, (y - 6.8) / 5.4) <= 1
    inner = lambda x, y: math.hypot((x - 8) / 6, (y - 6.8) / 4.4) <= 1
    tail = polygon((3.6, 9.6), (2, 15), (7.4, 11.4))
    return [(bubble, NAVY), (tail, NAVY), (inner, PAPER), (polygon((4.6, 10.2), (3.6, 13), (6.6, 11)), PAPER),
            (circle(5, 6.8, 1), BLUE), (circle(8, 6.8, 1), BLUE), (circle(11, 6.8, 1), BLUE)]


def disc():
    return [(circle(7, 7, 6.5), GREY), (circle(7, 7, 5.8), SILVER),
            (ring(7, 7, 4.2, 0.7, 10, 80), PAPER), (circle(7, 7, 2.2), GREY), (circle(7, 7, 1.4), PAPER)]


def cd_eject():
    return disc() + [(polygon((7.5, 13.3), (11.5, 8.2), (15.5, 13.3)), NAVY),
                     (polygon((8.8, 12.6), (11.5, 9.3), (14.2, 12.6)), GREEN),
                     (rect(7.5, 14, 15.5, 16), NAVY), (rect(8.3, 14.5, 14.7, 15.5), GREEN)]


def cd_close():
    return disc() + [(rect(7.5, 7.2, 15.5, 9.2), NAVY), (rect(8.3, 7.7, 14.7, 8.7), RED),
                     (polygon((7.5, 10), (15.5, 10), (11.5, 15.1)), NAVY),
                     (polygon((8.8, 10.7), (14.2, 10.7), (11.5, 14)), RED)]


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


# The menu items by the names the menus give them, with their picture and size; the
# context menu's items use the same pictures as the main menu's at 16 pixels.
MENU = {
    "N29": (new_profile, 16), "N1": (load_profile, 16), "N7": (save_profile, 16), "N35": (gear, 18),
    "N6": (exit_door, 16), "N25": (speech, 16), "CHTML1": (help_mark, 16), "N5": (heart, 16),
    "N3": (about_mark, 16), "ReadMe1": (licence, 16), "N4": (globe, 16), "N36": (envelope, 16),
    "N9": (lambda: power(RED), 16), "N10": (restart, 16), "N33": (log_off, 16), "N26": (hourglass, 15),
    "N27": (clock_face, 15), "N19": (monitor, 16),
    "N12": (save_profile, 16), "N13": (load_profile, 16), "N18": (hourglass, 16), "N14": (clock_face, 16),
    "N22": (monitor, 16), "N23": (globe, 16), "N15": (envelope, 16), "N30": (about_mark, 16),
    "N11": (exit_door, 16),
}
OTHERS = {"CDEject": (cd_eject, 16), "CDClose": (cd_close, 16), "copy": (copy_sheets, 16)}
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
    os.makedirs(f"{out}/menu", exist_ok=True)
    os.makedirs(f"{out}/icon", exist_ok=True)
    for name, (make, size) in {**MENU, **OTHERS}.items():
        folder = "menu" if name in MENU else "."
        write_png(f"{out}/{folder}/{name}.png", size, size, render(make(), size))
    icons = [(size, render(program_icon(), size)) for size in ICON_SIZES]
    for size, rows in icons:
        write_png(f"{out}/icon/ortavi-{size}.png", size, size, rows)
    write_ico(f"{out}/icon/ortavi.ico", [(s, r) for s, r in icons if s in (16, 24, 32, 48, 256)])


if __name__ == "__main__":
    main()
