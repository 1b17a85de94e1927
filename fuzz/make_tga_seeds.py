#!/usr/bin/env python3
"""Writes the small hand-made TGA files that seed the fuzz corpus in corpus/tga/.

Each seed reaches one path of the decoder: raw and run-length bodies, every origin corner,
an ID field and a colour map to skip, packets crossing rows, and the failures (a packet past
the image, a truncated body, a header claiming far more pixels than the file holds).
Run: python3 fuzz/make_tga_seeds.py
"""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "tga")


def header(image_type, width, height, depth, descriptor=0, id_length=0, map_type=0,
           map_length=0, map_bits=0):
    return struct.pack("<BBBHHBHHHHBB", id_length, map_type, image_type, 0, map_length,
                       map_bits, 0, 0, width, height, depth, descriptor)


def pixels(count, size):
    return bytes((i * 37 + c * 11) & 0xFF for i in range(count) for c in range(size))


SEEDS = {
    "raw24_bottom_left.tga": header(2, 4, 2, 24) + pixels(8, 3),
    "raw32_top_right.tga": header(2, 3, 3, 32, 0x38) + pixels(9, 4),
    "raw24_id_and_colour_map.tga": header(2, 2, 2, 24, 0x20, id_length=3, map_type=1,
                                          map_length=2, map_bits=15)
    + b"abc" + bytes(4) + pixels(4, 3),
    "rle24_rows_crossed.tga": header(10, 3, 3, 24, 0x20)
    + b"\x84" + pixels(1, 3) + b"\x03" + pixels(4, 3),
    "rle32_bottom_right.tga": header(10, 5, 2, 32, 0x18)
    + b"\x81" + pixels(1, 4) + b"\x07" + pixels(8, 4),
    "rle24_long_run.tga": header(10, 130, 1, 24) + b"\xff" + pixels(1, 3) + b"\x01" + pixels(2, 3),
    "rle24_past_the_end.tga": header(10, 2, 2, 24) + b"\x84" + pixels(1, 3),
    "raw24_truncated.tga": header(2, 4, 4, 24) + pixels(15, 3),
    "rle32_claims_huge.tga": header(10, 60000, 60000, 32) + b"\xff" + pixels(1, 4),
}

os.makedirs(HERE, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
