#!/usr/bin/env python3
"""Draws the wizard's artwork: the product picture, the maker's logo, the
licence header, the language flags (24-bit BMP) and the program icon (ICO).

Usage: make_artwork.py OUTPUT_FOLDER

Every picture is a list of shapes painted in order and sampled 4 x 4 times per
pixel, so edges come out smooth without any imaging library.
"""
import math
import os
import struct
import sys

SCREEN_BACKGROUND = (243, 243, 245)  # the screens' own background colour
WHITE = (255, 255, 255)
SAMPLES = 4


# --- shapes: each is inside(x, y) -> bool, with a colour or colour(x, y) ---

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def star(cx, cy, outer, inner, rotation=-math.pi / 2):
    points = []
    for k in range(10):
        radius = outer if k % 2 == 0 else inner
        angle = rotation + k * math.pi / 5
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return polygon(points)


def difference(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def vertical_gradient(top_y, bottom_y, top, bottom):
    def colour(x, y):
        t = min(max((y - top_y) / (bottom_y - top_y), 0.0), 1.0)
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
    return colour


FONT = {
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
}


def text(word, x0, y0, cell, spacing):
    """A word in the 5 x 7 letter grid, each grid cell cell x cell pixels."""
    cells = set()
    for index, letter in enumerate(word):
        left = index * (5 + spacing)
        for row, line in enumerate(FONT[letter]):
            for column, mark in enumerate(line):
                if mark == "#":
                    cells.add((left + column, row))

    def inside(x, y):
        return (math.floor((x - x0) / cell), math.floor((y - y0) / cell)) in cells
    return inside


class Picture:
    def __init__(self, width, height, background):
        self.width, self.height, self.background = width, height, background
        self.layers = []

    def add(self, inside, colour):
        paint = colour if callable(colour) else (lambda x, y, c=colour: c)
        self.layers.append((inside, paint))

    def render(self):
        """Rows of (r, g, b, alpha) from the top; alpha 0..255."""
        rows = []
        step = 1.0 / SAMPLES
        for py in range(self.height):
            row = []
            for px in range(self.width):
                total = [0.0, 0.0, 0.0]
                covered = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        x = px + (sx + 0.5) * step
                        y = py + (sy + 0.5) * step
                        colour = None
                        for inside, paint in reversed(self.layers):
                            if inside(x, y):
                                colour = paint(x, y)
                                break
                        if colour is None:
                            colour = self.background
                        if colour is not None:
                            covered += 1
                            for i in range(3):
                                total[i] += colour[i]
                n = SAMPLES * SAMPLES
                if covered:
                    rgb = tuple(int(round(total[i] / covered)) for i in range(3))
                else:
                    rgb = (0, 0, 0)
                row.append(rgb + (int(round(255 * covered / n)),))
            rows.append(row)
        return rows


def write_bmp(path, rows):
    """24 bits per pixel, bottom-up, rows padded to four bytes."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(rows):
        for r, g, b, _ in row:
            data += bytes((b, g, r))
        data += b"\0" * (stride - width * 3)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + data)


def write_ico(path, images):
    """32-bit images with alpha, each with the AND mask older systems read."""
    blobs = []
    for rows in images:
        height, width = len(rows), len(rows[0])
        pixels = bytearray()
        for row in reversed(rows):
            for r, g, b, a in row:
                pixels += bytes((b, g, r, a))
        mask_stride = (width + 31) // 32 * 4
        mask = bytearray()
        for row in reversed(rows):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
        blobs.append((width, height, info + pixels + mask))
    offset = 6 + 16 * len(blobs)
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    for width, height, blob in blobs:
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as out:
        out.write(directory + b"".join(blob for _, _, blob in blobs))


# --- the pictures ---

def add_archive_box(picture, x0, y0, width, height):
    """A zipped archive box: body, lid, zipper and its pull, inside the box
    (x0, y0, width, height)."""
    def at(u, v):
        return x0 + u * width, y0 + v * height

    body = rounded_rect(*at(0.08, 0.22), *at(0.92, 0.98), 0.07 * width)
    picture.add(body, vertical_gradient(at(0, 0.22)[1], at(0, 0.98)[1], (52, 122, 204), (24, 66, 138)))
    lid = rounded_rect(*at(0.0, 0.06), *at(1.0, 0.30), 0.06 * width)
    picture.add(lid, vertical_gradient(at(0, 0.06)[1], at(0, 0.30)[1], (118, 184, 240), (64, 138, 214)))
    picture.add(rect(*at(0.06, 0.09), *at(0.94, 0.12)), (168, 212, 248))
    # The zipper: a dark track with light teeth left and right in turn.
    picture.add(rect(*at(0.44, 0.06), *at(0.56, 0.80)), (30, 40, 64))
    teeth = 12
    for k in range(teeth):
        top = 0.08 + k * (0.70 / teeth)
        left = 0.44 if k % 2 == 0 else 0.50
        picture.add(rect(*at(left, top), *at(left + 0.06, top + 0.70 / teeth * 0.7)), (214, 220, 232))
    pull = rounded_rect(*at(0.40, 0.76), *at(0.60, 0.96), 0.04 * width)
    hole = rounded_rect(*at(0.46, 0.86), *at(0.54, 0.92), 0.015 * width)
    picture.add(difference(pull, hole), vertical_gradient(at(0, 0.76)[1], at(0, 0.96)[1], (236, 238, 244), (160, 166, 182)))


def product_picture():
    picture = Picture(117, 128, SCREEN_BACKGROUND)
    picture.add(ellipse(58.5, 117, 46, 7), (214, 214, 222))
    add_archive_box(picture, 10, 12, 97, 104)
    return picture


def program_icon(size):
    picture = Picture(size, size, None)
    add_archive_box(picture, 0, 0, size, size)
    return picture


def maker_logo():
    picture = Picture(150, 40, SCREEN_BACKGROUND)
    hexagon = [(19 + 15 * math.cos(a), 20 + 15 * math.sin(a))
               for a in (math.pi / 6 + k * math.pi / 3 for k in range(6))]
    picture.add(polygon(hexagon), vertical_gradient(5, 35, (248, 150, 52), (214, 92, 20)))
    picture.add(text("K", 14, 13, 2, 1), WHITE)
    picture.add(text("KELVARION", 40, 13, 2, 1), (44, 44, 88))
    return picture


def license_header():
    picture = Picture(60, 55, WHITE)
    sheet = [(13, 5), (40, 5), (49, 14), (49, 51), (13, 51)]
    picture.add(polygon([(x + (1 if x > 30 else -1), y + (1 if y > 30 else -1)) for x, y in sheet]), (140, 146, 164))
    picture.add(polygon(sheet), (250, 250, 252))
    picture.add(polygon([(40, 5), (49, 14), (40, 14)]), (214, 218, 228))
    for k, right in enumerate((36, 44, 44, 44, 32)):
        picture.add(rect(18, 18 + 5 * k, right, 20 + 5 * k), (166, 172, 190))
    picture.add(polygon([(36, 46), (40, 55), (42, 52), (45, 55), (45, 46)]), (170, 30, 30))
    picture.add(polygon([(44, 46), (44, 55), (47, 52), (50, 55), (50, 46)]), (150, 24, 24))
    picture.add(circle(43, 44, 7.5), (196, 38, 38))
    picture.add(circle(43, 44, 5), (232, 86, 72))
    return picture


def horizontal_bands(*colours_and_weights):
    """Horizontal stripes; each argument (colour, weight)."""
    picture = Picture(16, 12, None)
    total = sum(weight for _, weight in colours_and_weights)
    top = 0.0
    for colour, weight in colours_and_weights:
        bottom = top + 12.0 * weight / total
        picture.add(rect(0, top, 16, bottom), colour)
        top = bottom
    return picture


def vertical_bands(*colours):
    picture = Picture(16, 12, None)
    width = 16.0 / len(colours)
    for k, colour in enumerate(colours):
        picture.add(rect(k * width, 0, (k + 1) * width, 12), colour)
    return picture


RED = (206, 17, 38)
BLUE = (0, 56, 168)
GREEN = (0, 122, 61)
YELLOW = (252, 209, 22)
BLACK = (20, 20, 20)


def flag_en():
    picture = Picture(16, 12, (1, 33, 105))

    def band(x0, y0, x1, y1, half_width):
        length = math.hypot(x1 - x0, y1 - y0)
        return lambda x, y: abs((x - x0) * (y1 - y0) - (y - y0) * (x1 - x0)) / length <= half_width
    picture.add(band(0, 0, 16, 12, 1.6), WHITE)
    picture.add(band(0, 12, 16, 0, 1.6), WHITE)
    picture.add(band(0, 0, 16, 12, 0.6), (200, 16, 46))
    picture.add(band(0, 12, 16, 0, 0.6), (200, 16, 46))
    picture.add(rect(6, 0, 10, 12), WHITE)
    picture.add(rect(0, 4, 16, 8), WHITE)
    picture.add(rect(7, 0, 9, 12), (200, 16, 46))
    picture.add(rect(0, 5, 16, 7), (200, 16, 46))
    return picture


def flag_ar():
    picture = Picture(16, 12, (0, 108, 53))
    picture.add(rect(3, 4, 13, 5.2), WHITE)
    picture.add(rect(4, 7.5, 12, 8.3), WHITE)
    picture.add(rect(11, 6.8, 12, 8.3), WHITE)
    return picture


def flag_fa():
    picture = horizontal_bands((GREEN, 1), (WHITE, 1), (RED, 1))
    picture.add(circle(8, 6, 1.6), RED)
    picture.add(circle(8, 6, 0.8), WHITE)
    return picture


def flag_ja():
    picture = Picture(16, 12, WHITE)
    picture.add(circle(8, 6, 3.6), (188, 0, 45))
    return picture


def flag_ko():
    picture = Picture(16, 12, WHITE)
    picture.add(circle(8, 6, 3.2), (0, 71, 160))
    upper = lambda x, y: y < 6 + 0.8 * math.sin((x - 8) * math.pi / 3.2)
    picture.add(lambda x, y: circle(8, 6, 3.2)(x, y) and upper(x, y), (205, 46, 58))
    for x0, y0 in ((1.5, 1.5), (12.5, 1.5), (1.5, 8.5), (12.5, 8.5)):
        picture.add(rect(x0, y0, x0 + 2, y0 + 2), BLACK)
    return picture


def flag_ms():
    picture = Picture(16, 12, WHITE)
    for k in range(0, 12, 2):
        picture.add(rect(0, k, 16, k + 1), (204, 0, 1))
    picture.add(rect(0, 0, 8, 7), (1, 0, 102))
    picture.add(difference(circle(3.4, 3.5, 2.4), circle(4.2, 3.5, 2.0)), YELLOW)
    picture.add(star(6.0, 3.5, 1.6, 0.7), YELLOW)
    return picture


def flag_pt_br():
    picture = Picture(16, 12, (0, 151, 57))
    picture.add(polygon([(8, 1.2), (14.8, 6), (8, 10.8), (1.2, 6)]), (254, 221, 0))
    picture.add(circle(8, 6, 2.9), (1, 33, 105))
    picture.add(lambda x, y: circle(8, 6, 2.9)(x, y) and abs((y - 6) + 0.25 * (x - 8) + 0.3) < 0.45, WHITE)
    return picture


def flag_th():
    return horizontal_bands(((165, 25, 49), 1), (WHITE, 1), ((45, 42, 74), 2), (WHITE, 1), ((165, 25, 49), 1))


def flag_tr():
    picture = Picture(16, 12, (227, 10, 23))
    picture.add(difference(circle(6.2, 6, 3.2), circle(7.0, 6, 2.6)), WHITE)
    picture.add(star(10.2, 6, 1.5, 0.6, rotation=0.0), WHITE)
    return picture


def flag_vi():
    picture = Picture(16, 12, (218, 37, 29))
    picture.add(star(8, 6.3, 3.8, 1.5), (255, 255, 0))
    return picture


def flag_zh():
    picture = Picture(16, 12, (238, 28, 37))
    picture.add(star(3.2, 3.2, 2.2, 0.9), (255, 255, 0))
    for cx, cy in ((6.2, 1.2), (7.4, 2.6), (7.4, 4.4), (6.2, 5.6)):
        picture.add(star(cx, cy, 0.8, 0.35), (255, 255, 0))
    return picture


def flag_es():
    picture = horizontal_bands(((170, 21, 27), 1), ((241, 191, 0), 2), ((170, 21, 27), 1))
    picture.add(rect(3, 4.5, 5.5, 7.5), (173, 21, 25))
    return picture


FLAGS = {
    "ar": flag_ar,
    "de": lambda: horizontal_bands((BLACK, 1), ((221, 0, 0), 1), ((255, 206, 0), 1)),
    "en": flag_en,
    "es": flag_es,
    "fa": flag_fa,
    "fr": lambda: vertical_bands((0, 35, 149), WHITE, (237, 41, 57)),
    "in": lambda: horizontal_bands(((255, 0, 0), 1), (WHITE, 1)),
    "it": lambda: vertical_bands((0, 146, 70), WHITE, (206, 43, 55)),
    "ja": flag_ja,
    "ko": flag_ko,
    "ms": flag_ms,
    "pl": lambda: horizontal_bands((WHITE, 1), ((220, 20, 60), 1)),
    "pt_br": flag_pt_br,
    "ru": lambda: horizontal_bands((WHITE, 1), ((0, 57, 166), 1), ((213, 43, 30), 1)),
    "th": flag_th,
    "tr": flag_tr,
    "vi": flag_vi,
    "zh": flag_zh,
}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_artwork.py OUTPUT_FOLDER")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "product_picture.bmp"), product_picture().render())
    write_bmp(os.path.join(out, "maker_logo.bmp"), maker_logo().render())
    write_bmp(os.path.join(out, "license_header.bmp"), license_header().render())
    for code, draw in FLAGS.items():
        write_bmp(os.path.join(out, "flag_%s.bmp" % code), draw().render())
    write_ico(os.path.join(out, "product.ico"), [program_icon(size).render() for size in (48, 32, 16)])


if __name__ == "__main__":
    main()
