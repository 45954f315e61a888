#!/usr/bin/env python3
"""Draws the program's icon, a music disc, and writes DEFAULT_ICON.ico (32x32 and 16x16,
32-bit colour with alpha). Run it from anywhere: python3 make_icon.py; the output is the same
bytes every time."""
import math
import os
import struct


def disc_pixel(x, y, size):
    """The colour (r, g, b, a) of pixel (x, y): a dark disc with grooves, a green label and a hole."""
    c = (size - 1) / 2.0
    r = math.hypot(x - c, y - c) / (size / 2.0)
    if r > 0.97:
        return (0, 0, 0, 0)
    if r < 0.10:
        return (0, 0, 0, 0)                       # the spindle hole
    if r < 0.36:
        return (76, 175, 80, 255)                 # the label
    if r > 0.90:
        return (30, 30, 34, 255)                  # the rim
    groove = int(r * size * 0.75) % 2
    shade = 40 + 18 * groove
    # a highlight across the upper left quarter
    if x < c and y < c and abs((x - c) - (y - c)) < size * 0.06:
        shade += 60
    return (shade, shade, shade + 6, 255)


def image(size):
    """One icon image: BITMAPINFOHEADER (double height), BGRA rows bottom-up, the AND mask."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    mask_rows = []
    mask_stride = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        row = bytearray()
        mask = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = disc_pixel(x, y, size)
            row += bytes((b, g, r, a))
            if a == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))
    return header + b''.join(rows) + b''.join(mask_rows)


def main():
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'DEFAULT_ICON.ico')
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
