#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus: a few tiny map data files and text maps, valid and
damaged. Run from anywhere; the files go to fuzz/corpus/binary and fuzz/corpus/text."""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'fuzz', 'corpus')


def bin_map(cols, rows, layers=None, start=(2400, 2400), stage=(10, 300, 0, 0),
            comment=b'', width=None, height=None, length=None):
    n = cols * rows
    layers = layers or ([0] * n, [0] * n, [0] * n)
    ints = [12 * n + 68, width if width is not None else cols * 40,
            height if height is not None else rows * 40]
    for layer in layers:
        ints += layer
    ints += list(start) + list(stage)
    data = struct.pack('<%di' % len(ints), *ints)
    data += struct.pack('<I', sum(1 for i in layers[2] if i == 100)) + bytes(28)
    data += struct.pack('<i', len(comment) if length is None else length) + comment
    return data


def write(kind, name, data):
    folder = os.path.join(ROOT, kind)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data if isinstance(data, bytes) else data.encode('ascii'))


chips = ([1, 2, 3, 4], [5, 0, 100, 7], [100, 0, 9, 100])
full = bin_map(2, 2, chips, (40, 80), (5000, 60, 1, 2), b'abc\x83\x52\x83\x81')
write('binary', 'new-1x1.bin', bin_map(1, 1))
write('binary', 'chips-2x2.bin', full)
write('binary', 'comment-256.bin', bin_map(1, 1, comment=bytes(range(1, 256)) + b'\x82'))
write('binary', 'comment-over-256.bin', bin_map(1, 1, length=300))
write('binary', 'comment-negative.bin', bin_map(1, 1, length=-1))
write('binary', 'truncated-layer1.bin', full[:30])
write('binary', 'odd-size-1x2.bin', bin_map(1, 2, width=50, height=90, start=(999, 5)))
write('binary', 'size-zero.bin', bin_map(1, 1, width=0))

write('text', 'example-2x1.txt', '80 40\n5 6\n0 0\n1 2\n320 240\n')
write('text', 'missing.txt', '80 40 5')
write('text', 'garbage.txt', '80 40 5 x 6 7')
write('text', 'signs.txt', '40 40 -1 +2 -3 999 2400')
write('text', 'huge.txt', '80\t40\r\n99999999999 4294967297 0 0 0 0 2400 2400')
write('text', 'size-zero.txt', '0 480')
write('text', 'empty.txt', '')
