#include "platform/linux/surface_copy.h"

#include <cstring>

namespace platform::pictures {
namespace {

std::uint8_t OverBlack(std::uint8_t channel, std::uint8_t alpha) {
    return static_cast<std::uint8_t>((channel * alpha + 127) / 255);
}

void StorePixel(const std::uint8_t* rgba, int channels, std::uint8_t* bgrx) {
    std::uint8_t alpha = channels == 4 ? rgba[3] : 255;
    std::uint8_t red = OverBlack(rgba[0], alpha);
    std::uint8_t green = OverBlack(rgba[1], alpha);
    std::uint8_t blue = OverBlack(rgba[2], alpha);
    bgrx[0] = blue;
    bgrx[1] = green;
    bgrx[2] = red;
    bgrx[3] = 255;
}

// The stored pixel shown at upright (x, y) for each EXIF orientation; stored is width x height.
void StoredPosition(int orientation, int x, int y, int width, int height, int& sx, int& sy) {
    switch (orientation) {
    case 2:
        sx = width - 1 - x;
        sy = y;
        break;
    case 3:
        sx = width - 1 - x;
        sy = height - 1 - y;
        break;
    case 4:
        sx = x;
        sy = height - 1 - y;
        break;
    case 5:
        sx = y;
        sy = x;
        break;
    case 6:
        sx = y;
        sy = height - 1 - x;
        break;
    case 7:
        sx = width - 1 - y;
        sy = height - 1 - x;
        break;
    case 8:
        sx = width - 1 - y;
        sy = x;
        break;
    default:
        sx = x;
        sy = y;
        break;
    }
}

} // namespace

void CopyUprightOverBlack(const DecodedPixels& source, int orientation, SurfacePixels surface) {
    for (int y = 0; y < surface.height; ++y) {
        std::uint8_t* row =
            surface.bits + static_cast<std::size_t>(surface.height - 1 - y) * surface.width * 4;
        for (int x = 0; x < surface.width; ++x) {
            int sx, sy;
            StoredPosition(orientation, x, y, source.width, source.height, sx, sy);
            const std::uint8_t* pixel = source.pixels +
                                        static_cast<std::size_t>(sy) * source.rowStride +
                                        static_cast<std::size_t>(sx) * source.channels;
            StorePixel(pixel, source.channels, row + static_cast<std::size_t>(x) * 4);
        }
    }
}

void ConvertRgbaInPlace(SurfacePixels surface) {
    std::size_t rowBytes = static_cast<std::size_t>(surface.width) * 4;
    for (int top = 0, bottom = surface.height - 1; top <= bottom; ++top, --bottom) {
        std::uint8_t* upper = surface.bits + top * rowBytes;
        std::uint8_t* lower = surface.bits + bottom * rowBytes;
        for (std::size_t at = 0; at < rowBytes; at += 4) {
            std::uint8_t upperPixel[4];
            std::memcpy(upperPixel, upper + at, 4);
            StorePixel(lower + at, 4, upper + at);
            if (top != bottom) {
                StorePixel(upperPixel, 4, lower + at);
            }
        }
    }
}

} // namespace platform::pictures
