"""The scales the skin pictures are drawn at, and how a 1x figure becomes device pixels.

A set is named by its DPI over 96 in percent, the way Windows names its display scales and
its scaled resources (Logo.scale-150.png); the 1x set keeps the plain name.
"""


def scaled(px, dpi):
    """A whole-pixel figure at the DPI, rounded once, half away from zero, in integers so
    it is exactly the program's own scaled()."""
    n = (2 * abs(px) * dpi + 96) // 192
    return n if px >= 0 else -n


class Scale:
    def __init__(self, dpi):
        self.dpi = dpi
        self.factor = dpi / 96
        self.suffix = '' if dpi == 96 else f'.scale-{dpi * 100 // 96}'

    def __call__(self, v):
        """Free geometry: curves, radii, soft edges and fades scale exactly."""
        return v * self.factor

    def px(self, v):
        """Frame sizes and the positions and sizes of straight edges: whole pixels."""
        return scaled(v, self.dpi)

    def line(self, v):
        """A straight stroke: whole pixels, never thinner than one."""
        return max(1, self.px(v))

    def grid(self, c):
        """A 1x coordinate on the pixel grid: the whole pixel rounds once and a fraction is
        that part of a stroke, so a stroke along 1x pixel centres stays sharp."""
        whole = int(c)
        return self.px(whole) + (c - whole) * self.line(1)


ONE = Scale(96)
SETS = (ONE, Scale(144), Scale(192))
