#!/usr/bin/env python3
"""Draws the skin pictures: check box, radio button, push button, message box icons,
caption button strips, light streak and tick, as PNG files, each at 1x, 1.5x and 2x
(name.png, name.scale-150.png, name.scale-200.png).

Strips are frames side by side with one separator column between frames; the reader finds
the separators by their colour in pixel row 2. Everything is drawn with sdf.py, so the
output is the same bytes on every run and the build never needs Python.

The larger sets are drawn from the same geometry in device pixels, not enlarged: frame
sizes and straight edges round once to whole pixels as the program rounds its own figures,
so edges stay sharp; separators and nine-grid markers stay one column wide.

Usage: make_skins.py OUTPUT_DIR [--preview DIR]
"""
import math
import os
import sys

sys.dont_write_bytecode = True
from previews import write_previews  # noqa: E402
from scales import ONE, SETS  # noqa: E402
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


def frames_of(rows, sep):
    return [[r[x0:x0 + w] for r in rows] for x0, w in frame_runs(rows, sep)]


def check(name, k, rows, sep=None, widths=(), height=0, markers=None):
    """Asserts the layout the program relies on at the set k: each frame is its 1x size
    scaled, one separator column between frames, and markers(k) gives the frame columns
    that must be full-height nine-grid markers, with identical columns between them so the
    middle tiles without seams."""
    name += k.suffix
    sizes, h = [k.px(fw) for fw in widths], k.px(height)
    assert len(rows) == h and all(len(r) == sum(sizes) + len(sizes) - 1 for r in rows), name + ': size'
    if sep is None:
        return
    runs = frame_runs(rows, sep)
    assert [rw for _, rw in runs] == sizes, f'{name}: frames {runs}'
    columns = markers(k) if markers else ()
    for x0, fw in runs:
        if x0:
            assert all(rows[y][x0 - 1] == (*sep, 255) for y in range(h)), name + ': separator'
        for c in columns:
            assert all(rows[y][x0 + c] == (*MAGENTA, 255) for y in range(h)), name + ': marker'
        if columns:
            middle = [[r[x0 + c] for r in rows] for c in range(columns[0] + 1, columns[1])]
            assert middle and all(m == middle[0] for m in middle), name + ': middle'
        edges = [rows[1][x0 + i] for i in range(fw) if i not in columns] + [rows[y][x0 + 1] for y in range(h)]
        assert (*MAGENTA, 255) not in edges, name + ': stray marker'


# Every drawing takes the set k and works in its device pixels.

# Check box: a 13x13 box at (1, 2) of each 21x16 frame; ticks share the frame origin and
# are given in 1x pixels.
BOX = (1, 2, 13)
TICK = [(4.2, 8.7), (6.6, 11.1), (11.3, 5.7)]


def box_rect(k):
    x, y, n = (k.px(v) for v in BOX)
    return x, y, x + n, y + n


def centre(rect):
    return (rect[0] + rect[2]) / 2, (rect[1] + rect[3]) / 2


def box_frame(k, border, fill):
    rect, line = box_rect(k), k.line(1)

    def paint(x, y):
        d = box(x, y, *rect, k(2))
        return over(over(CLEAR, border, cover(d)), fill, cover(d + line))
    return render(k.px(21), k.px(16), paint)


def tick_frame(k, grow, hw):
    (cx, cy), (ox, oy) = centre(box_rect(k)), centre(box_rect(ONE))
    pts = [(cx + (px - ox) * grow * k.factor, cy + (py - oy) * grow * k.factor) for px, py in TICK]
    return render(k.px(21), k.px(16), lambda x, y: over(CLEAR, ACCENT, cover(polyline(x, y, pts, k(hw), capsule))))


def checkbox(k):
    return strip([tick_frame(k, 1.2, 1.15), box_frame(k, ACCENT, ACCENT_WASH), tick_frame(k, 1.0, 0.95),
                  tick_frame(k, 0.65, 0.8), box_frame(k, GREY_BORDER, WHITE), box_frame(k, OFF_BORDER, OFF_FILL)],
                 MAGENTA)


def radio_frame(k, border, fill, dot=None):
    n = k.px(14)
    c = n / 2

    def paint(x, y):
        d = circle(x, y, c, c, c)
        p = over(over(CLEAR, border, cover(d)), fill, cover(d + k(1.2)))
        return over(p, dot, cover(circle(x, y, c, c, k(3.5)))) if dot else p
    return render(n, n, paint)


def radio(k):
    return strip([radio_frame(k, GREY_BORDER, WHITE), radio_frame(k, ACCENT, ACCENT_WASH),
                  radio_frame(k, ACCENT, WHITE, ACCENT), radio_frame(k, ACCENT, ACCENT_WASH, ACCENT_DARK),
                  radio_frame(k, OFF_BORDER, OFF_FILL)], DARK_MAGENTA)


# Push button frame, 13 px at 1x: a 4 px left cap, one unused column, a marker, the tiled
# middle, a marker and a 5 px right cap. The frame and the caps scale; the unused column
# and the markers stay one pixel each and the middle takes the rest.
def button_layout(k):
    left, right = k.px(4), k.px(5)
    return left, k.px(13) - left - right - 3, right


def button_markers(k):
    left, middle, _ = button_layout(k)
    return left + 1, left + 2 + middle


def button_frame(k, border, border_bottom, top, bottom, shadow=0.0):
    """Draws a face 20 px wide at 1x and cuts it into caps and a middle: column 10 is plain
    interior."""
    w, h, line = k.px(20), k.px(24), k.line(1)

    def paint(x, y):
        d = box(x, y, 0, 0, w, h, k(3))
        p = over(CLEAR, mix(border, border_bottom, min(1, max(0, (y - k(20)) / k(4)))), cover(d))
        p = over(p, mix(top, bottom, (y - k(1)) / k(22)), cover(d + line))
        return over(p, BLACK, shadow * cover(d + line) * max(0, 1 - (y - k(1)) / k(2)))
    face = render(w, h, paint)
    left, middle, right = button_layout(k)
    inner = k.px(10)
    cols = list(range(left)) + [inner, None] + [inner] * middle + [None] + list(range(w - right, w))
    return [[(*MAGENTA, 255) if c is None else row[c] for c in cols] for row in face]


def button(k):
    return strip([button_frame(k, (176, 176, 176), (140, 140, 140), (255, 255, 255), (236, 236, 236)),
                  button_frame(k, ACCENT, ACCENT_DARK, (242, 248, 254), (218, 234, 250)),
                  button_frame(k, ACCENT_DARK, ACCENT_DARK, (192, 216, 242), (206, 227, 249), 0.14)],
                 DARK_MAGENTA)


# Message box icons: a 42 px badge centred in a 47x57 frame; glyphs are drawn in 1x pixels
# from the centre.
ICON_SIZE, ICON_R = (47, 57), 21


def question(u, v):
    return min(arc(u, v, 0, -5.5, 5.5, 165, 60, 2.3), capsule(u, v, 2.75, -0.74, 0, 2.5, 2.3),
               capsule(u, v, 0, 2.5, 0, 4.0, 2.3), circle(u, v, 0, 10, 2.7))


def info(u, v):
    return min(circle(u, v, 0, -10, 2.8), box(u, v, -2.5, -4.5, 2.5, 11.5, 1.2))


def exclamation(u, v):
    stem = polygon(u, v, [(-1.9, -12), (1.9, -12), (1.1, 3.4), (-1.1, 3.4)]) - 0.8
    return min(stem, circle(u, v, 0, 9.5, 2.7))


def icon_frame(k, paint_inside):
    """paint_inside gets the glyph point (u, v) in 1x pixels, the badge's distance in device
    pixels and the shade along it."""
    w, h = (k.px(v) for v in ICON_SIZE)
    cx, cy, r = w / 2, h / 2, k(ICON_R)

    def paint(x, y):
        t = (y - cy + r) / (2 * r)
        p = over(CLEAR, BLACK, 0.2 * min(1, max(0, (k(2) - circle(x, y, cx, cy + k(1.5), r)) / k(4))))
        return paint_inside(p, (x - cx) / k.factor, (y - cy) / k.factor, circle(x, y, cx, cy, r), t)
    return render(w, h, paint)


def badge(k, top, bottom, glyph):
    def inside(p, u, v, d, t):
        fill = mix(top, bottom, t)
        p = over(over(p, mix(fill, BLACK, 0.2), cover(d)), fill, cover(d + k(1)))
        return over(p, WHITE, cover(glyph(u, v) * k.factor))
    return icon_frame(k, inside)


def clock_hand(u, v, hour_angle, length, hw):
    a = math.radians(hour_angle * 30)
    return capsule(u, v, 0, 0, length * math.sin(a), -length * math.cos(a), hw)


def clock(k):
    def inside(p, u, v, d, t):
        p = over(p, mix((62, 134, 214), (28, 88, 164), t), cover(d))
        p = over(p, mix(WHITE, (226, 232, 240), t), cover(d + k(3)))
        a = round(math.atan2(u, -v) / (math.pi / 6)) * math.pi / 6
        along, across = u * math.sin(a) - v * math.cos(a), u * math.cos(a) + v * math.sin(a)
        major = round(a / (math.pi / 6)) % 3 == 0
        mark = capsule(along, across, 12.5 if major else 14, 0, 15.5, 0, 1.1 if major else 0.6)
        hands = min(clock_hand(u, v, 10 + 10 / 60, 8.5, 1.5), clock_hand(u, v, 2, 12.5, 1.1))
        p = over(p, (70, 76, 86), cover(mark * k.factor))
        p = over(p, INK, cover(hands * k.factor))
        return over(p, ACCENT, cover(circle(u, v, 0, 0, 2.2) * k.factor))
    return icon_frame(k, inside)


def msgbox_icons(k):
    return strip([badge(k, (255, 178, 64), (234, 122, 20), question),
                  badge(k, (84, 160, 236), (32, 104, 194), info),
                  badge(k, (240, 88, 76), (200, 32, 36), exclamation), clock(k)], MAGENTA)


# Caption glyphs fill a square 10 px wide at 1x whose top left pixel is (l, t); each gives
# the distance function of its shape, with strokes k.line(1) wide.
def g_minimise(l, t, k):
    y0 = t + k.px(5)
    return lambda x, y: box(x, y, l, y0, l + k.px(10), y0 + k.line(1))


def outline(x, y, x0, y0, x1, y1, line):
    return max(box(x, y, x0, y0, x1, y1), -box(x, y, x0 + line, y0 + line, x1 - line, y1 - line))


def g_maximise(l, t, k):
    g, line = k.px(10), k.line(1)
    return lambda x, y: outline(x, y, l, t, l + g, t + g, line)


def g_restore(l, t, k):
    g, a, b, line = k.px(10), k.px(2), k.px(8), k.line(1)

    def shape(x, y):
        back = max(outline(x, y, l + a, t, l + g, t + b, line), -box(x, y, l, t + a, l + b, t + g))
        return min(back, outline(x, y, l, t + a, l + b, t + g, line))
    return shape


def g_close(l, t, k):
    # one stroke longer than the square (11 px at 1x), so the strokes cross in the middle
    # of a pixel instead of making a 2x2 blob
    a, b, hw = k.line(1) / 2, k.px(10) + k.line(1) / 2, k(0.6)
    return lambda x, y: min(capsule(x, y, l + a, t + a, l + b, t + b, hw),
                            capsule(x, y, l + b, t + a, l + a, t + b, hw))


def g_menu(l, t, k):
    g, line = k.px(10), k.line(1)
    rows = [t + k.px(2) + i * k.px(3) for i in range(3)]
    return lambda x, y: min(box(x, y, l, r, l + g, r + line) for r in rows)


SHIRT = [(3.5, 0.5), (2.5, 0.5), (0.5, 2.5), (0.5, 3.5), (2.5, 3.5), (2.5, 9.5), (7.5, 9.5), (7.5, 3.5),
         (9.5, 3.5), (9.5, 2.5), (7.5, 0.5), (6.5, 0.5), (5, 2), (3.5, 0.5)]


def g_shirt(l, t, k):
    points, hw = [(k.grid(px), k.grid(py)) for px, py in SHIRT], k.line(1) / 2
    return lambda x, y: polyline(x - l, y - t, points, hw)


def g_palette(l, t, k):
    c, line = k.px(10) / 2, k.line(1)
    dots = [(l + k.px(dx), t + k.px(dy)) for dx, dy in ((3, 3), (5, 2), (2, 5))]

    def shape(x, y):
        body = max(circle(x, y, l + c, t + c, k(4.5)), -circle(x, y, l + k(8), t + k(7.6), k(1.8)))
        return min(abs(body) - k(0.5), min(box(x, y, dx, dy, dx + line, dy + line) for dx, dy in dots))
    return shape


def caption_frame(k, w, glyph, ink, ink_alpha=1.0, back=None, back_alpha=1.0, flush=False, ring=0.0):
    w, h, g = k.px(w), k.px(20), k.px(10)
    inset, line = k.px(1), k.line(1)
    shape = glyph((w - g) // 2, (h - g) // 2, k)

    def paint(x, y):
        d = box(x, y, 0, 0, w, h) if flush else box(x, y, inset, inset, w - inset, h - inset, k(3))
        p = over(CLEAR, back, back_alpha * cover(d)) if back else CLEAR
        p = over(p, WHITE, ring * cover(abs(d + line / 2) - line / 2))
        return over(p, ink, ink_alpha * cover(shape(x, y)))
    return render(w, h, paint)


def caption_group(k, w, glyph, close=False):
    hot, pressed = ((RED, 1.0), (RED_DARK, 1.0)) if close else ((WHITE, 0.2), (WHITE, 0.34))
    return [caption_frame(k, w, glyph, WHITE), caption_frame(k, w, glyph, WHITE, 1.0, *hot),
            caption_frame(k, w, glyph, WHITE, 1.0, *pressed), caption_frame(k, w, glyph, WHITE, 0.4)]


def caption_buttons(k):
    frames = []
    for glyph in (g_shirt, g_palette):
        frames += caption_group(k, 28, glyph) + [caption_frame(k, 28, glyph, WHITE, 1.0, WHITE, 0.12, ring=0.55)]
    for glyph in (g_menu, g_minimise, g_maximise, g_restore):
        frames += caption_group(k, 28, glyph)
    return strip(frames + caption_group(k, 42, g_close, close=True), DARK_MAGENTA)


def caption_buttons_alt(k):
    def group(w, glyph, hot, pressed, ink_hot=INK):
        return [caption_frame(k, w, glyph, INK, flush=True),
                caption_frame(k, w, glyph, ink_hot, 1.0, *hot, flush=True),
                caption_frame(k, w, glyph, ink_hot, 1.0, *pressed, flush=True)]
    frames = group(39, g_close, (RED, 1.0), (RED_DARK, 1.0), WHITE)
    for glyph in (g_maximise, g_restore, g_minimise, g_menu, g_shirt):
        frames += group(28, glyph, (BLACK, 0.09), (BLACK, 0.18))
    return strip(frames, MAGENTA)


def light_streak(k):
    """A white line brightest in row 3 over a faint shadow, fading out towards both ends;
    larger sets take each pixel row from the nearest 1x row, so the core stays sharp."""
    rows_alpha = [(WHITE, 0.0), (WHITE, 0.08), (WHITE, 0.55), (WHITE, 1.0), (WHITE, 0.55), (BLACK, 0.16),
                  (BLACK, 0.07)]
    w = k.px(481)
    fade = [math.sin(math.pi * x / (w - 1)) ** 2 for x in range(w)]
    rows = [rows_alpha[min(int((y + 0.5) / k.factor), len(rows_alpha) - 1)] for y in range(k.px(len(rows_alpha)))]
    return [[(*c, round(255 * a * f)) for f in fade] for c, a in rows]


def tick(k):
    pts = [(k(px), k(py)) for px, py in ((2.0, 6.4), (5.0, 9.4), (11.0, 2.6))]
    return render(k.px(13), k.px(12), lambda x, y: over(CLEAR, INK, cover(polyline(x, y, pts, k(0.95), capsule))),
                  clear=WHITE)


ASSETS = [  # name, drawing, separator, frame widths and height at 1x, marker columns at a set
    ('checkbox', checkbox, MAGENTA, [21] * 6, 16, None),
    ('radio', radio, DARK_MAGENTA, [14] * 5, 14, None),
    ('button', button, DARK_MAGENTA, [13] * 3, 24, button_markers),
    ('msgbox_icons', msgbox_icons, MAGENTA, [47] * 4, 57, None),
    ('caption_buttons', caption_buttons, DARK_MAGENTA, [28] * 26 + [42] * 4, 20, None),
    ('caption_buttons_alt', caption_buttons_alt, MAGENTA, [39] * 3 + [28] * 15, 20, None),
    ('light_streak', light_streak, None, [481], 7, None),
    ('tick', tick, None, [13], 12, None),
]


def main(argv):
    out = argv[1]
    for k in SETS:
        drawn = {}
        for name, draw, sep, widths, height, markers in ASSETS:
            drawn[name] = rows = draw(k)
            check(name, k, rows, sep, widths, height, markers)
        # the larger sets travel in kxfix.exe too, so they take the shortest encoding; the
        # 1x pictures keep the plain one their committed bytes have
        for name, rows in drawn.items():
            write_png(os.path.join(out, name + k.suffix + '.png'), rows, smallest=k is not ONE)
        if '--preview' in argv:
            write_previews(argv[argv.index('--preview') + 1], k, drawn, frames_of(drawn['checkbox'], MAGENTA),
                           frames_of(drawn['button'], DARK_MAGENTA), button_markers(k))


if __name__ == '__main__':
    main(sys.argv)
