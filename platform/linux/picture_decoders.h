// The decoders of the Linux picture service, one table entry per format family. A decoder first
// probes the encoded bytes (cheaply, from headers) and later draws the picture at any size.
#pragma once

#include <cstddef>
#include <cstdint>

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

// The decoder that claims the picture, with its facts filled in; nullptr when none claims it or
// the one that does finds it broken.
const PictureDecoder* FindPictureDecoder(EncodedPicture picture, PictureFacts& facts);

// The entries of the table, by family.
ProbeResult ProbeWmf(EncodedPicture picture, PictureFacts& facts);
bool DrawWmf(EncodedPicture picture, const PictureFacts& facts, SurfacePixels surface);
ProbeResult ProbeEmf(EncodedPicture picture, PictureFacts& facts);
bool DrawEmf(EncodedPicture picture, const PictureFacts& facts, SurfacePixels surface);

// Raster formats through GdkPixbuf: the probe of each format checks its signature and then
// asks the loader named `pixbufType` for the size.
ProbeResult ProbeWithPixbuf(const char* pixbufType, EncodedPicture picture, PictureFacts& facts);
bool DrawWithPixbuf(EncodedPicture picture, const PictureFacts& facts, SurfacePixels surface);

} // namespace platform::pictures
