#!/usr/bin/env python3
"""Writes the tool's icon files: a small grey device with a green lamp and a
network port, drawn per size. Usage: make_icons.py OUTPUT_DIR"""
import os
import struct
import sys

# The 16 colours of the standard VGA palette, as (blue, green, red).
VGA = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
       (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
       (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255)]
MONO = [(0, 0, 0), (255, 255, 255)]
BLACK, DARK_GREY, GREY, WHITE, GREEN, BLUE = 0, 8, 7, 15, 10, 12


def picture(width, height, colours):
    """Index per pixel, or None where the icon is transparent; top row first."""
    mono = colours == 2
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            fx, fy = x / width, y / height
            if not (0.06 <= fx < 0.94 and 0.25 <= fy < 0.81):
                row.append(None)
            elif fx < 0.125 or fx >= 0.875 or fy < 0.31 or fy >= 0.75:
                row.append(BLACK if not mono else 0)
            elif 0.19 <= fx < 0.31 and 0.44 <= fy < 0.56:
                row.append(GREEN if not mono else 0)
            elif 0.5 <= fx < 0.81 and 0.44 <= fy < 0.63:
                row.append(BLUE if not mono else 0)
            else:
                row.append(GREY if not mono else 1)
        rows.append(row)
    return rows


def image(width, height, colours):
    """One icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask."""
    bits = 4 if colours == 16 else 1
    palette = VGA if colours == 16 else MONO
    rows = picture(width, height, colours)
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    data = b''.join(struct.pack('<BBBB', b, g, r, 0) for b, g, r in palette)
    xor_stride = ((width * bits + 31) // 32) * 4
    and_stride = ((width + 31) // 32) * 4
    xor, mask = b'', b''
    for row in reversed(rows):  # bitmaps are stored bottom row first
        value, mbits = 0, 0
        for pixel in row:
            value = (value << bits) | (pixel or 0)
            mbits = (mbits << 1) | (pixel is None)
        xor += (value << (xor_stride * 8 - width * bits)).to_bytes(xor_stride, 'big')
        mask += (mbits << (and_stride * 8 - width)).to_bytes(and_stride, 'big')
    return header + data + xor + mask


def write_icon(path, sizes):
    images = [image(w, h, c) for w, h, c in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (w, h, c), data in zip(sizes, images):
        bits = 4 if c == 16 else 1
        out += struct.pack('<BBBBHHII', w, h, c, 0, 1, bits, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    out = sys.argv[1]
    write_icon(os.path.join(out, 'generic.ico'), [(32, 32, 16), (32, 32, 2), (32, 16, 2), (16, 16, 16)])
    write_icon(os.path.join(out, 'small.ico'), [(16, 16, 16)])
