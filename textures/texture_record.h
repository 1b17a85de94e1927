// One picture's texture, as the loaders fill it and the renderer reads it.
#pragma once

#include <array>
#include <cstdint>

// The kind of picture a file name announces by its extension.
enum ImageKind : std::int32_t {
    kImageOther = 0,
    kImageBitmap = 1,
    kImageJpeg = 2,
    kImageGif = 5,
    kImageIcon = 6,
    kImageEnhancedMetafile = 7,
    kImageMetafile = 8,
};

struct TextureRecord {
    std::uint32_t id;   // OpenGL texture name; 0 = no texture
    std::int32_t kind;  // an ImageKind
    std::int32_t width; // of the texture image as uploaded, in pixels
    std::int32_t height;
    std::uint32_t format; // GL_RGB or GL_RGBA
    std::int32_t bitsPerPixel;
};

// The nine pictures on screen: slot 0 the centre, 1 to 4 the column, 5 to 8 the row.
using PictureSlots = std::array<TextureRecord, 9>;

// The program's pictures, zeroed at start.
extern PictureSlots pictureSlots;
