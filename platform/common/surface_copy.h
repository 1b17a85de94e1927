// Moving decoded RGB(A) rows into a drawing surface.
#pragma once

#include "platform/common/picture_decoder_table.h"

namespace platform::pictures {

// Decoded pixels as GdkPixbuf keeps them: top row first, R G B (A) bytes.
struct DecodedPixels {
    const std::uint8_t* pixels;
    int width;
    int height;
    int rowStride;
    int channels; // 3, or 4 with alpha last, not premultiplied
};

// Copies `source` (stored with EXIF `orientation`) into the surface upright, bottom row first,
// blue green red 255, with alpha composited over black. The surface is the source's size, with
// width and height exchanged for the quarter turns (orientations 5 to 8).
void CopyUprightOverBlack(const DecodedPixels& source, int orientation, SurfacePixels surface);

// The same for a source that already lies in the surface's memory, upright, as top-down RGBA.
void ConvertRgbaInPlace(SurfacePixels surface);

} // namespace platform::pictures
