#!/usr/bin/env python3
"""Map files for the end-to-end test, written independently of the editor's code.

  mapfiles.py expect OUT --size W H [--cell LAYER COL ROW ID]... [--start X Y]
              [--numbers T L B M] [--comment TEXT]
      writes the map data file (.bin) the editor should save for that map.
  mapfiles.py compare ACTUAL EXPECTED
      exit 0 when both files hold the same bytes, else names the first differing field.
  mapfiles.py text-map OUT --size W H [--cell LAYER COL ROW ID]... [--start X Y]
      writes a text map file, its numbers spread over lines unrelated to the rows, and
      prints on stdout what the editor echoes while reading it.
  mapfiles.py truncate IN OUT BYTES
      copies the first BYTES bytes of IN: a damaged map file.

A map data file: the comment-length offset, width, height, the chip ids of layers 2,
1 and 0 (row by row), start x and y, target time, time limit, background image
number, music number, a 32-byte reserved block whose first word counts the layer-0
cells holding chip 100, the comment length and the comment's Shift_JIS bytes. Every
integer is 32-bit little-endian.
"""
import argparse
import struct
import sys

CELL = 40
UNSPECIFIED = 2400


def layers_from(cells, cells_x, cells_y):
    layers = {layer: [0] * (cells_x * cells_y) for layer in (0, 1, 2)}
    for layer, col, row, chip in cells:
        if not (0 <= col < cells_x and 0 <= row < cells_y):
            sys.exit("cell %d,%d lies outside a %d x %d map" % (col, row, cells_x, cells_y))
        layers[layer][row * cells_x + col] = chip
    return layers


def binary_map(width, height, cells, start, numbers, comment):
    cells_x, cells_y = width // CELL, height // CELL
    n = cells_x * cells_y
    layers = layers_from(cells, cells_x, cells_y)
    out = struct.pack("<iii", 12 * n + 68, width, height)
    for layer in (2, 1, 0):
        out += struct.pack("<%dI" % n, *layers[layer])
    out += struct.pack("<ii", *start)
    out += struct.pack("<iiii", *numbers)
    out += struct.pack("<i", layers[0].count(100)) + bytes(28)
    out += struct.pack("<i", len(comment)) + comment
    assert len(out) == 72 + 12 * n + len(comment)
    return out


def field_at(offset, n):
    """Names the field of a map data file of n cells that holds byte `offset`."""
    if offset < 12:
        return ("comment offset", "width", "height")[offset // 4]
    for layer_index, layer in enumerate((2, 1, 0)):
        base = 12 + 4 * n * layer_index
        if offset < base + 4 * n:
            cell = (offset - base) // 4
            return "layer %d chip id of cell %d" % (layer, cell)
    rest = offset - (12 + 12 * n)
    names = ("start x", "start y", "target time", "time limit", "background image number",
             "music number")
    if rest < 24:
        return names[rest // 4]
    if rest < 56:
        return "reserved block byte %d" % (rest - 24)
    if rest < 60:
        return "comment length"
    return "comment byte %d" % (rest - 60)


def compare(actual_path, expected_path):
    actual = open(actual_path, "rb").read()
    expected = open(expected_path, "rb").read()
    if actual == expected:
        return 0
    width, height = struct.unpack_from("<ii", expected, 4)
    n = (width // CELL) * (height // CELL)
    for offset in range(min(len(actual), len(expected))):
        if actual[offset] != expected[offset]:
            word = offset - offset % 4
            print("%s differs from %s at byte %d (%s): %s, expected %s" % (
                actual_path, expected_path, offset, field_at(offset, n),
                actual[word:word + 4].hex(), expected[word:word + 4].hex()))
            return 1
    print("%s is %d bytes long, expected %d" % (actual_path, len(actual), len(expected)))
    return 1


def text_map(width, height, cells, start):
    """The file's text and the echo the editor prints while reading it."""
    cells_x, cells_y = width // CELL, height // CELL
    layers = layers_from(cells, cells_x, cells_y)
    numbers = [width, height] + layers[2] + layers[1] + layers[0] + list(start)
    # Seven numbers a line, tabs and blanks mixed: the layout carries no meaning.
    lines = []
    for i in range(0, len(numbers), 7):
        lines.append("\t ".join(str(v) for v in numbers[i:i + 7]))
    text = "\n".join(lines) + "\n"
    echo_layers = []
    for layer in (2, 1, 0):
        rows = []
        for row in range(cells_y):
            ids = layers[layer][row * cells_x:(row + 1) * cells_x]
            rows.append("".join("%d " % (v & 0xFFFFFFFF) for v in ids))
        echo_layers.append("\n".join(rows))
    return text, "\n".join(echo_layers)


def main():
    parser = argparse.ArgumentParser()
    sub = parser.add_subparsers(dest="command", required=True)
    for name in ("expect", "text-map"):
        p = sub.add_parser(name)
        p.add_argument("out")
        p.add_argument("--size", nargs=2, type=int, required=True)
        p.add_argument("--cell", nargs=4, type=int, action="append", default=[])
        p.add_argument("--start", nargs=2, type=int, default=[UNSPECIFIED, UNSPECIFIED])
        if name == "expect":
            p.add_argument("--numbers", nargs=4, type=int, default=[10, 300, 0, 0])
            p.add_argument("--comment", default="")
    p = sub.add_parser("compare")
    p.add_argument("actual")
    p.add_argument("expected")
    p = sub.add_parser("truncate")
    p.add_argument("source")
    p.add_argument("out")
    p.add_argument("size", type=int)
    args = parser.parse_args()

    if args.command == "expect":
        # Comments typed in the test are ASCII with \r\n line breaks, as the box stores them.
        comment = args.comment.replace("\\r\\n", "\r\n").encode("cp932")
        data = binary_map(args.size[0], args.size[1], args.cell, args.start, args.numbers, comment)
        open(args.out, "wb").write(data)
    elif args.command == "text-map":
        text, echo = text_map(args.size[0], args.size[1], args.cell, args.start)
        open(args.out, "w", newline="\n").write(text)
        sys.stdout.write(echo)
    elif args.command == "compare":
        return compare(args.actual, args.expected)
    elif args.command == "truncate":
        data = open(args.source, "rb").read()
        open(args.out, "wb").write(data[:args.size])
    return 0


if __name__ == "__main__":
    sys.exit(main())
