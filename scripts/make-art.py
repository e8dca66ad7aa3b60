#!/usr/bin/env python3
"""Draws the suite's own icons and About pictures (pure Python, no imaging library) and
writes them as .ico and 24-bit .bmp files for the resource scripts.
    make-art.py <out dir>
"""
import math
import os
import struct
import sys


def blend(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def dirvista_pixel(x, y, n):
    """A pie chart: three slices on a round disc, transparent outside."""
    c = (n - 1) / 2.0
    r = n * 0.46
    dx, dy = x - c, c - y
    d = math.hypot(dx, dy)
    if d > r:
        return None
    if d > r - max(1.0, n / 24):
        return (40, 48, 60)
    ang = (math.degrees(math.atan2(dy, dx)) + 360) % 360
    if ang < 150:
        return (230, 126, 34)
    if ang < 260:
        return (52, 152, 219)
    return (46, 204, 113)


def renamory_pixel(x, y, n):
    """A page with lines and a diagonal pencil."""
    u, v = x / n, y / n
    # pencil along the diagonal in the lower right
    px, py = u - 0.55, v - 0.55
    along = (px + py) / math.sqrt(2)
    across = (px - py) / math.sqrt(2)
    if -0.28 < along < 0.38 and abs(across) < 0.08:
        if along > 0.30:
            return (60, 60, 60)
        return (241, 196, 15) if along > -0.2 else (231, 76, 60)
    if 0.16 <= u <= 0.72 and 0.08 <= v <= 0.92:
        if u < 0.19 or u > 0.69 or v < 0.11 or v > 0.89:
            return (60, 81, 98)
        if 0.26 <= u <= 0.62 and any(abs(v - l) < 0.025 for l in (0.28, 0.42, 0.56, 0.70)):
            return (107, 124, 140)
        return (255, 255, 255)
    return None


def ico(pixel_fn, sizes):
    images = []
    for n in sizes:
        rows = []
        mask_rows = []
        for y in range(n - 1, -1, -1):  # bottom-up
            row = b""
            bits = []
            for x in range(n):
                p = pixel_fn(x, y, n)
                if p is None:
                    row += b"\0\0\0\0"
                    bits.append(1)
                else:
                    row += bytes((p[2], p[1], p[0], 255))
                    bits.append(0)
            rows.append(row)
            mrow = bytearray((n + 31) // 32 * 4)
            for i, b in enumerate(bits):
                if b:
                    mrow[i // 8] |= 0x80 >> (i % 8)
            mask_rows.append(bytes(mrow))
        header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        images.append((n, header + b"".join(rows) + b"".join(mask_rows)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in images:
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(d for _, d in images)


def bmp(width, height, pixel_fn):
    stride = (width * 3 + 3) & ~3
    data = b""
    for y in range(height - 1, -1, -1):
        row = b"".join(bytes((p[2], p[1], p[0])) for p in (pixel_fn(x, y) for x in range(width)))
        data += row + b"\0" * (stride - width * 3)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def about_left(icon_fn, top, bottom):
    def fn(x, y):
        base = blend(top, bottom, y / 186.0)
        p = icon_fn(x - 11, y - 40, 128) if 11 <= x < 139 and 40 <= y < 168 else None
        return p if p is not None else base
    return fn


def about_banner(accent):
    def fn(x, y):
        t = x / 219.0
        base = blend((255, 255, 255), (235, 240, 245), t)
        if 8 <= y <= 12:
            return accent
        if 60 <= y <= 62 and x < 180:
            return (60, 81, 98)
        return base
    return fn


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    arts = {
        "dirvista": (dirvista_pixel, (107, 124, 140), (60, 81, 98), (230, 126, 34)),
        "renamory": (renamory_pixel, (140, 160, 120), (60, 81, 98), (241, 196, 15)),
    }
    for name, (fn, top, bottom, accent) in arts.items():
        with open(os.path.join(out, name + ".ico"), "wb") as f:
            f.write(ico(fn, (16, 32, 48)))
        with open(os.path.join(out, name + "-about-295.bmp"), "wb") as f:
            f.write(bmp(150, 187, about_left(fn, top, bottom)))
        with open(os.path.join(out, name + "-about-296.bmp"), "wb") as f:
            f.write(bmp(220, 75, about_banner(accent)))


if __name__ == "__main__":
    main()
