#!/usr/bin/env python3
"""Draws the pictures of the thanks dialog and the picture window as PNG files.

Run it from the repository root: python3 tools/art/make_extras_pictures.py extras/resources
The pictures are committed; this script is how they were made and how to change them.
Calm colours: a pale sky, soft greens, warm but muted accents.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_pictures import blend, supersample, write_png  # noqa: E402


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smooth(edge, width, d):
    """1 inside (d < edge), fading to 0 over `width`."""
    return max(0.0, min(1.0, (edge - d) / width + 0.5))


def star_distance(x, y, cx, cy, outer, inner, points=5, turn=-math.pi / 2):
    """Negative inside a star polygon; the value is a rough signed distance."""
    angle = math.atan2(y - cy, x - cx) - turn
    sector = 2 * math.pi / points
    a = (angle % sector) - sector / 2
    r = math.hypot(x - cx, y - cy)
    # Radius of the star's edge in this direction: between the inner and the outer radius.
    t = abs(a) / (sector / 2)
    edge = inner + (outer - inner) * t
    return r - edge


def heart_inside(x, y, cx, cy, size):
    u = (x - cx) / size
    v = -(y - cy) / size + 0.25
    return (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0


# ---------------------------------------------------------------- thanks dialog


def banner():
    """414 x 72: balloons rising over soft hills under a pale morning sky."""
    w, h = 414, 72
    balloons = [  # x, y, radius, colour
        (60, 30, 11, (214, 120, 120)), (92, 22, 9, (120, 170, 210)), (122, 34, 10, (240, 200, 110)),
        (300, 24, 10, (150, 190, 140)), (330, 36, 9, (190, 150, 200)), (356, 20, 11, (230, 150, 110)),
    ]

    def shade(x, y):
        colour = mix((196, 222, 242), (250, 236, 214), y / h)
        # The sun, low and hazy, in the middle.
        d = math.hypot(x - 207, y - 58)
        if d < 40:
            colour = blend(colour, (255, 226, 160), 0.55 * (1 - d / 40))
        for i, (cx, amp, period, base, green) in enumerate(
            [(0, 5, 170, 56, (170, 205, 160)), (40, 6, 120, 62, (140, 185, 135)), (90, 4, 90, 67, (120, 165, 120))]
        ):
            hy = base + amp * math.sin(2 * math.pi * (x + cx) / period)
            if y >= hy:
                colour = blend(colour, green, smooth(0, 1.0, hy - y + 0.5))
        for bx, by, r, bc in balloons:
            # The string first, so the balloon covers its top.
            if by + r < y < by + r + 16 and abs(x - (bx + 2 * math.sin((y - by) / 4))) < 0.5:
                colour = blend(colour, (120, 110, 100), 0.8)
            dx, dy = (x - bx) / r, (y - by) / (r * 1.18)
            d = math.hypot(dx, dy)
            if d < 1.05:
                light = 0.35 * max(0.0, 1 - math.hypot(dx + 0.35, dy + 0.4) / 0.6)
                body = mix(bc, (255, 255, 255), light)
                colour = blend(colour, body, smooth(1.0, 0.08, d))
        return colour + (1.0,)

    return w, h, supersample(w, h, shade, 3)


def small_star():
    def shade(x, y):
        d = star_distance(x, y, 16, 17, 15, 6.5)
        if d > 1:
            return (0, 0, 0, 0.0)
        colour = mix((250, 214, 110), (222, 160, 50), (y - 2) / 30)
        return colour + (smooth(0, 1.0, d),)

    return 32, 32, supersample(32, 32, shade)


def heart():
    def shade(x, y):
        if heart_inside(x, y, 16, 16, 12):
            colour = mix((226, 120, 130), (190, 80, 95), y / 32)
            if math.hypot(x - 11, y - 11) < 3:
                colour = blend(colour, (255, 220, 225), 0.6)
            return colour + (1.0,)
        return (0, 0, 0, 0.0)

    return 32, 32, supersample(32, 32, shade)


def sparkle():
    """16 x 16: a small four-pointed sparkle."""

    def shade(x, y):
        d = star_distance(x, y, 8, 8, 7.5, 2.2, points=4)
        if d > 1:
            return (0, 0, 0, 0.0)
        return mix((150, 180, 230), (90, 120, 200), math.hypot(x - 8, y - 8) / 8) + (smooth(0, 1.0, d),)

    return 16, 16, supersample(16, 16, shade)


def flower():
    def shade(x, y):
        dx, dy = x - 16, y - 16
        r = math.hypot(dx, dy)
        if r < 4.5:
            return mix((250, 210, 110), (220, 170, 60), r / 4.5) + (smooth(4.5, 0.8, r),)
        angle = math.atan2(dy, dx)
        petal = 9 + 5 * abs(math.cos(2.5 * angle))
        if r < petal:
            colour = mix((250, 250, 252), (200, 190, 230), r / petal)
            return colour + (smooth(petal, 1.0, r),)
        return (0, 0, 0, 0.0)

    return 32, 32, supersample(32, 32, shade)


def sun():
    def shade(x, y):
        dx, dy = x - 16, y - 16
        r = math.hypot(dx, dy)
        if r < 8.5:
            return mix((255, 224, 130), (240, 180, 80), r / 8.5) + (smooth(8.5, 0.8, r),)
        ray = (math.cos(math.atan2(dy, dx) * 10) + 1) / 2
        edge = 10 + 5 * ray
        if r < edge:
            return (240, 190, 100) + (smooth(edge, 1.0, r) * 0.9,)
        return (0, 0, 0, 0.0)

    return 32, 32, supersample(32, 32, shade)


def smile():
    def shade(x, y):
        dx, dy = x - 16, y - 16
        r = math.hypot(dx, dy)
        if r > 15:
            return (0, 0, 0, 0.0)
        colour = mix((255, 228, 140), (238, 196, 90), r / 15)
        if math.hypot(x - 11, y - 12.5) < 2 or math.hypot(x - 21, y - 12.5) < 2:
            colour = (110, 85, 60)
        mouth = math.hypot(dx, dy + 2)
        if 7 < mouth < 8.6 and dy > 2:
            colour = (150, 90, 70)
        edge = (200, 150, 70)
        if r > 13.8:
            colour = blend(colour, edge, 0.8)
        return colour + (smooth(15, 1.0, r),)

    return 32, 32, supersample(32, 32, shade)


# ---------------------------------------------------------------- picture window


def valley():
    """288 x 444: an evening valley: mountains, a lake with the moon in it, pines, a house."""
    w, h = 288, 444
    horizon = 270
    rng_stars = [(23, 31), (61, 74), (102, 19), (140, 58), (171, 22), (210, 80), (247, 37), (266, 96), (37, 120),
                 (122, 110), (188, 131), (83, 153)]
    moon = (206, 92, 22)

    def mountains(x):
        far = 190 + 28 * math.sin(x / 37 + 0.6) + 14 * math.sin(x / 13 + 2.0)
        near = 225 + 22 * math.sin(x / 52 + 2.5) + 8 * math.sin(x / 17)
        return far, near

    def sky(x, y):
        colour = mix((40, 52, 98), (214, 168, 150), (y / horizon) ** 1.6)
        for sx, sy in rng_stars:
            d = math.hypot(x - sx, y - sy)
            if d < 1.3:
                colour = blend(colour, (250, 244, 220), 0.8 * (1 - d / 1.3))
        mx, my, mr = moon
        d = math.hypot(x - mx, y - my)
        if d < mr * 2.2:
            colour = blend(colour, (250, 236, 200), 0.18 * (1 - d / (mr * 2.2)))
        if d < mr:
            colour = blend(colour, (246, 236, 206), smooth(mr, 1.0, d))
            if math.hypot(x - mx + 6, y - my - 4) < 4 or math.hypot(x - mx - 5, y - my + 7) < 3:
                colour = blend(colour, (226, 214, 186), 0.6)
        return colour

    def land(x, y):
        """Colour of the scene above the waterline, or None for the sky."""
        far, near = mountains(x)
        colour = None
        if y >= far:
            colour = mix((96, 98, 140), (120, 110, 150), (y - far) / 80)
        if y >= near:
            colour = mix((62, 80, 104), (70, 92, 100), (y - near) / 60)
        return colour

    def pine(x, y, px, base, height):
        """True inside a pine standing on (px, base)."""
        if y > base or y < base - height:
            return False
        if abs(x - px) < 1.2 and y > base - 8:
            return True
        t = (base - 6 - y) / (height - 6)
        if t < 0:
            return False
        width = (1 - t) * height * 0.32 * (0.75 + 0.25 * math.cos(t * 18))
        return abs(x - px) < width

    pines = [(26, 300, 62), (48, 306, 48), (70, 298, 70), (240, 304, 56), (262, 300, 74), (280, 308, 44)]

    def shade(x, y):
        if y < horizon:
            colour = land(x, y) or sky(x, y)
        elif y < horizon + 110:
            # The lake mirrors what stands above it, darker and rippled.
            ry = 2 * horizon - y + 2.5 * math.sin(y * 0.9 + x * 0.05)
            above = land(x, ry) or sky(x, ry)
            colour = mix(above, (40, 56, 86), 0.35 + 0.3 * (y - horizon) / 110)
            mx, _, _ = moon
            if abs(x - mx) < 10 * (1 - (y - horizon) / 140) and int(y) % 5 < 2:
                colour = blend(colour, (240, 226, 190), 0.45)
        else:
            colour = mix((66, 96, 74), (44, 70, 56), (y - horizon - 110) / 64)
        # The shore and the house on it.
        shore = horizon + 8 + 6 * math.sin(x / 40)
        if x < 150 and y > shore - 2 and y < horizon + 28 - x / 8:
            colour = (58, 84, 66)
        hx, hy = 122, horizon + 6
        if hx - 16 < x < hx + 16 and hy - 18 < y < hy + 4:
            colour = (150, 116, 92)
            if hx - 6 < x < hx + 2 and hy - 12 < y < hy - 5:
                colour = (250, 210, 120)
        if hy - 32 < y <= hy - 18 and abs(x - hx) < (y - (hy - 32)) * 1.3:
            colour = (120, 70, 64)
        for px, base, height in pines:
            if pine(x, y, px, base, height):
                colour = (34, 58, 50)
        # A soft vignette keeps the eye in the middle.
        v = math.hypot((x - w / 2) / w, (y - h / 2) / h)
        colour = mix(colour, (20, 30, 40), max(0.0, v - 0.45) * 0.9)
        return colour + (1.0,)

    return w, h, supersample(w, h, shade, 2)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "extras/resources"
    pictures = (
        ("thanks-banner.png", banner),
        ("thanks-star.png", small_star),
        ("thanks-heart.png", heart),
        ("thanks-dot.png", sparkle),
        ("thanks-flower.png", flower),
        ("thanks-sun.png", sun),
        ("thanks-smile.png", smile),
        ("picture-window.png", valley),
    )
    for name, make in pictures:
        width, height, pixels = make()
        write_png(os.path.join(out, name), width, height, pixels)


if __name__ == "__main__":
    main()
