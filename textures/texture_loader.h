// Everything about turning pictures into OpenGL textures: the loader's settings, the size rule,
// the upload, and the decoders. Every member that touches GL needs a current context.
#pragma once

#include "textures/texture_record.h"

#include <cstdint>

// How textures are filtered; any other value behaves as None.
enum class TextureFilter : std::int32_t {
    None = 0,
    Bilinear = 1,
    Trilinear = 2,
};

struct TextureSize {
    int width;
    int height;
};

class TextureLoader {
  public:
    TextureLoader();
    virtual ~TextureLoader(); // releases nothing: textures go through FreeTexture

    void SetFullSize(bool value);

    // Deletes the record's texture; the record itself keeps its fields.
    void FreeTexture(TextureRecord& record);

    // Gives record.id (already made by glGenTextures) the image `pixels`: rows bottom to top,
    // R G B (GL_RGB) or R G B A (GL_RGBA) bytes, no filler between rows. Returns 0.
    int UploadTexture(TextureRecord& record, const unsigned char* pixels);

    // The power of two nearest to n on a logarithmic scale (halfway going up), at most maxSize.
    int PowerOfTwoSize(int n, int maxSize);

    // The texture size for a picture of this size; with fullSize off, textures wider than 64
    // are halved in both dimensions.
    TextureSize TargetSize(int width, int height, int maxSize);

    // Loads `name` from the current directory (or an http address as it stands), choosing the
    // decoder by the name's extension. True when a texture was made.
    bool LoadTexture(const char* name, TextureRecord& record);

    // Reads a true-colour TGA file (uncompressed or run-length, 24 or 32 bits).
    bool LoadTga(const char* path, TextureRecord& record);

    // Decodes any picture the platform's picture service opens, from a path or http address.
    bool LoadPicture(const char* path, TextureRecord& record);

    bool colorKeyEnabled; // the picture decoder makes pixels of colorKey transparent
    bool fullSize;        // when false, textures wider than 64 pixels are halved
    bool mipmaps;         // the bilinear filter builds mipmaps
    TextureFilter filter;
    std::uint8_t colorKey[3]; // red, green, blue
};
