// Reading a texture's image back from GL, for comparisons.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

// Level 0 of `texture` as R G B A bytes, bottom row (the first uploaded) first.
inline std::vector<std::uint8_t> ReadTextureRgba(GLuint texture, int width, int height) {
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(width) * height * 4);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}
