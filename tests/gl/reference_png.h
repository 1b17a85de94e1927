// Reference pictures for comparisons, read with libpng.
#pragma once

#include <string>
#include <vector>

struct ReferenceImage {
    int width = 0;
    int height = 0;
    int channels = 0;                  // 3 for RGB, 4 for RGBA
    std::vector<unsigned char> pixels; // top row first, as the PNG stores it
};

// Reads any 8- or 16-bit PNG as 8-bit RGB or RGBA, with no gamma or colour conversion.
bool ReadReferencePng(const std::string& path, ReferenceImage& image);
