#!/usr/bin/env python3
"""Draws the program icon at the sizes a desktop asks for: a blue rounded tile holding a white
calendar page with a check mark. Pure Python (zlib + struct), so no image library is needed;
run it again after changing the drawing: python3 resources/icons/make_icons.py"""
import os, struct, zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SS = 4  # supersampling per axis, for smooth edges


def inside_round_rect(x, y, x0, y0, x1, y1, r):
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and x0 <= x <= x1 and y0 <= y <= y1


def near_segment(x, y, ax, ay, bx, by, w):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    return (x - px) ** 2 + (y - py) ** 2 <= w * w


def colour_at(u, v):
    """RGBA of the point (u, v) in the unit square."""
    if not inside_round_rect(u, v, 0.04, 0.04, 0.96, 0.96, 0.2):
        return (0, 0, 0, 0)
    if near_segment(u, v, 0.33, 0.60, 0.45, 0.72, 0.045) or near_segment(u, v, 0.45, 0.72, 0.68, 0.45, 0.045):
        return (46, 125, 50, 255)  # the check mark
    for ring in (0.36, 0.64):
        if inside_round_rect(u, v, ring - 0.035, 0.17, ring + 0.035, 0.31, 0.03):
            return (236, 239, 241, 255)  # the page's binder rings
    if inside_round_rect(u, v, 0.2, 0.24, 0.8, 0.82, 0.06):
        return (255, 255, 255, 255) if v > 0.36 else (229, 57, 53, 255)  # page with its red header
    shade = int(30 * v)
    return (30 - shade // 2, 136 - shade, 229 - shade, 255)  # the tile, darker towards the bottom


def render(size):
    rows = []
    for y in range(size):
        row = bytearray([0])
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SS):
                for sx in range(SS):
                    r, g, b, a = colour_at((x + (sx + 0.5) / SS) / size, (y + (sy + 0.5) / SS) / size)
                    acc[0] += r * a; acc[1] += g * a; acc[2] += b * a; acc[3] += a
            alpha = acc[3] / (SS * SS)
            row += bytes([int(acc[0] / acc[3]) if acc[3] else 0, int(acc[1] / acc[3]) if acc[3] else 0,
                          int(acc[2] / acc[3]) if acc[3] else 0, int(round(alpha))])
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b"")


for size in (16, 24, 32, 48, 64, 128, 256):
    with open(os.path.join(HERE, "dayvault-%d.png" % size), "wb") as f:
        f.write(png(size, render(size)))
