#!/usr/bin/env python3
"""Draws the mouse pointers the map view shows for its tools.

Run from anywhere:  python3 res/art/make_cursors.py
Writes res/cursor_pen.cur, cursor_eraser.cur, cursor_rectangle.cur, cursor_fill.cur,
cursor_selection.cur, cursor_line.cur, cursor_terrain.cur, cursor_start.cur and cursor_paste.cur: 32 x 32 two-colour cursors, black shapes
with a white edge (or white with a black edge), so each shows on light and dark chips.
Only the standard library is used; the outputs are committed and the build never runs
this script.

The hot spot is the pixel that names the cell: the pen's and the eraser's tip, the
centre of the cross of the rectangle, the fill, the selection, the line, the terrain and the start
position (the very pixel the start position becomes), and the top-left corner of the pasted block.
"""
import math
import os
import struct

RES_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
SIZE = 32
BLACK, WHITE = 0, 1


class Cursor:
    def __init__(self, hot_x, hot_y):
        self.pixels = [[None] * SIZE for _ in range(SIZE)]  # None: transparent
        self.hot = (hot_x, hot_y)

    def put(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills [x0, x1] x [y0, y1]."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour, dash=0):
        """The edge of [x0, x1] x [y0, y1]; with dash, every other run of dash pixels."""
        edge = [(x, y0) for x in range(x0, x1 + 1)] + [(x1, y) for y in range(y0 + 1, y1 + 1)]
        edge += [(x, y1) for x in range(x1 - 1, x0 - 1, -1)] + [(x0, y) for y in range(y1 - 1, y0, -1)]
        for i, (x, y) in enumerate(edge):
            if dash == 0 or (i // dash) % 2 == 0:
                self.put(x, y, colour)

    def polygon(self, points, fill, edge):
        """A filled polygon whose outermost pixels take the edge colour."""
        inside = set()
        for y in range(SIZE):
            for x in range(SIZE):
                if contains(points, x + 0.5, y + 0.5):
                    inside.add((x, y))
        for (x, y) in inside:
            border = any((x + dx, y + dy) not in inside for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            self.put(x, y, edge if border else fill)

    def cross(self, reach):
        """A black cross through the hot spot, `reach` pixels each way, edged in white."""
        hx, hy = self.hot
        self.rect(hx - reach, hy - 1, hx + reach, hy + 1, WHITE)
        self.rect(hx - 1, hy - reach, hx + 1, hy + reach, WHITE)
        self.rect(hx - reach + 1, hy, hx + reach - 1, hy, BLACK)
        self.rect(hx, hy - reach + 1, hx, hy + reach - 1, BLACK)


def contains(points, px, py):
    inside = False
    for i in range(len(points)):
        (x0, y0), (x1, y1) = points[i], points[(i + 1) % len(points)]
        if (y0 > py) != (y1 > py) and px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def along(tip, angle, u, v):
    """The point u pixels along the tool's axis from its tip and v pixels across it."""
    ax, ay = math.cos(angle), math.sin(angle)
    return (tip[0] + u * ax - v * ay, tip[1] + u * ay + v * ax)


def pen():
    c = Cursor(1, 30)
    tip, angle = (1.0, 31.0), -math.pi / 4
    body = [along(tip, angle, u, v) for u, v in ((0, 0), (9, -4.5), (40, -4.5), (40, 4.5), (9, 4.5))]
    c.polygon(body, WHITE, BLACK)
    c.polygon([along(tip, angle, u, v) for u, v in ((0, 0), (4, -2.5), (4, 2.5))], BLACK, BLACK)
    for v in range(-4, 5):  # where the wood ends and the paint begins
        x, y = along(tip, angle, 9, v)
        c.put(int(x), int(y), BLACK)
    return c


def eraser():
    c = Cursor(7, 24)
    tip, angle = (7.0, 25.0), -math.pi / 4
    c.polygon([along(tip, angle, u, v) for u, v in ((0, -6), (26, -6), (26, 6), (0, 6))], WHITE, BLACK)
    c.polygon([along(tip, angle, u, v) for u, v in ((0, -6), (8, -6), (8, 6), (0, 6))], BLACK, BLACK)
    return c


def rectangle():
    c = Cursor(8, 8)
    c.cross(8)
    c.rect(15, 17, 30, 28, WHITE)
    c.rect(16, 18, 29, 27, BLACK)
    return c


def fill():
    c = Cursor(8, 8)
    c.cross(8)
    # A tipped bucket pouring to its left, and a drop below its lip.
    bucket = [(17, 14), (30, 19), (28, 30), (16, 27)]
    c.polygon(bucket, WHITE, BLACK)
    c.polygon([(17, 14), (30, 19), (29, 22), (16.5, 17)], BLACK, BLACK)
    c.rect(13, 19, 15, 25, WHITE)
    c.rect(14, 20, 14, 24, BLACK)
    return c


def selection():
    c = Cursor(8, 8)
    c.cross(8)
    c.rect(15, 17, 30, 28, WHITE)
    c.frame(15, 17, 30, 28, BLACK, dash=2)
    return c


def line():
    c = Cursor(8, 8)
    c.cross(8)
    # A straight stroke from low left to high right, with a dot at each end.
    start, angle = (15.0, 29.0), -math.atan2(13, 15)
    c.polygon([along(start, angle, u, v) for u, v in ((0, -2), (20, -2), (20, 2), (0, 2))], BLACK, WHITE)
    for x, y in ((15, 29), (30, 16)):
        c.rect(x - 2, y - 2, x + 1, y + 1, WHITE)
        c.rect(x - 1, y - 1, x, y, BLACK)
    return c


def terrain():
    c = Cursor(8, 8)
    c.cross(8)
    # A patch of ground: a hill whose top edge rises and falls, as the terrain's edge chips draw it.
    hill = [(14, 30), (14, 24), (18, 19), (22, 21), (26, 16), (31, 22), (31, 30)]
    c.polygon(hill, BLACK, WHITE)
    return c


def start():
    c = Cursor(8, 8)
    c.cross(8)
    # A flag on a pole, where the character starts.
    c.rect(15, 13, 18, 30, WHITE)
    c.rect(16, 14, 17, 29, BLACK)
    c.polygon([(18, 13), (31, 17.5), (18, 22)], BLACK, WHITE)
    return c


def paste():
    c = Cursor(0, 0)
    # The block's top-left corner at the hot spot, and a block of 2 x 2 cells below it.
    c.rect(0, 0, 12, 2, WHITE)
    c.rect(0, 0, 2, 12, WHITE)
    c.rect(0, 0, 11, 0, BLACK)
    c.rect(0, 0, 0, 11, BLACK)
    c.rect(8, 8, 28, 28, WHITE)
    for x0, y0 in ((9, 9), (19, 9), (9, 19), (19, 19)):
        c.rect(x0, y0, x0 + 9, y0 + 9, BLACK)
        c.rect(x0 + 2, y0 + 2, x0 + 7, y0 + 7, WHITE)
    return c


def write_cur(path, cursor):
    """A .cur file with one 32 x 32 monochrome picture: XOR and AND masks, rows bottom-up."""
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):
        xor_bits = and_bits = 0
        for x in range(SIZE):
            colour = cursor.pixels[y][x]
            bit = 1 << (31 - x)
            if colour is None:
                and_bits |= bit
            elif colour == WHITE:
                xor_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, cursor.hot[0], cursor.hot[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def main():
    cursors = {"pen": pen(), "eraser": eraser(), "rectangle": rectangle(), "fill": fill(),
               "selection": selection(), "line": line(), "terrain": terrain(), "start": start(), "paste": paste()}
    pictures = [tuple(map(tuple, c.pixels)) for c in cursors.values()]
    assert len(set(pictures)) == len(pictures), "two tools share a cursor"
    for name, cursor in cursors.items():
        hx, hy = cursor.hot
        assert cursor.pixels[hy][hx] is not None, name + ": the hot spot is not drawn"
        write_cur(os.path.join(RES_DIR, "cursor_%s.cur" % name), cursor)
    print("wrote", ", ".join("cursor_%s.cur" % n for n in cursors), "in", os.path.normpath(RES_DIR))


if __name__ == "__main__":
    main()
