#!/usr/bin/env python3
"""Draws the pictures of the main window's menu items and of the two CD-door items as PNGs.

Run it from the repository root: python3 tools/art/make_menu_pictures.py app/resources/menu
Each picture is a few flat shapes drawn in a 16 x 16 design space and scaled to the size the
menu gives it (16, 18 for the settings, 15 for the timer and clock of the main menu).
The pictures are committed; this script is how they were made and how to change them.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_pictures import supersample, write_png  # noqa: E402

# Calm colours that sit well on the menus' white and grey-beige and the windows' pale blue.
NAVY = (44, 62, 110)
SLATE = (86, 106, 150)
SKY = (126, 164, 206)
PAPER = (250, 249, 244)
EDGE = (112, 118, 136)
GOLD = (212, 168, 74)
WOOD = (176, 134, 92)
GREEN = (86, 140, 98)
RED = (178, 84, 72)
SILVER = (196, 200, 210)
WHITE = (255, 255, 255)


# Shapes: each answers whether a point of the design space lies inside it.
def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and x0 <= x <= x1 and y0 <= y <= y1
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, width, gap_from=None, gap_to=None):
    """A ring; the gap is an angle range in degrees, 0 to the right, counted clockwise."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2:
            return False
        if gap_from is None:
            return True
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return not (gap_from <= a <= gap_to if gap_from <= gap_to else a >= gap_from or a <= gap_to)
    return inside


def line(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= width / 2
    return inside


def polygon(*points):
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                hit = not hit
        return hit
    return inside


def heart(cx, cy, size):
    def inside(x, y):
        u = (x - cx) / size
        v = -(y - cy) / size
        return (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0
    return inside


def gear(cx, cy, outer, inner, teeth):
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        a = math.atan2(y - cy, x - cx)
        tooth = math.cos(a * teeth) > 0.1
        return d <= (outer if tooth else inner)
    return inside


def outlined_page(x0, y0, x1, y1, fold):
    """A sheet with its top-right corner folded: the edge, the paper and the fold."""
    edge = polygon((x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1))
    paper = polygon((x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4), (x1 - 1, y1 - 1),
                    (x0 + 1, y1 - 1))
    corner = polygon((x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold))
    return [(edge, EDGE), (paper, PAPER), (corner, SILVER)]


def disc():
    return [(circle(7, 9, 6.5), EDGE), (circle(7, 9, 5.8), SILVER), (ring(7, 9, 3.6, 0.8), WHITE),
            (circle(7, 9, 1.6), EDGE), (circle(7, 9, 1.0), WHITE)]


PICTURES = {
    "new": lambda: outlined_page(3, 1, 13, 15, 4) + [
        (line(5, 8, 11, 8, 1), SKY), (line(5, 10.5, 11, 10.5, 1), SKY), (line(5, 13, 9, 13, 1), SKY),
        (polygon((3.5, 0), (4.6, 2.4), (7, 3.5), (4.6, 4.6), (3.5, 7), (2.4, 4.6), (0, 3.5), (2.4, 2.4)), GOLD)],
    "open": lambda: [
        (polygon((1, 3), (6, 3), (7.5, 5), (14, 5), (14, 14), (1, 14)), WOOD),
        (polygon((3, 8), (16, 8), (14, 14), (1, 14)), GOLD),
        (line(3, 8, 16, 8, 0.8), WOOD)],
    "save": lambda: [
        (rounded(1, 1, 15, 15, 1.5), NAVY),
        (rect(4, 1, 12, 6), SILVER), (rect(9.5, 2, 11, 5), NAVY),
        (rect(3.5, 8.5, 12.5, 15), PAPER),
        (line(5, 10.5, 11, 10.5, 0.8), SKY), (line(5, 12.5, 11, 12.5, 0.8), SKY)],
    "settings": lambda: [
        (gear(8, 8, 7.6, 5.6, 8), SLATE), (circle(8, 8, 4.4), SKY), (circle(8, 8, 2.2), WHITE)],
    "exit": lambda: [
        (rect(2, 1, 10, 15), WOOD), (rect(3, 2, 9, 14), GOLD), (circle(7.5, 8.5, 0.9), WOOD),
        (line(9, 8, 14.5, 8, 1.8), RED), (polygon((12, 4.5), (16, 8), (12, 11.5)), RED)],
    "phrase": lambda: [
        (rounded(1, 2, 15, 11, 3), SLATE), (polygon((4, 10), (4, 15), (8.5, 10.5)), SLATE),
        (rounded(2, 3, 14, 10, 2.2), SKY),
        (circle(5, 6.5, 1.1), WHITE), (circle(8, 6.5, 1.1), WHITE), (circle(11, 6.5, 1.1), WHITE)],
    "help": lambda: [
        (circle(8, 8, 7.5), NAVY), (circle(8, 8, 6.4), SKY),
        (ring(8, 6, 2.5, 1.7, 100, 190), WHITE), (line(8, 8.5, 8, 10, 1.7), WHITE), (circle(8, 12.6, 1.1), WHITE)],
    "thanks": lambda: [(heart(8, 7.5, 6.6), RED), (heart(8, 7.7, 5.3), (206, 116, 102)),
                       (circle(5.2, 5.3, 1.0), (236, 190, 180))],
    "about": lambda: [
        (circle(8, 8, 7.5), NAVY), (circle(8, 8, 6.4), SLATE),
        (circle(8, 4.6, 1.3), WHITE), (rect(7, 7, 9, 12.5), WHITE), (rect(6, 11.6, 10, 12.6), WHITE)],
    "licence": lambda: outlined_page(2, 0.5, 13, 15.5, 3) + [
        (line(4, 4, 9, 4, 0.9), SKY), (line(4, 6.5, 11, 6.5, 0.9), SKY), (line(4, 9, 11, 9, 0.9), SKY),
        (polygon((9.5, 12), (11, 16), (12, 14.3), (13, 16), (14.5, 12)), RED),
        (circle(12, 11.5, 3), RED), (circle(12, 11.5, 1.8), (214, 130, 116))],
    "site": lambda: [
        (circle(8, 8, 7.5), NAVY), (circle(8, 8, 6.6), SKY),
        (polygon((3, 5), (7, 3), (8, 6), (6, 9), (4, 8)), GREEN),
        (polygon((9, 9), (13, 8), (13.5, 11), (10, 13.5)), GREEN),
        (ring(8, 8, 6.6, 0.6), NAVY), (line(1.5, 8, 14.5, 8, 0.5), NAVY),
        (lambda x, y: abs(((x - 8) / 3.2) ** 2 + ((y - 8) / 6.6) ** 2 - 1) < 0.12, NAVY)],
    "mail": lambda: [
        (rect(0.5, 3, 15.5, 13), EDGE), (rect(1.5, 4, 14.5, 12), PAPER),
        (line(1.5, 4.2, 8, 9, 1), EDGE), (line(14.5, 4.2, 8, 9, 1), EDGE),
        (line(1.8, 11.8, 6, 8, 0.7), SILVER), (line(14.2, 11.8, 10, 8, 0.7), SILVER)],
    "power-off": lambda: [
        (ring(8, 8.6, 5.6, 2.2, 245, 295), RED), (line(8, 1.2, 8, 8, 2.2), RED)],
    "restart": lambda: [
        (ring(8, 8.5, 5.5, 2.2, 280, 330), GREEN), (polygon((9.5, 0.5), (14.5, 3.5), (9.5, 7)), GREEN)],
    "log-off": lambda: [
        (circle(6, 4.5, 3), SLATE), (polygon((0.5, 15), (1.5, 10), (4, 8.5), (8, 8.5), (10.5, 10), (11.5, 15)), SLATE),
        (line(10, 12, 14.5, 12, 1.6), RED), (polygon((12.5, 9), (16, 12), (12.5, 15)), RED)],
    "timer": lambda: [
        (rect(2.5, 0.5, 13.5, 2), WOOD), (rect(2.5, 14, 13.5, 15.5), WOOD),
        (polygon((4, 2), (12, 2), (8.8, 8), (12, 14), (4, 14), (7.2, 8)), EDGE),
        (polygon((5.3, 2.8), (10.7, 2.8), (8.3, 7.8), (10.7, 13.2), (5.3, 13.2), (7.7, 7.8)), PAPER),
        (polygon((6.2, 4.5), (9.8, 4.5), (8, 7.5)), GOLD),
        (polygon((8, 10.5), (10.5, 13.2), (5.5, 13.2)), GOLD)],
    "clock": lambda: [
        (circle(8, 8, 7.6), NAVY), (circle(8, 8, 6.5), PAPER),
        (circle(8, 2.7, 0.6), EDGE), (circle(13.3, 8, 0.6), EDGE), (circle(8, 13.3, 0.6), EDGE),
        (circle(2.7, 8, 0.6), EDGE),
        (line(8, 8, 8, 3.8, 1.3), NAVY), (line(8, 8, 11.3, 9.8, 1.3), NAVY), (circle(8, 8, 1.0), RED)],
    "system": lambda: [
        (rounded(0.5, 1.5, 15.5, 11.5, 1), NAVY), (rect(1.8, 2.8, 14.2, 10.2), SKY),
        (polygon((1.8, 10.2), (14.2, 2.8), (14.2, 10.2)), (150, 186, 222)),
        (rect(6.5, 11.5, 9.5, 13.5), EDGE), (rounded(3.5, 13.5, 12.5, 15.5, 0.8), EDGE)],
    "cd-eject": lambda: disc() + [
        (polygon((11.5, 1), (15.8, 6.5), (7.2, 6.5)), GREEN), (rect(7.8, 7.6, 15.2, 9.2), GREEN)],
    "cd-close": lambda: disc() + [
        (rect(7.8, 1, 15.2, 2.6), RED), (polygon((7.2, 3.8), (15.8, 3.8), (11.5, 9.3)), RED)],
}

# The sizes the menus give the pictures; the timer and clock of the main menu are smaller.
SIZES = {"settings": [18], "timer": [16, 15], "clock": [16, 15]}


def render(shapes, size):
    scale = 16.0 / size

    def shade(px, py):
        x, y = px * scale, py * scale
        for inside, colour in reversed(shapes):
            if inside(x, y):
                return colour + (1.0,)
        return (0, 0, 0, 0.0)

    return supersample(size, size, shade, 4)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "app/resources/menu"
    os.makedirs(out, exist_ok=True)
    for name, make in PICTURES.items():
        for size in SIZES.get(name, [16]):
            file_name = name if size in (16, 18) else f"{name}-{size}"
            write_png(f"{out}/{file_name}.png", size, size, render(make(), size))


if __name__ == "__main__":
    main()
