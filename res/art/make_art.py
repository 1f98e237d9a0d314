#!/usr/bin/env python3
"""Draws the editor's stand-in art: both chip sheets, the backdrop and the icon.

Run from anywhere:  python3 res/art/make_art.py
Writes res/small_sheet.bmp, res/large_sheet.bmp, res/backdrop.bmp,
res/editor.ico, the terrain sets in data/terrains.json and their learning
template as docs/terrain-template.png. Only the standard library is used, so
the pictures can be remade on any machine; the outputs are committed and the
build never runs this script.

Rules the pictures follow, because the editor depends on them:
- 24-bit bottom-up BMP; the program turns them into 16-bit 5-5-5 surfaces,
  which keeps the top 5 bits of each channel.
- Pure black (0, 0, 0) is the transparent key. Every other colour drawn here
  keeps at least one channel >= 8, so it never turns black after conversion.
- Each chip sits in its palette cell and shows its chip code in a bold pixel
  font. Strokes and pattern dots are aligned to 2 sheet pixels (4 on the
  large sheet) so they survive the palette's half-size shrink unblurred.
- Empty cells and the unused strip right of and below the grid stay black.
- The chips of the two terrain sets (ground and water, see TERRAINS) carry no
  code: each shows the terrain over the corners it marks inside, so chips
  whose shared corners agree join without a seam.
"""

import colorsys
import json
import math
import os
import struct
import zlib

RES_DIR = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
REPO_DIR = os.path.dirname(RES_DIR)

BLACK = (0, 0, 0)

# Chip codes of the two built-in palettes, row by row (same tables as the program).
SMALL_CODES = [
    [1002, 1004, 1006, 1161, 1008, 1009, 1141, 1142, 1202, 1204, 1206, 1000],
    [1014, 1013, 1032, 1038, 1037, 1036, 1082, 1092, 1210, 1208, 1000, 1000],
    [1, 2, 3, 100, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000],
    [1071, 1072, 1073, 1074, 1075, 1076, 1077, 1078, 1000, 1000, 1000, 1000],
    [26, 22, 27, 23, 24, 20, 25, 21, 1000, 1000, 1000, 1000],
    [1041, 1042, 1043, 1044, 71, 72, 73, 74, 1000, 1000, 1000, 1000],
    [34, 36, 35, 31, 33, 32, 1182, 1183, 1184, 1185, 1000, 1000],
    [1051, 1131, 1000, 1016, 1000, 91, 1000, 1000, 1000, 1000, 1000, 1000],
    [1114, 1115, 1116, 1117, 1112, 1113, 1118, 1119, 1171, 1000, 1000, 1000],
    [1123, 1124, 1122, 1125, 1152, 1153, 90, 1221, 1222, 1000, 1000, 1000],
    [12, 11, 41, 43, 42, 1000, 1000, 1000, 1000, 1000, 1000, 1000],
    [54, 64, 82, 112, 125, 126, 132, 146, 1000, 1000, 1000, 1000],
]
SMALL_EMPTY = 1000

LARGE_CODES = [
    [2001, 2003, 2005, 2201, 2203, 2205],
    [2012, 2011, 2081, 2091, 2000, 2000],
    [2031, 2035, 2034, 2033, 2163, 2164],
    [2061, 2062, 2063, 2015, 2000, 2000],
    [2192, 2193, 2194, 2195, 2000, 2000],
    [2000, 2000, 2000, 2000, 2000, 2000],
]
LARGE_EMPTY = 2000

# The learning template: a 4 x 4 block of chips a designer paints to define a terrain
# set, row by row. Each cell names its corners top-left, top-right, bottom-right,
# bottom-left; "#" is inside the terrain, "." outside. The block's 5 x 5 corner points
# make one shape, so a correctly painted block shows no seam.
TEMPLATE = [
    ["....", ".##.", "#.##", "...#"],
    ["..##", ".#.#", "##..", "#.#."],
    ["####", "#..#", "..#.", ".###"],
    ["##.#", "#...", ".#..", "###."],
]
# Every combination but the empty one and the full one, in the template's order.
EDGE_CORNERS = [c for row in TEMPLATE for c in row if c not in ("....", "####")]

# The terrain sets on the small sheet: name, layer and (chip code, corners, weight) in
# palette order. The full chip comes first; the ground has a rarer second full chip
# with pebbles, then both follow the template's order.
TERRAINS = [
    ("地面", 1, list(zip([1002, 1004, 1006, 1161, 1008, 1009, 1141, 1142, 1202, 1204, 1206,
                         1014, 1013, 1032, 1038, 1037],
                        ["####", "####"] + EDGE_CORNERS,
                        [1, 0.25] + [1] * len(EDGE_CORNERS)))),
    ("水", 0, list(zip([26, 22, 27, 23, 24, 20, 25, 21, 71, 72, 73, 74, 34, 36, 35],
                      ["####"] + EDGE_CORNERS,
                      [1] * 15))),
]
GROUND_VARIATION = 1004

# 3 x 5 digit glyphs, one string per row.
DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", "###", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", "..#", "..#", "..#"],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "9": ["###", "#.#", "###", "..#", "###"],
}

# 5 x 7 letter for the icon.
LETTER_P = ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."]


class Canvas:
    """A plain RGB picture, row 0 at the top."""

    def __init__(self, width, height, fill=BLACK):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def get(self, x, y):
        return self.rows[y][x]

    def fill_rect(self, x0, y0, x1, y1, colour):
        """Fills columns x0..x1-1 and rows y0..y1-1."""
        for y in range(max(y0, 0), min(y1, self.height)):
            row = self.rows[y]
            for x in range(max(x0, 0), min(x1, self.width)):
                row[x] = colour


def write_bmp(path, canvas):
    """Writes a 24-bit uncompressed bottom-up BMP."""
    row_size = (canvas.width * 3 + 3) & ~3
    pad = b"\0" * (row_size - canvas.width * 3)
    image_size = row_size * canvas.height
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        for r, g, b in canvas.rows[y]:
            data += bytes((b, g, r))
        data += pad
    file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + image_size, 0, 0, 14 + 40)
    info_header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                              image_size, 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(file_header + info_header + bytes(data))


def write_png(path, canvas):
    """Writes an 8-bit RGB PNG."""
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    raw = bytearray()
    for row in canvas.rows:
        raw.append(0)                   # no filter
        for colour in row:
            raw += bytes(colour)
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def to555(colour):
    r, g, b = colour
    return ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3)


def snap(colour):
    """Rounds to the 5-bit grid so the 16-bit surfaces hold exactly this colour."""
    return tuple(min(248, max(0, int(round(c / 8.0)) * 8)) for c in colour)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def scale(colour, f):
    return tuple(int(round(c * f)) for c in colour)


def solid(colour):
    """Keeps a drawn colour away from the transparent key."""
    colour = snap(colour)
    assert max(colour) >= 8, colour
    return colour


# ---------------------------------------------------------------- chips

class ChipStyle:
    """Colours of one chip: body, frame, pattern, label and digits."""

    def __init__(self, hue, sat, val):
        body = tuple(int(c * 255) for c in colorsys.hsv_to_rgb(hue, sat, val))
        self.body = solid(body)
        self.frame = solid(scale(body, 0.62))
        self.pattern = solid(mix(body, (255, 255, 255), 0.45))
        self.label = solid(mix(body, (252, 242, 204), 0.78))  # warm, never sky-blue
        self.digits = solid(scale(body, 0.22))


def chip_styles(count, hue_offset):
    """Gives each chip its own hue, stepping by the golden ratio so neighbours differ."""
    styles = []
    for n in range(count):
        hue = (hue_offset + n * 0.6180339887) % 1.0
        sat = (0.85, 0.70, 0.95)[n % 3]
        val = (0.88, 0.74, 0.96)[(n // 3) % 3]
        styles.append(ChipStyle(hue, sat, val))
    return styles


def draw_digits(canvas, text, x, y, unit, colour):
    """Draws text in the 3 x 5 font, each font pixel unit x unit, glyphs one unit apart."""
    for i, ch in enumerate(text):
        gx = x + i * 4 * unit
        for row, line in enumerate(DIGITS[ch]):
            for col, mark in enumerate(line):
                if mark == "#":
                    canvas.fill_rect(gx + col * unit, y + row * unit,
                                     gx + (col + 1) * unit, y + (row + 1) * unit, colour)


def digits_width(text, unit):
    return (4 * len(text) - 1) * unit


def motif_on(kind, u, v):
    """Whether pattern cell (u, v) of a motif is set; one motif per chip in turn."""
    if kind == 0:   # diagonal stripes
        return (u + v) % 4 == 0
    if kind == 1:   # dots
        return u % 4 == 1 and v % 4 == 1
    if kind == 2:   # checker
        return (u // 2 + v // 2) % 2 == 0
    if kind == 3:   # bricks
        return v % 4 == 3 or u % 8 == (0 if (v // 4) % 2 == 0 else 4)
    if kind == 4:   # zigzag
        return v % 4 == (u % 4 if u % 8 < 4 else 3 - u % 4)
    # vertical bars
    return u % 3 == 0


def draw_chip(canvas, ox, oy, size, code, style, kind, hole):
    """Draws one chip of size x size sheet pixels at (ox, oy).

    The chip is a framed tile with a pattern in its upper part and its code
    on a pale label below. The cut corners (and the optional hole) are pure
    black, so the backdrop shows through them.
    """
    u = size // 20          # 2 on the small sheet, 4 on the large one
    canvas.fill_rect(ox, oy, ox + size, oy + size, style.frame)
    canvas.fill_rect(ox + u, oy + u, ox + size - u, oy + size - u, style.body)

    # Upper part: the chip's motif in pattern cells of u x u pixels.
    px0, py0, px1, py1 = ox + 2 * u, oy + 2 * u, ox + size - 2 * u, oy + 10 * u
    for v in range((py1 - py0) // u):
        for w in range((px1 - px0) // u):
            if motif_on(kind, w, v):
                canvas.fill_rect(px0 + w * u, py0 + v * u, px0 + (w + 1) * u,
                                 py0 + (v + 1) * u, style.pattern)

    # Lower part: the chip code on a label.
    canvas.fill_rect(ox + u, oy + 11 * u, ox + size - u, oy + 18 * u, style.label)
    text = str(code)
    unit = u                 # font pixel = u sheet pixels
    tx = ox + (size - digits_width(text, unit)) // 2
    tx -= (tx - ox) % u      # keep strokes on the shrink grid
    draw_digits(canvas, text, tx, oy + 12 * u, unit, style.digits)

    # Cut corners: a staircase of u-sized steps, pure black.
    for cx, cy, sx, sy in ((0, 0, 1, 1), (size - 1, 0, -1, 1),
                           (0, size - 1, 1, -1), (size - 1, size - 1, -1, -1)):
        for dy in range(2 * u):
            for dx in range(2 * u):
                if dx < u or dy < u:
                    canvas.put(ox + cx + sx * dx, oy + cy + sy * dy, BLACK)

    if hole:
        # A round hole in the middle of the motif, u-aligned.
        hx, hy, r = ox + size // 2, oy + 6 * u, 2 * u
        for y in range(hy - r, hy + r):
            for x in range(hx - r, hx + r):
                if (x - hx + 0.5) ** 2 + (y - hy + 0.5) ** 2 <= r * r:
                    canvas.put(x, y, BLACK)


# ---------------------------------------------------------------- terrain chips

TERRAIN_CELL = 40
TERRAIN_RADIUS = 20   # of the round ends and holes, centred on a chip corner


def corner_inside(corners, x, y):
    """Whether point (x, y) of a terrain chip lies inside the terrain.

    The chip's quarter next to an inside corner is terrain, but a corner that is
    the only one inside ends in a quarter circle around it, and a corner that is
    the only one outside cuts a quarter circle out. Either way the boundary meets
    each chip edge at its middle, so it depends on that edge's two corners only
    and chips that share them join. A point up to 6 pixels past an edge is read
    from the chip that continues this one straight across it; the real neighbour
    agrees there, as the circles bend away from an edge only further in.
    """
    tl, tr, br, bl = corners
    if x < 0:
        return corner_inside((tl, tl, bl, bl), x + TERRAIN_CELL, y)
    if x >= TERRAIN_CELL:
        return corner_inside((tr, tr, br, br), x - TERRAIN_CELL, y)
    if y < 0:
        return corner_inside((tl, tr, tr, tl), x, y + TERRAIN_CELL)
    if y >= TERRAIN_CELL:
        return corner_inside((bl, br, br, bl), x, y - TERRAIN_CELL)
    half = TERRAIN_CELL // 2
    right, low = x >= half, y >= half
    at = [[0, 3], [1, 2]]           # corner index by [right][low]
    here = corners[at[right][low]] == "#"
    across = corners[at[not right][low]] == "#"    # along the horizontal edge
    above = corners[at[right][not low]] == "#"     # along the vertical edge
    far = corners[at[not right][not low]] == "#"
    cx = TERRAIN_CELL if right else 0
    cy = TERRAIN_CELL if low else 0
    near = (x - cx) ** 2 + (y - cy) ** 2 < TERRAIN_RADIUS ** 2
    if here:
        return across or above or near
    return across and above and far and not near


class TerrainLook:
    """How a terrain chip is coloured, in blocks of 2 x 2 sheet pixels."""

    def __init__(self, corners):
        self.corners = corners

    def inside(self, bx, by):
        """Block (bx, by) counted from the chip's top-left block, taken at its centre."""
        return corner_inside(self.corners, 2 * bx + 1, 2 * by + 1)

    def near_outside(self, bx, by, reach):
        """Whether a block within reach blocks (across and diagonally) is outside."""
        return any(not self.inside(bx + dx, by + dy)
                   for dy in range(-reach, reach + 1) for dx in range(-reach, reach + 1))


GROUND = {
    "soil": solid((152, 98, 56)),
    "soil dark": solid((120, 74, 40)),
    "soil light": solid((178, 124, 74)),
    "edge": solid((74, 44, 24)),
    "grass": solid((112, 200, 56)),
    "grass low": solid((56, 150, 40)),
    "pebble": solid((170, 160, 144)),
    "pebble light": solid((214, 206, 190)),
    "pebble shade": solid((106, 96, 88)),
}
# Speckles of the soil, repeating every 10 blocks (20 pixels) so that they run on
# from chip to chip.
SOIL_DARK = {(1, 2), (6, 4), (3, 7), (8, 9), (9, 1)}
SOIL_LIGHT = {(4, 1), (9, 6), (0, 8), (5, 9)}
# Pebbles of the second full chip: top-left blocks of 3 x 2 stones, well inside.
PEBBLES = [(3, 4), (12, 7), (6, 13), (14, 15)]


def ground_block(look, bx, by, pebbles):
    if not look.inside(bx, by):
        return BLACK
    if not look.inside(bx, by - 1):
        return GROUND["grass"]          # grass on every top surface
    if not look.inside(bx, by - 2):
        return GROUND["grass low"]
    if look.near_outside(bx, by, 1):
        return GROUND["edge"]
    if pebbles:
        for px, py in PEBBLES:
            if px <= bx < px + 3 and py <= by < py + 2:
                if by == py and bx < px + 2:
                    return GROUND["pebble light"]
                return GROUND["pebble shade"] if bx == px + 2 and by == py + 1 else GROUND["pebble"]
    u, v = bx % 10, by % 10
    if (u, v) in SOIL_DARK:
        return GROUND["soil dark"]
    if (u, v) in SOIL_LIGHT:
        return GROUND["soil light"]
    return GROUND["soil"]


WATER = {
    "deep": solid((32, 86, 184)),
    "wave": solid((96, 160, 232)),
    "shallow": solid((48, 122, 210)),
    "foam": solid((184, 226, 248)),
}
# Little wave marks, repeating every 10 blocks like the soil's speckles.
WAVES = {(2, 2), (3, 2), (1, 3), (4, 3), (7, 7), (8, 7), (6, 8), (9, 8)}


def water_block(look, bx, by, pebbles):
    if not look.inside(bx, by):
        return BLACK
    if look.near_outside(bx, by, 1):
        return WATER["foam"]
    if look.near_outside(bx, by, 2):
        return WATER["shallow"]
    return WATER["wave"] if (bx % 10, by % 10) in WAVES else WATER["deep"]


TERRAIN_DRAWERS = {"地面": ground_block, "水": water_block}


def draw_terrain_chip(canvas, ox, oy, corners, block, pebbles=False):
    look = TerrainLook(corners)
    blocks = TERRAIN_CELL // 2
    for by in range(blocks):
        for bx in range(blocks):
            colour = block(look, bx, by, pebbles)
            canvas.fill_rect(ox + 2 * bx, oy + 2 * by, ox + 2 * bx + 2, oy + 2 * by + 2, colour)


def terrain_chips():
    """Chip code -> (corners, block drawer, pebbles) for every terrain chip."""
    chips = {}
    for name, _, entries in TERRAINS:
        for code, corners, _ in entries:
            chips[code] = (corners, TERRAIN_DRAWERS[name], code == GROUND_VARIATION)
    return chips


def make_sheet(codes, empty, cell, hue_offset, hole, terrain=None):
    """Draws a sheet; chips named in terrain are drawn as terrain, the rest as tiles.

    Every chip keeps the style its position gives it, so a chip drawn as terrain
    leaves the colours of the others as they were. Returns the styles drawn.
    """
    terrain = terrain or {}
    sheet = Canvas(512, 512)
    used = [(r, c, code) for r, row in enumerate(codes) for c, code in enumerate(row) if code != empty]
    styles = chip_styles(len(used), hue_offset)
    drawn = []
    for n, (r, c, code) in enumerate(used):
        if code in terrain:
            corners, block, pebbles = terrain[code]
            draw_terrain_chip(sheet, c * cell, r * cell, corners, block, pebbles)
        else:
            draw_chip(sheet, c * cell, r * cell, cell, code, styles[n], n % 6, hole)
            drawn.append(styles[n])
    return sheet, drawn


# ---------------------------------------------------------------- terrain data and template

def terrains_json():
    """The terrain sets as data/terrains.json holds them, one chip to a line."""
    sets = []
    for name, layer, entries in TERRAINS:
        chips = []
        for code, corners, weight in entries:
            line = '        {"chip": %d, "corners": %s' % (code, json.dumps(corners))
            if weight != 1:
                line += ', "weight": %s' % weight
            chips.append(line + "}")
        sets.append('    {\n      "name": %s,\n      "layer": %d,\n      "chips": [\n%s\n      ]\n    }'
                    % (json.dumps(name, ensure_ascii=False), layer, ",\n".join(chips)))
    return '{\n  "terrains": [\n' + ",\n".join(sets) + "\n  ]\n}\n"


def make_template_picture(small):
    """The learning template painted with the ground chips, for the read-me.

    The 4 x 4 block at 1:1 with a 1-pixel grid between the cells, its column
    and row numbers, and beside it the block's 5 x 5 corner points: a filled dot
    for a corner inside the ground, a ring for one outside. Transparent pixels
    show as a light checker board.
    """
    cell, line, margin = TERRAIN_CELL, 1, 16
    block = 4 * cell + 5 * line
    gap = 24
    width, height = margin + block + gap + block + 8, margin + block + 8
    paper, ink, grid = (255, 255, 255), (64, 64, 64), (128, 128, 128)
    pic = Canvas(width, height, paper)

    ground = {corners: code for code, corners, weight in TERRAINS[0][2] if weight == 1}
    where = {code: (c, r) for r, row in enumerate(SMALL_CODES) for c, code in enumerate(row)}
    left, top = margin, margin
    pic.fill_rect(left, top, left + block, top + block, grid)
    for r, row in enumerate(TEMPLATE):
        for c, corners in enumerate(row):
            x0, y0 = left + line + c * (cell + line), top + line + r * (cell + line)
            sheet_col, sheet_row = where.get(ground.get(corners), (None, None))
            for y in range(cell):
                for x in range(cell):
                    colour = BLACK
                    if sheet_col is not None:
                        colour = small.get(sheet_col * cell + x, sheet_row * cell + y)
                    if colour == BLACK:
                        colour = (236, 236, 236) if (x // 8 + y // 8) % 2 == 0 else (212, 212, 212)
                    pic.put(x0 + x, y0 + y, colour)
        draw_digits(pic, str(r), 4, top + line + r * (cell + line) + 15, 2, ink)
    for c in range(4):
        draw_digits(pic, str(c), left + line + c * (cell + line) + 17, 3, 2, ink)

    # The corner points, at the same spacing as the grid's crossings.
    points_left = left + block + gap
    span = 4 * (cell + line)
    for k in range(5):
        at = k * (cell + line)
        pic.fill_rect(points_left, top + at, points_left + span + 1, top + at + 1, (200, 200, 200))
        pic.fill_rect(points_left + at, top, points_left + at + 1, top + span + 1, (200, 200, 200))
    for r in range(5):
        for c in range(5):
            inside = corner_mark(r, c) == "#"
            cx, cy = points_left + c * (cell + line), top + r * (cell + line)
            for y in range(-5, 6):
                for x in range(-5, 6):
                    d = x * x + y * y
                    if d <= 25:
                        rim = d >= 13
                        if inside:
                            colour = GROUND["edge"] if rim else GROUND["soil"]
                        else:
                            colour = ink if rim else paper
                        pic.put(cx + x, cy + y, colour)
    return pic


def corner_mark(r, c):
    """The mark of corner point (row r, column c) of the template block, from its cells."""
    if r < 4 and c < 4:
        return TEMPLATE[r][c][0]
    if r < 4:
        return TEMPLATE[r][3][1]
    if c < 4:
        return TEMPLATE[3][c][3]
    return TEMPLATE[3][3][2]


# ---------------------------------------------------------------- backdrop

# Centres and radii of the black stones in the backdrop (transparent pixels).
STONES = [(64, 446, 6, 4), (188, 462, 5, 3), (322, 438, 7, 4), (455, 458, 5, 3), (588, 444, 6, 4)]


def make_backdrop():
    width, height = 640, 480
    pic = Canvas(width, height)
    sky_top, sky_low = (104, 152, 216), (208, 226, 244)
    far_top, far_low = (150, 178, 196), (170, 196, 200)
    near_top, near_low = (132, 184, 124), (92, 140, 84)

    clouds = [(110, 80, 70, 20), (170, 70, 46, 16), (380, 120, 90, 22), (450, 108, 50, 16),
              (560, 60, 60, 16)]

    for x in range(width):
        far = 300 - 34 * math.sin(x / 97.0) - 18 * math.sin(x / 41.0 + 1.3) - 10
        near = 352 - 28 * math.sin(x / 130.0 + 2.1) - 12 * math.sin(x / 57.0 + 0.4)
        for y in range(height):
            if y >= near:
                t = (y - near) / max(1.0, height - near)
                colour = mix(near_top, near_low, t)
            elif y >= far:
                colour = mix(far_top, far_low, min(1.0, (y - far) / 90.0))
            else:
                colour = mix(sky_top, sky_low, y / 320.0)
                cover = 0.0
                for cx, cy, rx, ry in clouds:
                    d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                    cover = max(cover, min(1.0, max(0.0, (1.2 - d) / 0.5)))
                if cover > 0:
                    colour = mix(colour, (244, 246, 250), 0.85 * cover)
            pic.put(x, y, solid(colour))

    for cx, cy, rx, ry in STONES:
        for y in range(cy - ry, cy + ry + 1):
            for x in range(cx - rx, cx + rx + 1):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    pic.put(x, y, BLACK)
    return pic


# ---------------------------------------------------------------- icon

def icon_image(size):
    """One icon picture as a BMP-in-ICO block: 32-bit colour plus AND mask."""
    tile, edge, ink = (232, 120, 40), (168, 72, 24), (255, 255, 255)
    unit = 1 if size == 16 else 3
    gw, gh = 5 * unit, 7 * unit
    gx, gy = (size - gw) // 2 + (1 if size == 16 else 0), (size - gh) // 2
    radius = size // 6

    def inside(x, y):
        cx = min(max(x, radius), size - 1 - radius)
        cy = min(max(y, radius), size - 1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius

    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            if not inside(x, y):
                row.append(None)
                continue
            colour = tile
            if not inside(x - 1, y) or not inside(x + 1, y) or not inside(x, y - 1) or not inside(x, y + 1):
                colour = edge
            gxi, gyi = (x - gx) // unit, (y - gy) // unit
            if 0 <= x - gx < gw and 0 <= y - gy < gh and LETTER_P[gyi][gxi] == "#":
                colour = ink
            row.append(colour)
        pixels.append(row)

    colour_data = bytearray()
    mask_data = bytearray()
    mask_row = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(size):
            c = pixels[y][x]
            if c is None:
                colour_data += b"\0\0\0\0"
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                colour_data += bytes((c[2], c[1], c[0], 255))
        mask_data += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour_data) + len(mask_data), 0, 0, 0, 0)
    return header + bytes(colour_data) + bytes(mask_data)


def write_ico(path, sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


# ---------------------------------------------------------------- checks

def colours_555(canvas):
    return {to555(c) for row in canvas.rows for c in row}


def check(small, small_styles, large, large_styles, backdrop):
    """Guards the rules the editor and its tests rely on."""
    # Nothing but the intended holes may turn into the transparent key.
    for pic in (small, large, backdrop):
        for row in pic.rows:
            for c in row:
                assert c == BLACK or to555(c) != 0, c
    # Unused strips of the sheets stay transparent.
    for pic in (small, large):
        for y in range(512):
            for x in range(480, 512):
                assert pic.get(x, y) == BLACK and pic.get(y, x) == BLACK
    # Each chip has its own body colour, and no chip colour appears in the backdrop.
    bodies = [to555(s.body) for s in small_styles + large_styles]
    assert len(set(bodies)) == len(bodies), "two chips share a body colour"
    chip_colours = (colours_555(small) | colours_555(large)) - {0}
    shared = chip_colours & colours_555(backdrop)
    assert not shared, "chip and backdrop colours overlap: %r" % sorted(shared)[:8]
    check_terrains(small)


def check_terrains(small):
    """Each set covers every combination once (the full one may repeat) on its sheet
    cells, and its chips, with an empty cell for "....", join without a seam: along
    an edge two chips share, the one's last pixel line and the other's first are
    transparent at the same places."""
    where = {code: (c, r) for r, row in enumerate(SMALL_CODES) for c, code in enumerate(row)}
    cell = TERRAIN_CELL
    for name, layer, entries in TERRAINS:
        assert layer in (0, 1), name
        marks = [corners for _, corners, _ in entries]
        assert sorted(set(marks)) == sorted(EDGE_CORNERS + ["####"]), name
        assert all(m == "####" for m in marks if marks.count(m) > 1), name
        assert all(weight > 0 for _, _, weight in entries), name

        def clear(chip, x, y):
            if chip is None:
                return True
            col, row = where[chip]
            return small.get(col * cell + x, row * cell + y) == BLACK

        chips = [(code, corners) for code, corners, _ in entries] + [(None, "....")]
        for a, ca in chips:
            for b, cb in chips:
                if (ca[1], ca[2]) == (cb[0], cb[3]):   # a's right edge is b's left one
                    for k in range(cell):
                        assert clear(a, cell - 1, k) == clear(b, 0, k), (name, a, b, k)
                if (ca[3], ca[2]) == (cb[0], cb[1]):   # a's bottom edge is b's top one
                    for k in range(cell):
                        assert clear(a, k, cell - 1) == clear(b, k, 0), (name, a, b, k)


def main():
    small, small_styles = make_sheet(SMALL_CODES, SMALL_EMPTY, 40, 0.02, hole=False,
                                     terrain=terrain_chips())
    large, large_styles = make_sheet(LARGE_CODES, LARGE_EMPTY, 80, 0.31, hole=True)
    backdrop = make_backdrop()
    check(small, small_styles, large, large_styles, backdrop)
    write_bmp(os.path.join(RES_DIR, "small_sheet.bmp"), small)
    write_bmp(os.path.join(RES_DIR, "large_sheet.bmp"), large)
    write_bmp(os.path.join(RES_DIR, "backdrop.bmp"), backdrop)
    write_ico(os.path.join(RES_DIR, "editor.ico"), [32, 16])
    print("wrote small_sheet.bmp, large_sheet.bmp, backdrop.bmp, editor.ico in", RES_DIR)
    with open(os.path.join(REPO_DIR, "data", "terrains.json"), "w", encoding="utf-8", newline="\n") as f:
        f.write(terrains_json())
    write_png(os.path.join(REPO_DIR, "docs", "terrain-template.png"), make_template_picture(small))
    print("wrote data/terrains.json and docs/terrain-template.png in", REPO_DIR)


if __name__ == "__main__":
    main()
