"""Shapes as signed distances in pixel units (negative inside), 4x4-sampled rendering and
a bare PNG writer. Standard library only, so the pictures can be redrawn with any python3.

A paint function maps a sample point (x, y) to a premultiplied (r, g, b, a) colour;
render() averages 16 samples per pixel and stores straight alpha, so anti-aliased edges
keep the colour of the shape instead of fading towards black.
"""
import math
import struct
import zlib

SAMPLES = 4
CLEAR = (0.0, 0.0, 0.0, 0.0)


def box(x, y, x0, y0, x1, y1, r=0.0):
    """Rectangle [x0, x1] x [y0, y1] with corner radius r."""
    dx = abs(x - (x0 + x1) / 2) - (x1 - x0) / 2 + r
    dy = abs(y - (y0 + y1) / 2) - (y1 - y0) / 2 + r
    return math.hypot(max(dx, 0), max(dy, 0)) + min(max(dx, dy), 0) - r


def circle(x, y, cx, cy, r):
    return math.hypot(x - cx, y - cy) - r


def capsule(x, y, ax, ay, bx, by, hw):
    """Stroke from a to b with round caps."""
    px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
    t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - vx * t, py - vy * t) - hw


def bar(x, y, ax, ay, bx, by, hw):
    """Stroke from a to b with square caps, so pixel-aligned corners stay sharp."""
    vx, vy = bx - ax, by - ay
    n = math.hypot(vx, vy)
    ux, uy = vx / n, vy / n
    px, py = x - (ax + bx) / 2, y - (ay + by) / 2
    du = abs(px * ux + py * uy) - n / 2 - hw
    dv = abs(px * uy - py * ux) - hw
    return math.hypot(max(du, 0), max(dv, 0)) + min(max(du, dv), 0)


def polyline(x, y, points, hw, stroke=bar):
    return min(stroke(x, y, *a, *b, hw) for a, b in zip(points, points[1:]))


def polygon(x, y, points):
    """Any simple polygon, convex or not."""
    d, inside = 1e9, False
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        ex, ey, wx, wy = bx - ax, by - ay, x - ax, y - ay
        t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
        d = min(d, math.hypot(wx - ex * t, wy - ey * t))
        if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
            inside = not inside
    return -d if inside else d


def arc(x, y, cx, cy, r, a0, a1, hw):
    """Stroke along a circle from angle a0 to a1 (degrees, clockwise on screen), round caps."""
    a = math.degrees(math.atan2(y - cy, x - cx))
    if (a - a0) % 360 <= (a1 - a0) % 360:
        return abs(math.hypot(x - cx, y - cy) - r) - hw
    ends = [(cx + r * math.cos(math.radians(t)), cy + r * math.sin(math.radians(t))) for t in (a0, a1)]
    return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - hw


def cover(d):
    """Coverage of one sample: a box filter one sample wide, so straight pixel-aligned
    edges come out exactly 0 or 1 and curves get a few more grey levels."""
    return min(1.0, max(0.0, 0.5 - d * SAMPLES))


def mix(a, b, t):
    return tuple(u + (v - u) * t for u, v in zip(a, b))


def over(dst, colour, alpha):
    """Paint colour at coverage alpha over a premultiplied colour."""
    if alpha <= 0:
        return dst
    k = 1 - alpha
    return (colour[0] * alpha + dst[0] * k, colour[1] * alpha + dst[1] * k,
            colour[2] * alpha + dst[2] * k, alpha + dst[3] * k)


def render(w, h, paint, clear=(0, 0, 0)):
    """Rows of straight-alpha RGBA tuples; fully transparent pixels get the colour clear."""
    n = SAMPLES
    offsets = [(i + 0.5) / n for i in range(n)]
    rows = []
    for py in range(h):
        row = []
        for px in range(w):
            r = g = b = a = 0.0
            for oy in offsets:
                for ox in offsets:
                    c = paint(px + ox, py + oy)
                    r, g, b, a = r + c[0], g + c[1], b + c[2], a + c[3]
            alpha = round(a / (n * n) * 255)
            row.append((round(r / a), round(g / a), round(b / a), alpha) if alpha else (*clear, 0))
        rows.append(row)
    return rows


def write_png(path, rows, smallest=False):
    """8-bit RGBA, no ancillary chunks, so the bytes depend only on the pixels. smallest
    also tries a palette and row filters and keeps the shortest of the encodings."""
    with open(path, 'wb') as f:
        f.write(min(png_encodings(rows), key=len) if smallest else png(rows))


def png(rows, palette=None, choose_filter=lambda candidates: candidates[0]):
    """RGBA, or indices into palette (a list of RGBA values) with their alpha in tRNS; each
    row is stored with the filter choose_filter picks from the five candidates."""
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    if palette:
        index = {p: i for i, p in enumerate(palette)}
        lines, bpp = [bytes(index[p] for p in row) for row in rows], 1
        extra = chunk(b'PLTE', bytes(v for p in palette for v in p[:3])) + chunk(b'tRNS', bytes(p[3] for p in palette))
    else:
        lines, bpp, extra = [bytes(v for p in row for v in p) for row in rows], 4, b''
    raw, prior = b'', bytes(len(lines[0]))
    for line in lines:
        raw += choose_filter(filtered(line, prior, bpp))
        prior = line
    ihdr = struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, 3 if palette else 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + extra + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def filtered(line, prior, bpp):
    """The line under each of the five PNG filters, each led by its type byte."""
    def paeth(a, b, c):
        p = a + b - c
        pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
        return a if pa <= pb and pa <= pc else b if pb <= pc else c
    left = bytes(bpp) + line[:-bpp]
    upper_left = bytes(bpp) + prior[:-bpp]
    predictors = (lambda a, b, c: 0, lambda a, b, c: a, lambda a, b, c: b,
                  lambda a, b, c: (a + b) // 2, paeth)
    return [bytes([n]) + bytes((v - predict(a, b, c)) & 255 for v, a, b, c in zip(line, left, prior, upper_left))
            for n, predict in enumerate(predictors)]


def png_encodings(rows):
    """Unfiltered, Up and the usual per-row heuristic (least sum of signed differences),
    as RGBA and, for up to 256 colours, with a palette in order of first use."""
    def least_sum(candidates):
        return min(candidates, key=lambda c: sum(v if v < 128 else 256 - v for v in c[1:]))
    palette = list(dict.fromkeys(p for row in rows for p in row))
    for colours in [None] + ([palette] if len(palette) <= 256 else []):
        for choose in (lambda c: c[0], lambda c: c[2], least_sum):
            yield png(rows, colours, choose)
