#!/usr/bin/python3
"""Decodes a picture with PIL, as an independent reference for the picture tests.

Usage: reference_rgba.py PICTURE WIDTH HEIGHT

Writes WIDTH x HEIGHT pixels of 3 bytes (red, green, blue) to standard output, top row first:
the picture turned upright by its EXIF orientation, the first frame of an animation, the largest
image of an icon, scaled to the size if it differs, and composited over black.
"""
import sys

from PIL import Image, ImageOps


def main():
    path, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    picture = Image.open(path)
    picture.seek(0)
    picture = ImageOps.exif_transpose(picture).convert("RGBA")
    if picture.size != (width, height):
        picture = picture.resize((width, height), Image.BILINEAR)
    black = Image.new("RGBA", picture.size, (0, 0, 0, 255))
    sys.stdout.buffer.write(Image.alpha_composite(black, picture).convert("RGB").tobytes())


main()
