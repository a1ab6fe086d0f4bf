"""Previews of the skin pictures for the eye: every picture enlarged over a checkerboard,
a dialog grey and a blue caption, plus the check box and button put together the way the
program draws them. The 1x set is shown at 4x, the others at the same size on screen."""
import os

from sdf import mix, write_png


def flatten(bg, p):
    return tuple(round(b + (c - b) * p[3] / 255) for b, c in zip(bg, p[:3])) + (255,)


def layer(under, top):
    a, b = top[3] / 255, under[3] / 255 * (1 - top[3] / 255)
    if a + b == 0:
        return (0, 0, 0, 0)
    colour = tuple(round((t * a + u * b) / (a + b)) for t, u in zip(top[:3], under[:3]))
    return colour + (round((a + b) * 255),)


def side_by_side(images, gap=3):
    """The images with a gap and a black line between them."""
    padded = [[r + [(0, 0, 0, 0)] * gap for r in im] for im in images]
    return [sum((im[y] + [(0, 0, 0, 255)] for im in padded[:-1]), []) + padded[-1][y]
            for y in range(len(padded[0]))]


def backdrops(h):
    yield lambda x, y: (255, 255, 255) if (x // 8 + y // 8) % 2 else (204, 204, 204)
    yield lambda x, y: (240, 240, 240)
    yield lambda x, y: mix((58, 112, 182), (30, 70, 132), y / h)
    yield lambda x, y: (243, 243, 243)


def sheet(rows, scale, wrap):
    out = []
    for x0 in range(0, len(rows[0]), wrap):
        part = [r[x0:x0 + wrap] for r in rows]
        w, h = len(part[0]) * scale, len(part) * scale
        for bg in backdrops(h):
            out += [[flatten(bg(x, y), part[y // scale][x // scale]) for x in range(w)] for y in range(h)]
            out += [[(96, 96, 96, 255)] * w] * 2
    width = max(len(r) for r in out)
    return [r + [(96, 96, 96, 255)] * (width - len(r)) for r in out]


def stretched(frame, markers, width):
    """A nine-grid frame widened the way the program draws it: caps kept, middle tiled."""
    a, b = markers
    return [r[:a - 1] + (r[a + 1:b] * width)[:width - (a - 1) - (len(r) - b - 1)] + r[b + 1:] for r in frame]


def write_previews(folder, k, drawn, checkbox_frames, button_frames, button_markers):
    """drawn maps names to the pictures of the set k."""
    os.makedirs(folder, exist_ok=True)
    zoom, wrap = round(4 / k.factor), k.px(250)

    def save(name, rows):
        write_png(os.path.join(folder, name + k.suffix + '.png'), sheet(rows, zoom, wrap))
    for name, rows in drawn.items():
        save(name, rows)
    cb = checkbox_frames
    combos = [[[layer(b, t) for b, t in zip(box_row, tick_row)] for box_row, tick_row in zip(cb[i], cb[j])]
              for i in (4, 1, 5) for j in (3, 0, 2)]  # each box with the small, big and final tick
    save('checkbox-checked', side_by_side(combos))
    faces = [stretched(f, button_markers, k.px(w)) for f in button_frames for w in (24, 48)]
    save('button-stretched', side_by_side(faces))
