#!/usr/bin/env python3
"""Draws the skin pictures: check box, radio button, push button, message box icons,
caption button strips, light streak and tick, as PNG files.

Strips are frames side by side with one separator column between frames; the reader finds
the separators by their colour in pixel row 2. Everything is drawn with sdf.py, so the
output is the same bytes on every run and the build never needs Python.

Usage: make_skins.py OUTPUT_DIR [--preview DIR]
"""
import math
import os
import sys

sys.dont_write_bytecode = True
from sdf import (CLEAR, arc, box, capsule, circle, cover, mix, over, polygon,  # noqa: E402
                 polyline, render, write_png)

MAGENTA = (255, 0, 255)
DARK_MAGENTA = (127, 0, 127)

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
INK = (32, 32, 32)
ACCENT = (43, 124, 211)
ACCENT_DARK = (24, 92, 168)
ACCENT_WASH = (229, 241, 251)
GREY_BORDER = (122, 122, 122)
OFF_BORDER = (196, 196, 196)
OFF_FILL = (236, 236, 236)
RED = (232, 17, 35)
RED_DARK = (182, 12, 26)


def strip(frames, sep):
    # a separator-coloured pixel in row 2 of a frame would split that frame in two
    assert all(len(f) == len(frames[0]) and (*sep, 255) not in f[2] for f in frames), 'frame vs separator'
    return [sum((f[y] + [(*sep, 255)] for f in frames[:-1]), []) + frames[-1][y]
            for y in range(len(frames[0]))]


def frame_runs(rows, sep):
    """(start, width) of each frame, found the way the reader finds them."""
    runs, start = [], 0
    for x in range(1, len(rows[0])):
        if rows[2][x] == (*sep, 255):
            runs.append((start, x - start))
            start = x + 1
    return runs + [(start, len(rows[0]) - start)]


def check(name, rows, size, sep=None, widths=None, markers=()):
    """Asserts the layout the program relies on; markers are the frame columns that must be
    full-height nine-grid markers."""
    w, h = size
    assert len(rows) == h and all(len(r) == w for r in rows), name + ': size'
    if sep is None:
        return
    runs = frame_runs(rows, sep)
    assert [rw for _, rw in runs] == list(widths), f'{name}: frames {runs}'
    for x0, fw in runs:
        if x0:
            assert all(rows[y][x0 - 1] == (*sep, 255) for y in range(h)), name + ': separator'
        for c in markers:
            assert all(rows[y][x0 + c] == (*MAGENTA, 255) for y in range(h)), name + ': marker'
        edges = [rows[1][x0 + i] for i in range(fw) if i not in markers] + [rows[y][x0 + 1] for y in range(h)]
        assert (*MAGENTA, 255) not in edges, name + ': stray marker'


# Check box: a 13x13 box at the left of each 21x16 frame; ticks share the frame origin.
BOX = (1, 2, 14, 15)
TICK = [(4.2, 8.7), (6.6, 11.1), (11.3, 5.7)]


def box_frame(border, fill):
    def paint(x, y):
        d = box(x, y, *BOX, 2)
        return over(over(CLEAR, border, cover(d)), fill, cover(d + 1))
    return render(21, 16, paint)


def tick_frame(scale, hw):
    cx, cy = (BOX[0] + BOX[2]) / 2, (BOX[1] + BOX[3]) / 2
    pts = [(cx + (px - cx) * scale, cy + (py - cy) * scale) for px, py in TICK]
    return render(21, 16, lambda x, y: over(CLEAR, ACCENT, cover(polyline(x, y, pts, hw, capsule))))


def checkbox():
    return strip([tick_frame(1.2, 1.15), box_frame(ACCENT, ACCENT_WASH), tick_frame(1.0, 0.95),
                  tick_frame(0.65, 0.8), box_frame(GREY_BORDER, WHITE), box_frame(OFF_BORDER, OFF_FILL)],
                 MAGENTA)


def radio_frame(border, fill, dot=None):
    def paint(x, y):
        d = circle(x, y, 7, 7, 7)
        p = over(over(CLEAR, border, cover(d)), fill, cover(d + 1.2))
        return over(p, dot, cover(circle(x, y, 7, 7, 3.5))) if dot else p
    return render(14, 14, paint)


def radio():
    return strip([radio_frame(GREY_BORDER, WHITE), radio_frame(ACCENT, ACCENT_WASH),
                  radio_frame(ACCENT, WHITE, ACCENT), radio_frame(ACCENT, ACCENT_WASH, ACCENT_DARK),
                  radio_frame(OFF_BORDER, OFF_FILL)], DARK_MAGENTA)


def button_frame(border, border_bottom, top, bottom, shadow=0.0):
    """Draws a 20 px wide face and cuts it into caps and a middle column: columns 0-3 and
    15-19 hold the corners, column 10 is plain interior."""
    def paint(x, y):
        d = box(x, y, 0, 0, 20, 24, 3)
        p = over(CLEAR, mix(border, border_bottom, min(1, max(0, (y - 20) / 4))), cover(d))
        p = over(p, mix(top, bottom, (y - 1) / 22), cover(d + 1))
        return over(p, BLACK, shadow * cover(d + 1) * max(0, 1 - (y - 1) / 2))
    face = render(20, 24, paint)
    cols = [0, 1, 2, 3, 10, None, 10, None, 15, 16, 17, 18, 19]
    return [[(*MAGENTA, 255) if c is None else row[c] for c in cols] for row in face]


def button():
    return strip([button_frame((176, 176, 176), (140, 140, 140), (255, 255, 255), (236, 236, 236)),
                  button_frame(ACCENT, ACCENT_DARK, (242, 248, 254), (218, 234, 250)),
                  button_frame(ACCENT_DARK, ACCENT_DARK, (192, 216, 242), (206, 227, 249), 0.14)],
                 DARK_MAGENTA)


# Message box icons: a 42 px badge centred in a 47x57 frame, glyph relative to the centre.
ICON_C, ICON_R = (23.5, 28.5), 21


def question(u, v):
    return min(arc(u, v, 0, -5.5, 5.5, 165, 60, 2.3), capsule(u, v, 2.75, -0.74, 0, 2.5, 2.3),
               capsule(u, v, 0, 2.5, 0, 4.0, 2.3), circle(u, v, 0, 10, 2.7))


def info(u, v):
    return min(circle(u, v, 0, -10, 2.8), box(u, v, -2.5, -4.5, 2.5, 11.5, 1.2))


def exclamation(u, v):
    stem = polygon(u, v, [(-1.9, -12), (1.9, -12), (1.1, 3.4), (-1.1, 3.4)]) - 0.8
    return min(stem, circle(u, v, 0, 9.5, 2.7))


def icon_frame(paint_inside):
    cx, cy = ICON_C

    def paint(x, y):
        t = (y - cy + ICON_R) / (2 * ICON_R)
        p = over(CLEAR, BLACK, 0.2 * min(1, max(0, (2 - circle(x, y, cx, cy + 1.5, ICON_R)) / 4)))
        return paint_inside(p, x - cx, y - cy, circle(x, y, cx, cy, ICON_R), t)
    return render(47, 57, paint)


def badge(top, bottom, glyph):
    def inside(p, u, v, d, t):
        fill = mix(top, bottom, t)
        p = over(over(p, mix(fill, BLACK, 0.2), cover(d)), fill, cover(d + 1))
        return over(p, WHITE, cover(glyph(u, v)))
    return icon_frame(inside)


def clock_hand(u, v, hour_angle, length, hw):
    a = math.radians(hour_angle * 30)
    return capsule(u, v, 0, 0, length * math.sin(a), -length * math.cos(a), hw)


def clock():
    def inside(p, u, v, d, t):
        p = over(p, mix((62, 134, 214), (28, 88, 164), t), cover(d))
        p = over(p, mix(WHITE, (226, 232, 240), t), cover(d + 3))
        a = round(math.atan2(u, -v) / (math.pi / 6)) * math.pi / 6
        along, across = u * math.sin(a) - v * math.cos(a), u * math.cos(a) + v * math.sin(a)
        major = round(a / (math.pi / 6)) % 3 == 0
        mark = capsule(along, across, 12.5 if major else 14, 0, 15.5, 0, 1.1 if major else 0.6)
        hands = min(clock_hand(u, v, 10 + 10 / 60, 8.5, 1.5), clock_hand(u, v, 2, 12.5, 1.1))
        p = over(p, (70, 76, 86), cover(mark))
        p = over(p, INK, cover(hands))
        return over(p, ACCENT, cover(circle(u, v, 0, 0, 2.2)))
    return icon_frame(inside)


def msgbox_icons():
    return strip([badge((255, 178, 64), (234, 122, 20), question),
                  badge((84, 160, 236), (32, 104, 194), info),
                  badge((240, 88, 76), (200, 32, 36), exclamation), clock()], MAGENTA)


# Caption glyphs fill a 10x10 pixel square whose top left pixel is (l, t).
def g_minimise(x, y, l, t):
    return box(x, y, l, t + 5, l + 10, t + 6)


def outline(x, y, x0, y0, x1, y1):
    return max(box(x, y, x0, y0, x1, y1), -box(x, y, x0 + 1, y0 + 1, x1 - 1, y1 - 1))


def g_maximise(x, y, l, t):
    return outline(x, y, l, t, l + 10, t + 10)


def g_restore(x, y, l, t):
    back = max(outline(x, y, l + 2, t, l + 10, t + 8), -box(x, y, l, t + 2, l + 8, t + 10))
    return min(back, outline(x, y, l, t + 2, l + 8, t + 10))


def g_close(x, y, l, t):
    # 11 px, so the strokes cross in the middle of a pixel instead of making a 2x2 blob
    return min(capsule(x, y, l + 0.5, t + 0.5, l + 10.5, t + 10.5, 0.6),
               capsule(x, y, l + 10.5, t + 0.5, l + 0.5, t + 10.5, 0.6))


def g_menu(x, y, l, t):
    return min(box(x, y, l, t + r, l + 10, t + r + 1) for r in (2, 5, 8))


SHIRT = [(3.5, 0.5), (2.5, 0.5), (0.5, 2.5), (0.5, 3.5), (2.5, 3.5), (2.5, 9.5), (7.5, 9.5), (7.5, 3.5),
         (9.5, 3.5), (9.5, 2.5), (7.5, 0.5), (6.5, 0.5), (5, 2), (3.5, 0.5)]


def g_shirt(x, y, l, t):
    return polyline(x - l, y - t, SHIRT, 0.5)


def g_palette(x, y, l, t):
    body = max(circle(x, y, l + 5, t + 5, 4.5), -circle(x, y, l + 8, t + 7.6, 1.8))
    dots = min(box(x, y, l + dx, t + dy, l + dx + 1, t + dy + 1) for dx, dy in ((3, 3), (5, 2), (2, 5)))
    return min(abs(body) - 0.5, dots)


def caption_frame(w, glyph, ink, ink_alpha=1.0, back=None, back_alpha=1.0, flush=False, ring=0.0):
    left = (w - 10) // 2

    def paint(x, y):
        d = box(x, y, 0, 0, w, 20) if flush else box(x, y, 1, 1, w - 1, 19, 3)
        p = over(CLEAR, back, back_alpha * cover(d)) if back else CLEAR
        p = over(p, WHITE, ring * cover(abs(d + 0.5) - 0.5))
        return over(p, ink, ink_alpha * cover(glyph(x, y, left, 5)))
    return render(w, 20, paint)


def caption_group(w, glyph, close=False):
    hot, pressed = ((RED, 1.0), (RED_DARK, 1.0)) if close else ((WHITE, 0.2), (WHITE, 0.34))
    return [caption_frame(w, glyph, WHITE), caption_frame(w, glyph, WHITE, 1.0, *hot),
            caption_frame(w, glyph, WHITE, 1.0, *pressed), caption_frame(w, glyph, WHITE, 0.4)]


def caption_buttons():
    frames = []
    for glyph in (g_shirt, g_palette):
        frames += caption_group(28, glyph) + [caption_frame(28, glyph, WHITE, 1.0, WHITE, 0.12, ring=0.55)]
    for glyph in (g_menu, g_minimise, g_maximise, g_restore):
        frames += caption_group(28, glyph)
    return strip(frames + caption_group(42, g_close, close=True), DARK_MAGENTA)


def caption_buttons_alt():
    def group(w, glyph, hot, pressed, ink_hot=INK):
        return [caption_frame(w, glyph, INK, flush=True),
                caption_frame(w, glyph, ink_hot, 1.0, *hot, flush=True),
                caption_frame(w, glyph, ink_hot, 1.0, *pressed, flush=True)]
    frames = group(39, g_close, (RED, 1.0), (RED_DARK, 1.0), WHITE)
    for glyph in (g_maximise, g_restore, g_minimise, g_menu, g_shirt):
        frames += group(28, glyph, (BLACK, 0.09), (BLACK, 0.18))
    return strip(frames, MAGENTA)


def light_streak():
    """A white line brightest in row 3 over a faint shadow, fading out towards both ends."""
    rows_alpha = [(WHITE, 0.0), (WHITE, 0.08), (WHITE, 0.55), (WHITE, 1.0), (WHITE, 0.55), (BLACK, 0.16),
                  (BLACK, 0.07)]
    fade = [math.sin(math.pi * x / 480) ** 2 for x in range(481)]
    return [[(*c, round(255 * a * f)) for f in fade] for c, a in rows_alpha]


def tick():
    pts = [(2.0, 6.4), (5.0, 9.4), (11.0, 2.6)]
    return render(13, 12, lambda x, y: over(CLEAR, INK, cover(polyline(x, y, pts, 0.95, capsule))),
                  clear=WHITE)


ASSETS = [  # name, drawing, size, separator, frame widths, marker columns
    ('checkbox', checkbox, (131, 16), MAGENTA, [21] * 6, ()),
    ('radio', radio, (74, 14), DARK_MAGENTA, [14] * 5, ()),
    ('button', button, (41, 24), DARK_MAGENTA, [13] * 3, (5, 7)),
    ('msgbox_icons', msgbox_icons, (191, 57), MAGENTA, [47] * 4, ()),
    ('caption_buttons', caption_buttons, (925, 20), DARK_MAGENTA, [28] * 26 + [42] * 4, ()),
    ('caption_buttons_alt', caption_buttons_alt, (554, 20), MAGENTA, [39] * 3 + [28] * 15, ()),
    ('light_streak', light_streak, (481, 7), None, None, ()),
    ('tick', tick, (13, 12), None, None, ()),
]


# Previews: every picture at 4x over a checkerboard, a dialog grey and a blue caption, plus
# the check box and button put together the way the program draws them.
def flatten(bg, p):
    return tuple(round(b + (c - b) * p[3] / 255) for b, c in zip(bg, p[:3])) + (255,)


def layer(under, top):
    a, b = top[3] / 255, under[3] / 255 * (1 - top[3] / 255)
    if a + b == 0:
        return (0, 0, 0, 0)
    colour = tuple(round((t * a + u * b) / (a + b)) for t, u in zip(top[:3], under[:3]))
    return colour + (round((a + b) * 255),)


def frames_of(rows, sep):
    return [[r[x0:x0 + w] for r in rows] for x0, w in frame_runs(rows, sep)]


def side_by_side(images, gap=3):
    return strip([[r + [(0, 0, 0, 0)] * gap for r in im] for im in images], (0, 0, 0))


def backdrops(h):
    yield lambda x, y: (255, 255, 255) if (x // 8 + y // 8) % 2 else (204, 204, 204)
    yield lambda x, y: (240, 240, 240)
    yield lambda x, y: mix((58, 112, 182), (30, 70, 132), y / h)
    yield lambda x, y: (243, 243, 243)


def sheet(rows, scale=4, wrap=250):
    out = []
    for x0 in range(0, len(rows[0]), wrap):
        part = [r[x0:x0 + wrap] for r in rows]
        w, h = len(part[0]) * scale, len(part) * scale
        for bg in backdrops(h):
            out += [[flatten(bg(x, y), part[y // scale][x // scale]) for x in range(w)] for y in range(h)]
            out += [[(96, 96, 96, 255)] * w] * 2
    width = max(len(r) for r in out)
    return [r + [(96, 96, 96, 255)] * (width - len(r)) for r in out]


def write_previews(folder, drawn):
    os.makedirs(folder, exist_ok=True)
    for name, rows in drawn.items():
        write_png(os.path.join(folder, name + '.png'), sheet(rows))
    cb = frames_of(drawn['checkbox'], MAGENTA)
    combos = [[[layer(b, t) for b, t in zip(box_row, tick_row)] for box_row, tick_row in zip(cb[i], cb[j])]
              for i in (4, 1, 5) for j in (3, 0, 2)]  # each box with the small, big and final tick
    write_png(os.path.join(folder, 'checkbox-checked.png'), sheet(side_by_side(combos)))
    faces = [[r[:4] + [r[6]] * (w - 9) + r[8:] for r in f]
             for f in frames_of(drawn['button'], DARK_MAGENTA) for w in (24, 48)]
    write_png(os.path.join(folder, 'button-stretched.png'), sheet(side_by_side(faces)))


def main(argv):
    out = argv[1]
    drawn = {}
    for name, draw, size, sep, widths, markers in ASSETS:
        drawn[name] = rows = draw()
        check(name, rows, size, sep, widths, markers)
    for name, rows in drawn.items():
        write_png(os.path.join(out, name + '.png'), rows)
    if '--preview' in argv:
        write_previews(argv[argv.index('--preview') + 1], drawn)


if __name__ == '__main__':
    main(sys.argv)
