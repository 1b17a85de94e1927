// The decoder table every picture service backend can keep: one entry per format family, each
// probing the encoded bytes cheaply (from headers) and later drawing the picture at any size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace platform::pictures {

struct EncodedPicture {
    const std::uint8_t* data;
    std::size_t size;
};

enum class ProbeResult {
    NotMine, // another decoder may claim it
    Mine,    // claimed, and the facts are filled in
    Broken,  // claimed, but unusable: no other decoder is asked
};

// What a probe learns, kept until the picture is drawn.
struct PictureFacts {
    int hmWidth = 0; // natural size as shown (upright), in HIMETRIC
    int hmHeight = 0;
    int orientation = 1;              // EXIF orientation of the stored pixels; 1 = as stored
    const char* pixbufType = nullptr; // the GdkPixbuf loader that decodes the format, if any
};

// Target of a draw: width x height pixels, 4 bytes each (blue, green, red, 255), bottom row
// first, rows without filler.
struct SurfacePixels {
    int width;
    int height;
    std::uint8_t* bits;
};

struct PictureDecoder {
    const char* name;
    ProbeResult (*probe)(EncodedPicture picture, PictureFacts& facts);
    // Draws the whole picture upright, stretched to the surface, over black.
    bool (*draw)(EncodedPicture picture, const PictureFacts& facts, SurfacePixels surface);
};

// The first decoder of `table` that claims the picture, with its facts filled in; nullptr when
// none claims it or the one that does finds it broken.
const PictureDecoder* FindPictureDecoder(std::span<const PictureDecoder> table,
                                         EncodedPicture picture, PictureFacts& facts);

} // namespace platform::pictures
