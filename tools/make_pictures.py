#!/usr/bin/env python3
"""Draws the program's pictures and writes them as BMP and ICO files.

    tools/make_pictures.py OUTDIR

image1.bmp  81 x 393, 8 bpp: the side strip, a relay tower under the sky
image2.bmp  79 x 98, 24-bit  \
image3.bmp  79 x 110, 24-bit  |
image4.bmp  79 x 86, 8 bpp    |  the family, one picture each
image5.bmp  79 x 108, 24-bit  |
image6.bmp  79 x 84, 24-bit  /   all of them together
orvik.ico   32 x 32, 16 colours with a transparency mask

Plain Python 3 without third-party modules, so that anyone can rerun it;
the output is the same on every run.
"""

import math
import os
import struct
import sys


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.pixels[y][x] = colour

    def vgradient(self, y0, y1, top, bottom, steps=32):
        for y in range(y0, y1):
            t = (y - y0) / max(y1 - y0 - 1, 1)
            t = round(t * (steps - 1)) / (steps - 1)
            self.rect(0, y, self.width, y + 1, mix(top, bottom, t))

    def ellipse(self, cx, cy, rx, ry, colour):
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1.0:
                    self.put(x, y, colour)

    def circle(self, cx, cy, r, colour):
        self.ellipse(cx, cy, r, r, colour)

    def polygon(self, points, colour):
        ys = [p[1] for p in points]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for xl, xr in zip(xs[::2], xs[1::2]):
                for x in range(int(math.ceil(xl - 0.5)), int(math.floor(xr - 0.5)) + 1):
                    self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        half = (width - 1) / 2
        for i in range(steps + 1):
            t = i / steps
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            for dy in range(-int(half), int(math.ceil(half)) + 1):
                for dx in range(-int(half), int(math.ceil(half)) + 1):
                    self.put(int(round(x + dx)), int(round(y + dy)), colour)

    def arc(self, cx, cy, r, thickness, a0, a1, colour):
        """A ring segment; angles in degrees, 0 to the right, counter-clockwise."""
        for y in range(int(cy - r - thickness), int(cy + r + thickness) + 1):
            for x in range(int(cx - r - thickness), int(cx + r + thickness) + 1):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                a = math.degrees(math.atan2(cy - (y + 0.5), x + 0.5 - cx)) % 360
                if abs(d - r) <= thickness / 2 and a0 <= a <= a1:
                    self.put(x, y, colour)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


# ---------------------------------------------------------------- file formats

def bmp_rows(canvas, bpp, index=None):
    rows = []
    for y in range(canvas.height - 1, -1, -1):  # bottom-up
        if bpp == 24:
            row = b"".join(bytes((c[2], c[1], c[0])) for c in canvas.pixels[y])
        else:
            row = bytes(index[c] for c in canvas.pixels[y])
        rows.append(row + b"\0" * (-len(row) % 4))
    return b"".join(rows)


def palette_of(canvas, limit):
    colours = sorted({c for row in canvas.pixels for c in row})
    if len(colours) > limit:
        raise SystemExit("picture has %d colours, more than %d" % (len(colours), limit))
    return colours, {c: i for i, c in enumerate(colours)}


def write_bmp(path, canvas, bpp):
    palette = b""
    index = None
    colours = 0
    if bpp == 8:
        entries, index = palette_of(canvas, 256)
        colours = len(entries)
        palette = b"".join(bytes((c[2], c[1], c[0], 0)) for c in entries)
    bits = bmp_rows(canvas, bpp, index)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, bpp, 0, len(bits), 3780, 3780,
                       colours, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + palette + bits)


# The 16 colours of the standard palette, in their usual order.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
       (0, 255, 255), (255, 255, 255)]


def write_ico(path, canvas, transparent):
    """32 x 32, 4 bpp; pixels of the colour `transparent` are masked out."""
    w, h = canvas.width, canvas.height
    index = {c: i for i, c in enumerate(VGA)}
    xor = b""
    mask = b""
    for y in range(h - 1, -1, -1):
        row = canvas.pixels[y]
        nibbles = [0 if c == transparent else index[c] for c in row]
        xor += bytes((nibbles[x] << 4) | nibbles[x + 1] for x in range(0, w, 2))
        bits = 0
        line = b""
        for x, c in enumerate(row):
            bits = (bits << 1) | (1 if c == transparent else 0)
            if x % 8 == 7:
                line += bytes((bits,))
                bits = 0
        mask += line + b"\0" * (-len(line) % 4)
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes((c[2], c[1], c[0], 0)) for c in VGA)
    image = info + palette + xor + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w, h, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)


# ---------------------------------------------------------------- the pictures

SKY_TOP, SKY_LOW = (38, 84, 160), (196, 222, 246)
STEEL, STEEL_DARK = (90, 98, 112), (52, 58, 70)
GRASS, GRASS_DARK = (86, 150, 72), (60, 116, 54)
WAVE = (255, 214, 90)
SKIN, SKIN_SHADE = (246, 206, 170), (222, 172, 138)
WHITE, INK = (255, 255, 255), (40, 36, 44)


def relay_tower():
    c = Canvas(81, 393)
    c.vgradient(0, 330, SKY_TOP, SKY_LOW, steps=48)
    # A few soft clouds.
    for cx, cy, s in ((18, 70, 1.0), (62, 150, 0.8), (24, 236, 0.7)):
        for dx, dy, r in ((0, 0, 9), (9, -4, 8), (17, 1, 7), (-8, 3, 6)):
            c.circle(cx + dx * s, cy + dy * s, r * s, (236, 242, 250))
    # Hills and ground.
    c.ellipse(10, 348, 48, 26, GRASS_DARK)
    c.ellipse(74, 352, 44, 30, GRASS)
    c.rect(0, 352, 81, 393, GRASS)
    for x in range(2, 81, 9):
        c.line(x, 393, x + 3, 372, GRASS_DARK)
    # The lattice tower: two legs narrowing to the top, cross braces.
    base_y, top_y = 356, 64
    left = lambda y: 40.5 - (6 + 16 * (y - top_y) / (base_y - top_y))
    right = lambda y: 40.5 + (6 + 16 * (y - top_y) / (base_y - top_y))
    c.line(left(top_y), top_y, left(base_y), base_y, STEEL_DARK, 2)
    c.line(right(top_y), top_y, right(base_y), base_y, STEEL_DARK, 2)
    y = top_y
    step = 26
    while y + step <= base_y:
        c.line(left(y), y, right(y + step), y + step, STEEL)
        c.line(right(y), y, left(y + step), y + step, STEEL)
        c.line(left(y), y, right(y), y, STEEL_DARK)
        y += step
    c.line(left(y), y, right(y), y, STEEL_DARK)
    # Mast, beacon and dishes.
    c.line(40.5, 22, 40.5, top_y, STEEL_DARK, 2)
    c.circle(40.5, 20, 3.5, (230, 60, 50))
    for dy, side in ((110, -1), (170, 1), (232, -1)):
        x = left(dy) if side < 0 else right(dy)
        c.ellipse(x + side * 4, dy, 4, 7, WHITE)
        c.ellipse(x + side * 5, dy, 2, 5, (200, 206, 214))
    # Waves going out from the top, both ways.
    for i, r in enumerate((10, 18, 26)):
        c.arc(40.5, 20, r, 2.5, 20, 70, WAVE)
        c.arc(40.5, 20, r, 2.5, 110, 160, WAVE)
    return c


def backdrop(width, height, top, bottom, ground):
    c = Canvas(width, height)
    c.vgradient(0, height, top, bottom, steps=24)
    c.rect(0, height - 12, width, height, ground)
    c.rect(0, height - 12, width, height - 10, mix(ground, (0, 0, 0), 0.15))
    return c


def face(c, cx, cy, r, hair, hair_style):
    c.circle(cx, cy, r, SKIN)
    if hair_style == "short":
        c.ellipse(cx, cy - r * 0.55, r * 1.02, r * 0.6, hair)
    elif hair_style == "long":
        c.ellipse(cx, cy - r * 0.6, r * 1.08, r * 0.55, hair)
    elif hair_style == "bun":
        c.circle(cx, cy - r * 1.15, r * 0.45, hair)
        c.ellipse(cx, cy - r * 0.6, r * 1.02, r * 0.5, hair)
    elif hair_style == "tufts":
        for dx in (-0.6, 0.0, 0.6):
            c.circle(cx + dx * r, cy - r * 0.85, r * 0.35, hair)
    eye = max(1, round(r / 6))
    c.rect(int(cx - r * 0.4), int(cy - 1), int(cx - r * 0.4) + eye, int(cy - 1) + eye + 1, INK)
    c.rect(int(cx + r * 0.4) - eye + 1, int(cy - 1), int(cx + r * 0.4) + 1, int(cy - 1) + eye + 1, INK)
    c.arc(cx, cy + r * 0.15, r * 0.45, 1.4, 200, 340, (190, 70, 70))
    c.circle(cx - r * 0.62, cy + r * 0.3, r * 0.16, (240, 160, 150))
    c.circle(cx + r * 0.62, cy + r * 0.3, r * 0.16, (240, 160, 150))


def person(c, cx, feet, height, shirt, legs, hair, hair_style, dress=False):
    r = height * 0.13
    head_y = feet - height + r
    neck = head_y + r
    hip = feet - height * 0.38
    w = height * 0.2
    if hair_style == "long":  # behind the shoulders, drawn first
        c.ellipse(cx, head_y + r * 0.45, r * 1.22, r * 1.4, hair)
    if dress:
        c.polygon([(cx - w * 0.6, neck), (cx + w * 0.6, neck), (cx + w * 1.25, hip + height * 0.12),
                   (cx - w * 1.25, hip + height * 0.12)], shirt)
        c.rect(int(cx - w * 0.55), int(hip + height * 0.12), int(cx - w * 0.15), int(feet), SKIN_SHADE)
        c.rect(int(cx + w * 0.15), int(hip + height * 0.12), int(cx + w * 0.55), int(feet), SKIN_SHADE)
    else:
        c.rect(int(cx - w * 0.6), int(hip), int(cx - w * 0.05), int(feet), legs)
        c.rect(int(cx + w * 0.05), int(hip), int(cx + w * 0.6), int(feet), legs)
        c.polygon([(cx - w * 0.75, neck), (cx + w * 0.75, neck), (cx + w * 0.7, hip + 2), (cx - w * 0.7, hip + 2)],
                  shirt)
    # Arms, waving a little.
    c.line(cx - w * 0.7, neck + 3, cx - w * 1.5, hip - height * 0.05, shirt, max(2, int(height / 20)))
    c.line(cx + w * 0.7, neck + 3, cx + w * 1.6, neck - height * 0.12, shirt, max(2, int(height / 20)))
    c.circle(cx - w * 1.5, hip - height * 0.05, max(1.5, height / 28), SKIN)
    c.circle(cx + w * 1.6, neck - height * 0.12, max(1.5, height / 28), SKIN)
    c.rect(int(cx - w * 0.7), int(feet) - 2, int(cx - w * 0.05), int(feet), INK)
    c.rect(int(cx + w * 0.05), int(feet) - 2, int(cx + w * 0.7), int(feet), INK)
    face(c, cx, head_y, r, hair, hair_style)


def sun(c, x, y, r):
    for a in range(0, 360, 45):
        c.line(x + math.cos(math.radians(a)) * (r + 2), y + math.sin(math.radians(a)) * (r + 2),
               x + math.cos(math.radians(a)) * (r + 5), y + math.sin(math.radians(a)) * (r + 5), (255, 200, 60))
    c.circle(x, y, r, (255, 216, 80))


def flowers(c, y, colours):
    for i, x in enumerate(range(6, c.width, 14)):
        c.line(x, y, x, y - 5, GRASS_DARK)
        c.circle(x, y - 6, 2.2, colours[i % len(colours)])
        c.put(x, y - 6, (255, 240, 120))


def father():
    c = backdrop(79, 98, (120, 176, 230), (214, 236, 250), GRASS)
    sun(c, 64, 14, 6)
    person(c, 38, 88, 70, (52, 96, 170), (60, 60, 76), (74, 52, 40), "short")
    return c


def mother():
    c = backdrop(79, 110, (236, 170, 180), (252, 230, 220), GRASS)
    flowers(c, 99, [(230, 80, 110), (250, 250, 250), (170, 110, 210)])
    person(c, 40, 100, 76, (200, 66, 96), None, (120, 62, 40), "long", dress=True)
    return c


def daughter():
    c = backdrop(79, 86, (170, 214, 150), (232, 246, 214), GRASS_DARK)
    # A balloon on a string.
    c.line(58, 36, 62, 18, INK)
    c.ellipse(63, 12, 6, 8, (230, 70, 70))
    person(c, 36, 76, 54, (250, 180, 60), None, (90, 56, 30), "bun", dress=True)
    return c


def son():
    c = backdrop(79, 108, (150, 200, 240), (226, 240, 252), GRASS)
    # A ball at his feet.
    c.circle(62, 90, 6, WHITE)
    c.circle(62, 90, 2.5, INK)
    person(c, 34, 96, 58, (70, 160, 90), (54, 70, 120), (40, 30, 26), "tufts")
    return c


def everyone():
    c = backdrop(79, 84, (250, 200, 120), (254, 238, 200), GRASS)
    sun(c, 12, 12, 5)
    person(c, 15, 76, 52, (52, 96, 170), (60, 60, 76), (74, 52, 40), "short")
    person(c, 35, 76, 48, (200, 66, 96), None, (120, 62, 40), "long", dress=True)
    person(c, 53, 76, 34, (250, 180, 60), None, (90, 56, 30), "bun", dress=True)
    person(c, 68, 76, 37, (70, 160, 90), (54, 70, 120), (40, 30, 26), "tufts")
    return c


def icon():
    """A tower sending waves, on a round teal badge."""
    clear = (255, 0, 255)
    c = Canvas(32, 32, clear)
    c.circle(16, 16, 15.5, VGA[4])
    c.circle(16, 16, 14, VGA[6])
    for r in (5, 8):
        c.arc(16, 10, r, 1.6, 25, 75, VGA[11])
        c.arc(16, 10, r, 1.6, 105, 155, VGA[11])
    c.line(16, 10, 10, 27, VGA[15], 2)
    c.line(16, 10, 22, 27, VGA[15], 2)
    c.line(12, 21, 20, 21, VGA[15])
    c.line(13.5, 16, 18.5, 16, VGA[15])
    c.circle(16, 9, 2, VGA[9])
    # Snap every colour to the 16 of the palette.
    for y in range(32):
        for x in range(32):
            p = c.pixels[y][x]
            if p != clear and p not in VGA:
                c.pixels[y][x] = min(VGA, key=lambda v: sum((v[i] - p[i]) ** 2 for i in range(3)))
    return c, clear


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "image1.bmp"), relay_tower(), 8)
    write_bmp(os.path.join(out, "image2.bmp"), father(), 24)
    write_bmp(os.path.join(out, "image3.bmp"), mother(), 24)
    write_bmp(os.path.join(out, "image4.bmp"), daughter(), 8)
    write_bmp(os.path.join(out, "image5.bmp"), son(), 24)
    write_bmp(os.path.join(out, "image6.bmp"), everyone(), 24)
    picture, clear = icon()
    write_ico(os.path.join(out, "orvik.ico"), picture, clear)


if __name__ == "__main__":
    main()
