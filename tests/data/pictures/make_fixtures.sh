#!/usr/bin/env bash
# Writes the picture fixtures into this folder. Needs ImageMagick 6 (/usr/bin/convert), PIL for
# /usr/bin/python3, and Inkscape for the EMF (only when the fixtures are remade).
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert
python=/usr/bin/python3

# The 64 x 32 source: blue ground, yellow top band, red left bar, white disc, black and green
# corner blocks at the bottom. Without antialiasing, so the palette formats keep it exactly.
$convert -size 64x32 xc:'#2040c0' +antialias \
    -fill '#e0c020' -draw 'rectangle 0,0 63,7' \
    -fill '#c02020' -draw 'rectangle 0,8 7,23' \
    -fill black -draw 'rectangle 0,24 15,31' \
    -fill '#00ff00' -draw 'rectangle 48,24 63,31' \
    -fill white -draw 'circle 32,16 32,11' source.png

$convert source.png -type TrueColor BMP3:picture.bmp
$convert source.png picture.gif
$convert source.png -type TrueColor -compress lzw picture.tiff
$convert source.png -strip -quality 90 picture.jpg
$convert source.png -strip -quality 90 picture.webp
# Two images; the larger comes second.
$convert \( source.png -resize '16x8!' \) source.png picture.ico
# Half-transparent top right, fully transparent block in the middle of the bottom.
$convert source.png -alpha set \
    -region 32x16+32+0 -channel A -evaluate set 50% +channel +region \
    -region 16x8+40+16 -channel A -evaluate set 0 +channel +region PNG32:alpha.png
# Two frames: the first is the source, the second plain magenta.
$convert -delay 50 source.png \( -size 64x32 xc:magenta \) -loop 0 animated.gif

# 640 x 480: yellow top band, green bottom left, red strip at the right edge, on blue.
$convert -size 640x480 xc:'#3060c0' \
    -fill '#e0c020' -draw 'rectangle 0,0 639,119' \
    -fill '#20a040' -draw 'rectangle 0,360 319,479' \
    -fill '#c02020' -draw 'rectangle 600,120 639,359' -strip -quality 90 photo640.jpg

# The source stored turned or mirrored, with the EXIF orientation that shows it upright again.
$python - <<'PY'
from PIL import Image
source = Image.open("source.png").convert("RGB")
stored = {2: Image.FLIP_LEFT_RIGHT, 3: Image.ROTATE_180, 4: Image.FLIP_TOP_BOTTOM,
          5: Image.TRANSPOSE, 6: Image.ROTATE_90, 7: Image.TRANSVERSE, 8: Image.ROTATE_270}
for orientation, method in stored.items():
    exif = Image.Exif()
    exif[0x0112] = orientation
    source.transpose(method).save("orientation%d.jpg" % orientation, quality=90, exif=exif)
PY

$python make_wmf.py blocks.wmf
inkscape blocks.svg --export-type=emf --export-filename=blocks.emf
