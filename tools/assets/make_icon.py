#!/usr/bin/env python3
"""Draws the application icon: a speaker on a blue tile with a green repair tick.

Pure Python, so it runs anywhere: shapes are signed-distance functions sampled 4x4 per
pixel. Writes 16, 20, 24, 32 and 48 pixel images as 32-bit BMP entries, which every
Windows from XP on reads: the caption's 16 px icon has one at each display scale up to 200 %
(20, 24, 32) and the shell's 32 and 48 are there. Usage: make_icon.py OUTPUT.ico
"""
import math
import struct
import sys

SIZES = (16, 20, 24, 32, 48)
SAMPLES = 4


def rounded_box(x, y, cx, cy, hw, hh, r):
    dx, dy = abs(x - cx) - hw + r, abs(y - cy) - hh + r
    outside = math.hypot(max(dx, 0), max(dy, 0))
    return outside + min(max(dx, dy), 0) - r


def polygon(x, y, points):
    """Signed distance to a convex polygon, negative inside."""
    d = -1e9
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        ex, ey = x1 - x0, y1 - y0
        n = math.hypot(ex, ey)
        d = max(d, ((x - x0) * ey - (y - y0) * ex) / n)
    return d


def segment(x, y, ax, ay, bx, by, half_width):
    px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
    t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - vx * t, py - vy * t) - half_width


def mix(under, over, alpha):
    return tuple(u * (1 - alpha) + o * alpha for u, o in zip(under, over))


def shade(x, y):
    """Colour and coverage of one point of the unit square."""
    colour, cover = (0.0, 0.0, 0.0), 0.0
    tile = rounded_box(x, y, 0.5, 0.5, 0.46, 0.46, 0.12)
    if tile < 0:
        top, bottom = (72, 148, 232), (22, 82, 170)
        colour, cover = mix(top, bottom, y), 1.0
        if tile > -0.035:
            colour = mix(colour, (14, 52, 120), 0.7)
    speaker = min(rounded_box(x, y, 0.27, 0.42, 0.07, 0.09, 0.015),
                  polygon(x, y, [(0.48, 0.18), (0.48, 0.66), (0.30, 0.51), (0.30, 0.33)]))
    waves = min(abs(math.hypot(x - 0.46, y - 0.42) - r) - 0.028 for r in (0.13, 0.22))
    waves = max(waves, -(x - 0.52))
    if min(speaker, waves) < 0 and tile < 0:
        colour = (250, 252, 255)
    badge = math.hypot(x - 0.72, y - 0.72) - 0.24
    if badge < 0:
        colour, cover = mix((96, 200, 80), (40, 150, 40), y), 1.0
        if badge > -0.03:
            colour = (255, 255, 255)
        tick = min(segment(x, y, 0.61, 0.72, 0.69, 0.80, 0.035),
                   segment(x, y, 0.69, 0.80, 0.84, 0.63, 0.035))
        if tick < 0:
            colour = (255, 255, 255)
    return colour, cover


def render(size):
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c, cover = shade((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    r, g, b, a = r + c[0] * cover, g + c[1] * cover, b + c[2] * cover, a + cover
            n = SAMPLES * SAMPLES
            alpha = a / n
            if alpha > 0:
                row.append((round(b / a), round(g / a), round(r / a), round(alpha * 255)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bmp_entry(size, rows):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes(v for p in row for v in p) for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def main():
    images = [bmp_entry(s, render(s)) for s in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(SIZES, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main()
