#include "platform/common/surface_copy.h"

#include <cstddef>
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

// How the upright picture walks the stored one for each EXIF orientation: the stored pixel
// shown at the upright top left, and the stored step for one upright pixel to the right and
// for one upright row down. "Far" means the last column or row of the stored picture.
struct StoredWalk {
    bool farColumn, farRow;
    int rightX, rightY;
    int downX, downY;
};

StoredWalk WalkFor(int orientation) {
    switch (orientation) {
    case 2:
        return {true, false, -1, 0, 0, 1}; // mirrored
    case 3:
        return {true, true, -1, 0, 0, -1}; // half turn
    case 4:
        return {false, true, 1, 0, 0, -1}; // flipped
    case 5:
        return {false, false, 0, 1, 1, 0}; // transposed
    case 6:
        return {false, true, 0, -1, 1, 0}; // quarter turn
    case 7:
        return {true, true, 0, -1, -1, 0}; // transverse
    case 8:
        return {true, false, 0, 1, -1, 0}; // quarter turn back
    default:
        return {false, false, 1, 0, 0, 1}; // as stored
    }
}

} // namespace

void CopyUprightOverBlack(const DecodedPixels& source, int orientation, SurfacePixels surface) {
    StoredWalk walk = WalkFor(orientation);
    std::ptrdiff_t stride = source.rowStride;
    std::ptrdiff_t right = walk.rightX * source.channels + walk.rightY * stride;
    std::ptrdiff_t down = walk.downX * source.channels + walk.downY * stride;
    // Offsets rather than pointers: a step past the last pixel may point outside the buffer.
    std::ptrdiff_t topLeft = (walk.farRow ? (source.height - 1) * stride : 0) +
                             (walk.farColumn ? (source.width - 1) * source.channels : 0);
    for (int y = 0; y < surface.height; ++y) {
        std::uint8_t* row =
            surface.bits + static_cast<std::size_t>(surface.height - 1 - y) * surface.width * 4;
        std::ptrdiff_t at = topLeft + y * down;
        for (int x = 0; x < surface.width; ++x, at += right) {
            StorePixel(source.pixels + at, source.channels, row + static_cast<std::size_t>(x) * 4);
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
