#!/usr/bin/env python3
"""Reads screenshots for the end-to-end test (ImageMagick's convert decodes them).

  screen.py frame SHOT X Y CELL COL ROW
      the palette whose client area starts at screen X, Y shows the green selection
      frame around its cell COL, ROW (cells of CELL pixels), and nowhere else.
  screen.py no-frame SHOT X Y
      the palette at X, Y shows no selection frame.
  screen.py edges SHOT X Y
      which edges of the map the 640 x 480 view at X, Y shows (red marker lines):
      some of "left top right bottom", or "none".
  screen.py text-spans SHOT X Y W H
      the centres (screen x y) of the runs of dark text in a band, left to right, such
      as the titles of a menu bar.
"""
import subprocess
import sys

PALETTE_SIDE = 256
VIEW_WIDTH, VIEW_HEIGHT = 640, 480
EDGE_RED = (255, 0, 0)
FRAME_GREEN = (0, 255, 0)
# A frame is four lines of 2 pixels along a cell's border; a few corner pixels may be
# lost to the stretch, so ask for well over half of the smallest frame (20-pixel cells).
MIN_FRAME_PIXELS = 100


class Region:
    """A rectangle of a screenshot: its size and its pixels as r, g, b bytes, row by row."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, c, r):
        at = (r * self.width + c) * 3
        return tuple(self.data[at:at + 3])


def region(shot, x, y, w, h):
    ppm = subprocess.run(
        ["convert", shot, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-depth", "8",
         "ppm:-"], check=True, stdout=subprocess.PIPE).stdout
    # P6 header: magic, width, height, maximum, each followed by one blank.
    fields, pos = [], 0
    while len(fields) < 4:
        while ppm[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not ppm[pos:pos + 1].isspace():
            pos += 1
        fields.append(ppm[start:pos])
    pos += 1
    width, height = int(fields[1]), int(fields[2])
    return Region(width, height, ppm[pos:pos + width * height * 3])


def green_pixels(pixels):
    green, data, width = bytes(FRAME_GREEN), pixels.data, pixels.width
    spots, at = set(), data.find(green)
    while at >= 0:
        if at % 3 == 0:  # a whole pixel, not the end of one and the start of the next
            spots.add(((at // 3) % width, (at // 3) // width))
        at = data.find(green, at + 1)
    return spots


def frame(shot, x, y, cell, col, row):
    green = green_pixels(region(shot, x, y, PALETTE_SIDE, PALETTE_SIDE))
    left, top = col * cell - 3, row * cell - 3
    right, bottom = (col + 1) * cell + 3, (row + 1) * cell + 3
    inside = {(c, r) for c, r in green if left <= c < right and top <= r < bottom}
    outside = green - inside
    if len(inside) < MIN_FRAME_PIXELS or outside:
        where = sorted(outside)[:3]
        print("frame around cell %d,%d: %d green pixels there, %d elsewhere %s" %
              (col, row, len(inside), len(outside), where))
        return 1
    return 0


def no_frame(shot, x, y):
    green = green_pixels(region(shot, x, y, PALETTE_SIDE, PALETTE_SIDE))
    if green:
        c, r = min(green, key=lambda p: (p[1], p[0]))
        print("%d frame pixels, the first at client %d,%d" % (len(green), c, r))
        return 1
    return 0


def edges(shot, x, y):
    pixels = region(shot, x, y, VIEW_WIDTH, VIEW_HEIGHT)
    spots = (120, 240, 360)  # away from the corners, where two edges meet
    samples = {
        "left": [pixels.pixel(0, r) for r in spots],
        "top": [pixels.pixel(c, 0) for c in spots],
        "right": [pixels.pixel(VIEW_WIDTH - 1, r) for r in spots],
        "bottom": [pixels.pixel(c, VIEW_HEIGHT - 1) for c in spots],
    }
    shown = [name for name, colours in samples.items()
             if sum(colour == EDGE_RED for colour in colours) >= 2]
    print(" ".join(shown) or "none")
    return 0


def text_spans(shot, x, y, w, h):
    pixels = region(shot, x, y, w, h)
    dark = [any(sum(pixels.pixel(c, r)) < 300 for r in range(pixels.height)) for c in range(w)]
    spans, start, gap = [], None, 0
    for c, is_dark in enumerate(dark + [False] * 12):
        if is_dark:
            if start is None:
                start = c
            end, gap = c, 0
        elif start is not None:
            gap += 1
            if gap > 10:  # wider than the space between two letters
                spans.append((start, end))
                start = None
    for start, end in spans:
        print("%d %d" % (x + (start + end) // 2, y + h // 2))
    return 0


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "frame" and len(args) == 6:
        return frame(args[0], *map(int, args[1:]))
    if command == "no-frame" and len(args) == 3:
        return no_frame(args[0], *map(int, args[1:]))
    if command == "edges" and len(args) == 3:
        return edges(args[0], *map(int, args[1:]))
    if command == "text-spans" and len(args) == 5:
        return text_spans(args[0], *map(int, args[1:]))
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
