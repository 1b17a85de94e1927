#!/usr/bin/env python3
"""Writes blocks.wmf: a placeable Windows metafile of 160 x 120 logical units at 96 units per inch
(so 160 x 120 pixels on a 96-dpi screen), drawn with solid rectangles and no outline:

    top half     red    (200, 30, 30)
    bottom left  green  (30, 180, 60)
    bottom right white  (255, 255, 255)
    a black square in the bottom-left corner, 40 x 30 units

Usage: make_wmf.py OUTPUT
"""
import struct
import sys

WIDTH, HEIGHT, UNITS_PER_INCH = 160, 120, 96


def record(function, *words):
    # A record: its size in 16-bit words (including the 6-byte head), the function, parameters.
    return struct.pack("<IH", 3 + len(words), function) + struct.pack("<%dh" % len(words), *words)


def colorref(r, g, b):
    # A COLORREF split into the two 16-bit words a record parameter list holds.
    value = r | g << 8 | b << 16
    return value & 0xFFFF, value >> 16


def brush(r, g, b):
    lo, hi = colorref(r, g, b)
    return record(0x02FC, 0, lo - 0x10000 if lo > 0x7FFF else lo, hi, 0)  # CREATEBRUSHINDIRECT, BS_SOLID


def rectangle(left, top, right, bottom):
    return record(0x041B, bottom, right, top, left)  # RECTANGLE takes its corners in reverse order


records = [
    record(0x020B, 0, 0),  # SETWINDOWORG y, x
    record(0x020C, HEIGHT, WIDTH),  # SETWINDOWEXT y, x
    record(0x02FA, 5, 0, 0, 0, 0),  # CREATEPENINDIRECT PS_NULL: object 0
    record(0x012D, 0),  # SELECTOBJECT pen
    brush(200, 30, 30), record(0x012D, 1), rectangle(0, 0, WIDTH + 1, HEIGHT // 2 + 1),
    record(0x01F0, 1),  # DELETEOBJECT: slot 1 is free again
    brush(30, 180, 60), record(0x012D, 1), rectangle(0, HEIGHT // 2, WIDTH // 2 + 1, HEIGHT + 1),
    record(0x01F0, 1),
    brush(255, 255, 255), record(0x012D, 1), rectangle(WIDTH // 2, HEIGHT // 2, WIDTH + 1, HEIGHT + 1),
    record(0x01F0, 1),
    brush(0, 0, 0), record(0x012D, 1), rectangle(0, HEIGHT - 30, 41, HEIGHT + 1),
    record(0x01F0, 1),
    record(0x01F0, 0),
    record(0x0000),  # EOF
]
body = b"".join(records)
max_record_words = max(len(r) // 2 for r in records)
header_words = 9
total_words = header_words + len(body) // 2
meta_header = struct.pack("<HHHIHIH", 1, header_words, 0x0300, total_words, 2, max_record_words, 0)

placeable = struct.pack("<IhhhhhHI", 0x9AC6CDD7, 0, 0, 0, WIDTH, HEIGHT, UNITS_PER_INCH, 0)
checksum = 0
for (word,) in struct.iter_unpack("<H", placeable):
    checksum ^= word
placeable += struct.pack("<H", checksum)

with open(sys.argv[1], "wb") as out:
    out.write(placeable + meta_header + body)
