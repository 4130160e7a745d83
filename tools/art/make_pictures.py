#!/usr/bin/env python3
"""Draws the program's own pictures (the window tile and two small pictures) as PNG files.

Run it from the repository root: python3 tools/art/make_pictures.py app/resources
The pictures are committed; this script is how they were made and how to change them.
"""
import math
import struct
import sys
import zlib


def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


def blend(base, colour, alpha):
    return tuple(base[i] * (1 - alpha) + colour[i] * alpha for i in range(3))


def supersample(width, height, shade, n=4):
    """shade(x, y) -> (r, g, b, a) with floats; averaged over n*n points of each pixel."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    r, g, b, a = shade(px + (sx + 0.5) / n, py + (sy + 0.5) / n)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / (n * n)
            if acc[3] > 0:
                colour = tuple(min(255, max(0, round(acc[i] / acc[3]))) for i in range(3))
            else:
                colour = (0, 0, 0)
            row.append(colour + (min(255, max(0, round(a * 255))),))
        rows.append(row)
    return rows


def tile():
    """150 x 150, repeats without a seam: pale paper with three faint rhythm waves and stars."""
    size = 150
    waves = [  # colour, period (divides 150), phase, centre, amplitude
        ((210, 120, 120), 150, 0.0, 40, 14),
        ((110, 170, 120), 75, 1.3, 80, 10),
        ((120, 140, 210), 50, 2.1, 118, 12),
    ]
    stars = [(17, 12), (63, 27), (121, 9), (96, 58), (140, 101), (33, 97), (71, 134), (118, 141), (8, 62)]

    def shade(x, y):
        # A soft, seamless grain from sines whose periods divide the tile.
        grain = (math.sin(2 * math.pi * (x / 50 + y / 75)) + math.sin(2 * math.pi * (x / 30 - y / 50))) * 2.0
        colour = (236 + grain, 238 + grain, 246 + grain)
        for wave_colour, period, phase, centre, amplitude in waves:
            wy = centre + amplitude * math.sin(2 * math.pi * x / period + phase)
            d = abs(y - wy)
            if d < 1.6:
                colour = blend(colour, wave_colour, 0.22 * (1 - d / 1.6))
        for sx, sy in stars:
            dx = min(abs(x - sx), size - abs(x - sx))
            dy = min(abs(y - sy), size - abs(y - sy))
            d = math.hypot(dx, dy)
            if d < 1.5:
                colour = blend(colour, (200, 170, 90), 0.6 * (1 - d / 1.5))
        return colour + (1.0,)

    return size, size, supersample(size, size, shade, 2)


def splash_picture():
    """33 x 33: a golden sun with a navy crescent over it."""
    c = 16.5

    def shade(x, y):
        d = math.hypot(x - c, y - c)
        angle = math.atan2(y - c, x - c)
        if d <= 9:
            colour = (250, 200, 40)
            if math.hypot(x - c - 4, y - c + 3) <= 7.5:
                colour = (20, 30, 120)
            return colour + (1.0,)
        ray = (math.cos(angle * 12) + 1) / 2
        if d <= 9 + 6 * ray:
            return (240, 160, 20, 1.0)
        return (0, 0, 0, 0.0)

    return 33, 33, supersample(33, 33, shade)


def result_picture():
    """36 x 51: three small rhythm waves, one above another, in the chart's colours."""
    waves = [((200, 0, 0), 10), ((0, 140, 0), 25), ((0, 0, 200), 40)]

    def shade(x, y):
        for colour, centre in waves:
            wy = centre + 6 * math.sin(2 * math.pi * x / 18)
            if abs(y - wy) <= 1.4:
                return colour + (1.0,)
        return (0, 0, 0, 0.0)

    return 36, 51, supersample(36, 51, shade)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "app/resources"
    for name, make in (("bitmap.png", tile), ("splash.png", splash_picture), ("result.png", result_picture)):
        width, height, pixels = make()
        write_png(f"{out}/{name}", width, height, pixels)


if __name__ == "__main__":
    main()
