"""Draws the nine demo pictures picture1.jpg ... picture9.jpg.

Each has its own colour and pattern and carries its number in large seven-segment digits under a
white band along its top edge with an arrow pointing up, so that anyone can tell at a glance
which picture sits in which slot and which way is up, even from a strip of it. Run with Debian's python3 (python3-pil):

    /usr/bin/python3 samples/make_samples.py samples/
"""

import os
import sys

from PIL import Image, ImageDraw

WIDTH, HEIGHT = 640, 480

# Background, pattern colour and pattern of each picture, in order.
STYLES = [
    ((200, 30, 30), (240, 120, 120), "stripes"),
    ((30, 140, 40), (120, 220, 120), "checks"),
    ((30, 60, 190), (120, 150, 250), "rings"),
    ((220, 180, 20), (250, 230, 130), "dots"),
    ((150, 40, 170), (220, 130, 235), "diagonals"),
    ((20, 160, 170), (130, 230, 235), "grid"),
    ((230, 110, 20), (250, 180, 110), "waves"),
    ((110, 110, 110), (190, 190, 190), "checks"),
    ((120, 70, 30), (200, 150, 100), "rings"),
]

# Seven segments: a top, b upper right, c lower right, d bottom, e lower left, f upper left,
# g middle.
DIGIT_SEGMENTS = {
    1: "bc", 2: "abged", 3: "abgcd", 4: "fgbc", 5: "afgcd",
    6: "afgedc", 7: "abc", 8: "abcdefg", 9: "abcdfg",
}


def draw_pattern(draw, kind, colour):
    if kind == "stripes":
        for x in range(0, WIDTH, 40):
            draw.rectangle([x, 0, x + 19, HEIGHT], fill=colour)
    elif kind == "checks":
        for y in range(0, HEIGHT, 60):
            for x in range(0, WIDTH, 60):
                if (x // 60 + y // 60) % 2 == 0:
                    draw.rectangle([x, y, x + 59, y + 59], fill=colour)
    elif kind == "rings":
        for r in range(400, 0, -50):
            draw.ellipse([WIDTH / 2 - r, HEIGHT / 2 - r, WIDTH / 2 + r, HEIGHT / 2 + r],
                         outline=colour, width=18)
    elif kind == "dots":
        for y in range(20, HEIGHT, 60):
            for x in range(20, WIDTH, 60):
                draw.ellipse([x, y, x + 26, y + 26], fill=colour)
    elif kind == "diagonals":
        for x in range(-HEIGHT, WIDTH, 50):
            draw.line([x, HEIGHT, x + HEIGHT, 0], fill=colour, width=20)
    elif kind == "grid":
        for x in range(0, WIDTH, 64):
            draw.rectangle([x, 0, x + 10, HEIGHT], fill=colour)
        for y in range(0, HEIGHT, 64):
            draw.rectangle([0, y, WIDTH, y + 10], fill=colour)
    elif kind == "waves":
        for y in range(0, HEIGHT, 48):
            points = [(x, y + (20 if (x // 40) % 2 else 0)) for x in range(0, WIDTH + 40, 40)]
            draw.line(points, fill=colour, width=14)


def draw_digit(draw, digit, left, top, width, height, thickness):
    mid = top + height // 2
    right, bottom = left + width, top + height
    t = thickness
    boxes = {
        "a": [left, top, right, top + t],
        "g": [left, mid - t // 2, right, mid + t // 2],
        "d": [left, bottom - t, right, bottom],
        "f": [left, top, left + t, mid],
        "b": [right - t, top, right, mid],
        "e": [left, mid, left + t, bottom],
        "c": [right - t, mid, right, bottom],
    }
    for segment in DIGIT_SEGMENTS[digit]:
        draw.rectangle(boxes[segment], fill=(255, 255, 255), outline=(0, 0, 0), width=4)


def make_picture(number):
    background, pattern, kind = STYLES[number - 1]
    image = Image.new("RGB", (WIDTH, HEIGHT), background)
    draw = ImageDraw.Draw(image)
    draw_pattern(draw, kind, pattern)
    # A dark panel behind the number keeps it readable on any pattern.
    draw.rounded_rectangle([190, 90, 450, 450], radius=30, fill=(20, 20, 20))
    draw_digit(draw, number, 240, 120, 160, 300, 40)
    # The band and the arrow at the top edge say which way is up.
    draw.rectangle([0, 0, WIDTH, 44], fill=(245, 245, 245))
    draw.polygon([(320, 4), (280, 40), (360, 40)], fill=background)
    return image


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for number in range(1, 10):
        path = os.path.join(folder, f"picture{number}.jpg")
        make_picture(number).save(path, quality=88)
        print(path)


if __name__ == "__main__":
    main()
