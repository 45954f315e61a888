#!/usr/bin/env python3
"""Draws the skin's pictures and writes them beside this script:

  background.jpg                 500 x 352 baseline JPEG: a soft gradient with a music disc
  caption_help.png ... .png      caption-button glyphs, 26 x 18 (close: 38 x 18)
  check_empty.png, check_on.png  the check-box pictures, 13 x 13
  arrow_up/down/left/right.png   7 x 4 and 4 x 7

The PNG files are written here byte for byte (32-bit RGBA, no metadata), so a run gives the same
bytes every time. The JPEG is the pixels written as a PPM and encoded by ImageMagick
(Debian's imagemagick package), baseline, quality 90, without metadata.

Run it from anywhere: python3 make_pictures.py
"""
import math
import os
import shutil
import struct
import subprocess
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SUPER = 4  # samples per pixel and axis for the anti-aliased shapes


# ---- PNG ----

def write_png(name, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(png)


def coverage(width, height, inside):
    """Fraction of each pixel's samples for which inside(x, y) holds (pixel centres at +0.5)."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            hits = 0
            for sy in range(SUPER):
                for sx in range(SUPER):
                    if inside(px + (sx + 0.5) / SUPER, py + (sy + 0.5) / SUPER):
                        hits += 1
            row.append(hits / (SUPER * SUPER))
        rows.append(row)
    return rows


def glyph(width, height, inside, colour=(255, 255, 255), alpha=255, shadow=True):
    """A glyph in `colour` on transparent ground, with a soft dark shadow one pixel below."""
    fg = coverage(width, height, inside)
    sh = coverage(width, height, lambda x, y: inside(x, y - 1)) if shadow else None
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            a_fg = fg[y][x] * alpha / 255.0
            a_sh = (sh[y][x] * 0.45) if sh else 0.0
            a = a_fg + a_sh * (1 - a_fg)
            if a <= 0:
                row.append((0, 0, 0, 0))
                continue
            r = (colour[0] * a_fg) / a
            g = (colour[1] * a_fg) / a
            b = (colour[2] * a_fg) / a
            row.append((round(r), round(g), round(b), round(a * 255)))
        pixels.append(row)
    return pixels


def segment(x1, y1, x2, y2, half_width):
    """Inside test of a thick line segment with round ends."""
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / length2))
        cx, cy = x1 + t * dx, y1 + t * dy
        return (x - cx) ** 2 + (y - cy) ** 2 <= half_width * half_width
    return inside


def box_outline(left, top, right, bottom, thickness):
    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        return x < left + thickness or x > right - thickness or y < top + thickness or y > bottom - thickness
    return inside


def union(*tests):
    return lambda x, y: any(t(x, y) for t in tests)


# ---- caption buttons ----

def caption_pictures():
    w, h = 26, 18
    write_png("caption_minimize.png", w, h, glyph(w, h, lambda x, y: 8.5 <= x <= 17.5 and 11.5 <= y <= 13.3))
    write_png("caption_maximize.png", w, h, glyph(w, h, box_outline(8.5, 4.5, 17.5, 13.5, 1.6)))
    back = box_outline(10.5, 3.5, 18.5, 10.5, 1.4)
    front = box_outline(7.5, 6.5, 15.5, 13.5, 1.6)
    front_fill = lambda x, y: 7.5 <= x <= 15.5 and 6.5 <= y <= 13.5
    write_png("caption_restore.png", w, h,
              glyph(w, h, lambda x, y: front(x, y) or (back(x, y) and not front_fill(x, y))))
    write_png("caption_menu.png", w, h, glyph(w, h, union(*(
        (lambda yy: (lambda x, y: 8.5 <= x <= 17.5 and yy <= y <= yy + 1.6))(row) for row in (4.8, 8.2, 11.6)))))
    # a question mark: an arc, a short stem and a dot
    def question(x, y):
        cx, cy, r = 13.0, 6.6, 3.0
        d = math.hypot(x - cx, y - cy)
        angle = math.degrees(math.atan2(y - cy, x - cx))
        on_arc = abs(d - r) <= 0.85 and not (95 < angle < 200)
        stem = segment(13.0, 9.6, 13.0, 11.0, 0.85)(x, y)
        dot = math.hypot(x - 13.0, y - 13.6) <= 1.0
        return on_arc or stem or dot
    write_png("caption_help.png", w, h, glyph(w, h, question))
    cw = 38
    cross = union(segment(15.0, 5.0, 23.0, 13.0, 0.95), segment(23.0, 5.0, 15.0, 13.0, 0.95))
    write_png("caption_close.png", cw, h, glyph(cw, h, cross))


# ---- check boxes and arrows ----

def rounded_inside(left, top, right, bottom, radius):
    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def check_pictures():
    size = 13
    outer = rounded_inside(0.5, 0.5, 12.5, 12.5, 2.5)
    inner = rounded_inside(1.6, 1.6, 11.4, 11.4, 1.6)
    edge = coverage(size, size, lambda x, y: outer(x, y) and not inner(x, y))
    face = coverage(size, size, inner)
    mark = coverage(size, size, union(segment(3.4, 6.8, 5.6, 9.0, 0.9), segment(5.6, 9.0, 9.8, 3.8, 0.9)))

    def picture(with_mark):
        pixels = []
        for y in range(size):
            row = []
            for x in range(size):
                # white face shading to light grey, a dark grey rim, the mark in near black
                shade = 255 - 3 * y
                layers = [((shade, shade, shade), face[y][x] * 0.85), ((70, 70, 76), edge[y][x])]
                if with_mark:
                    layers.append(((24, 24, 28), mark[y][x]))
                r = g = b = 0.0
                a = 0.0
                for (cr, cg, cb), ca in layers:
                    r = cr * ca + r * (1 - ca)
                    g = cg * ca + g * (1 - ca)
                    b = cb * ca + b * (1 - ca)
                    a = ca + a * (1 - ca)
                if a <= 0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append((round(r / a), round(g / a), round(b / a), round(a * 255)))
            pixels.append(row)
        return pixels

    write_png("check_empty.png", size, size, picture(False))
    write_png("check_on.png", size, size, picture(True))


def arrow_pictures():
    dark = (40, 40, 44)
    # down: a triangle 7 wide at the top, pointing down over 4 rows
    down = lambda x, y: y >= 0 and y <= 4 and abs(x - 3.5) <= 3.5 * (1 - y / 4.0) + 0.3
    up = lambda x, y: down(x, 4 - y)
    right = lambda x, y: down(y, x)
    left = lambda x, y: down(y, 4 - x)
    write_png("arrow_down.png", 7, 4, glyph(7, 4, down, dark, shadow=False))
    write_png("arrow_up.png", 7, 4, glyph(7, 4, up, dark, shadow=False))
    write_png("arrow_right.png", 4, 7, glyph(4, 7, right, dark, shadow=False))
    write_png("arrow_left.png", 4, 7, glyph(4, 7, left, dark, shadow=False))


# ---- background ----

def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def background_pixel(x, y, w, h):
    # a diagonal gradient from deep teal to dusk violet
    t = (x / w) * 0.45 + (y / h) * 0.55
    base = mix((22, 58, 82), (70, 40, 92), t)
    # a soft light in the upper left
    glow = math.exp(-(((x - 90) / 220.0) ** 2 + ((y - 40) / 160.0) ** 2))
    base = mix(base, (120, 170, 190), 0.35 * glow)
    # the disc, low on the right: grooves, a label and the spindle hole, blended in lightly
    cx, cy, radius = 395.0, 250.0, 150.0
    d = math.hypot(x - cx, y - cy) / radius
    if d < 1.0:
        edge = min(1.0, (1.0 - d) * 40.0)  # soft rim
        if d < 0.05:
            disc, strength = base, 0.0
        elif d < 0.33:
            disc, strength = (225, 150, 70), 0.30
        else:
            groove = 0.5 + 0.5 * math.sin(d * radius * 1.3)
            shine = max(0.0, math.cos(math.atan2(y - cy, x - cx) * 2 + 0.8)) ** 6
            g = 18 + 22 * groove + 90 * shine
            disc, strength = (g, g, g + 6), 0.42
        base = mix(base, disc, strength * edge)
    return tuple(max(0, min(255, round(c))) for c in base)


def background_picture():
    w, h = 500, 352
    ppm = bytearray(b"P6\n%d %d\n255\n" % (w, h))
    for y in range(h):
        for x in range(w):
            ppm += bytes(background_pixel(x, y, w, h))
    convert = shutil.which("convert-im6.q16") or shutil.which("convert")
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "background.ppm")
        with open(source, "wb") as f:
            f.write(ppm)
        subprocess.run([convert, source, "-strip", "-interlace", "none", "-sampling-factor", "2x2",
                        "-quality", "90", "jpeg:" + os.path.join(HERE, "background.jpg")], check=True)


if __name__ == "__main__":
    caption_pictures()
    check_pictures()
    arrow_pictures()
    background_picture()
