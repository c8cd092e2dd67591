#!/usr/bin/env python3
"""Draws the preview pane's pictures (button pictures and the pane's
placeholder) as PNG files beside this script. Plain Python, no imaging
library: shapes are filled per pixel with 4x4 supersampling."""

import math
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent


def write_png(path, width, height, pixels):
    raw = b"".join(b"\x00" + bytes(pixels[y * width * 4:(y + 1) * width * 4]) for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def render(width, height, layers):
    """layers: (colour (r,g,b), inside(x, y) -> bool), painted in order."""
    pixels = [0] * (width * height * 4)
    samples = [(i + 0.5) / 4 for i in range(4)]
    for y in range(height):
        for x in range(width):
            r = g = b = a = 0.0
            for colour, inside in layers:
                hits = sum(1 for sy in samples for sx in samples if inside(x + sx, y + sy))
                cover = hits / 16
                if cover:
                    # paint over what is below
                    r = colour[0] * cover + r * (1 - cover)
                    g = colour[1] * cover + g * (1 - cover)
                    b = colour[2] * cover + b * (1 - cover)
                    a = cover + a * (1 - cover)
            i = (y * width + x) * 4
            if a > 0:
                pixels[i:i + 4] = [round(r / a), round(g / a), round(b / a), round(a * 255)]
    return pixels


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def line(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2
    return inside


def gear(cx, cy, outer, inner, teeth):
    def inside(x, y):
        angle = math.atan2(y - cy, x - cx)
        distance = math.hypot(x - cx, y - cy)
        tooth = (math.cos(angle * teeth) > 0.2)
        return distance <= (outer if tooth else inner) and distance >= inner * 0.45
    return inside


INK = (225, 230, 236)
ACCENT = (88, 170, 255)
WARN = (235, 80, 70)
S = 24

speaker = polygon([(4, 9), (8, 9), (13, 4), (13, 20), (8, 15), (4, 15)])

PICTURES = {
    "play.png": [(INK, polygon([(7, 4), (20, 12), (7, 20)]))],
    "pause.png": [(INK, rect(6, 5, 10, 19)), (INK, rect(14, 5, 18, 19))],
    "stop.png": [(INK, rect(6, 6, 18, 18))],
    # the sound waves only on the right of the speaker
    "mute.png": [(INK, speaker),
                 (INK, lambda x, y: x > 14.5 and 5.5 ** 2 <= (x - 12) ** 2 + (y - 12) ** 2 <= 7.2 ** 2),
                 (INK, lambda x, y: x > 14.5 and 2.2 ** 2 <= (x - 12) ** 2 + (y - 12) ** 2 <= 3.6 ** 2)],
    "unmute.png": [(INK, speaker), (WARN, line(15, 8, 21, 16, 2)), (WARN, line(21, 8, 15, 16, 2))],
    "snapshot.png": [(INK, rect(3, 8, 21, 19)), (INK, rect(8, 5, 15, 8)),
                     ((40, 44, 52), circle(12, 13.5, 4.2)), (ACCENT, circle(12, 13.5, 2.6))],
    "settings.png": [(INK, gear(12, 12, 9, 6.5, 8))],
}


def placeholder():
    width, height = 64, 48
    return width, height, render(width, height, [
        ((70, 76, 88), rect(4, 6, 60, 42)),
        ((40, 44, 52), rect(8, 10, 56, 38)),
        ((70, 76, 88), polygon([(26, 16), (40, 24), (26, 32)])),
    ])


OUTLINE = (30, 33, 40)


def outlined(layers):
    """A dark rim one pixel wide under the shapes, so that the light pictures
    read on light buttons as well as on dark ones."""
    shapes = [inside for _, inside in layers]
    offsets = [(dx, dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)]

    def rim(x, y):
        return any(inside(x + dx, y + dy) for inside in shapes for dx, dy in offsets)
    return [(OUTLINE, rim)] + layers


def main():
    for name, layers in PICTURES.items():
        write_png(HERE / name, S, S, render(S, S, outlined(layers)))
    width, height, pixels = placeholder()
    write_png(HERE / "placeholder.png", width, height, pixels)


if __name__ == "__main__":
    main()
