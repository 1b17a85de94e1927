// TEMPORARY stand-in so that the picture decoder can be built and tested; replaced by the real
// texture loader when the branches meet.
#include "textures/texture_loader.h"

#include <GL/gl.h>

#include <cmath>

TextureLoader::TextureLoader()
    : colorKeyEnabled(true), fullSize(true), mipmaps(false),
      filter(TextureFilter::None), colorKey{0, 0, 0} {}

TextureLoader::~TextureLoader() = default;

void TextureLoader::SetFullSize(bool value) {
    fullSize = value;
}

void TextureLoader::FreeTexture(TextureRecord& record) {
    glDeleteTextures(1, &record.id);
}

int TextureLoader::UploadTexture(TextureRecord& record, const unsigned char* pixels) {
    GLint components = record.format == GL_RGBA ? 4 : 3;
    glBindTexture(GL_TEXTURE_2D, record.id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, components, record.width, record.height, 0, record.format,
                 GL_UNSIGNED_BYTE, pixels);
    return 0;
}

int TextureLoader::PowerOfTwoSize(int n, int maxSize) {
    if (n > maxSize) {
        return maxSize;
    }
    if (n < 1) {
        return 1;
    }
    const double ln2 = static_cast<double>(0.6931471824645996f);
    int exponent = static_cast<int>(std::floor(std::log(static_cast<double>(n)) / ln2 + 0.5));
    return 1 << exponent;
}

TextureSize TextureLoader::TargetSize(int width, int height, int maxSize) {
    TextureSize size{PowerOfTwoSize(width, maxSize), PowerOfTwoSize(height, maxSize)};
    if (!fullSize && size.width > 64) {
        size.width /= 2;
        size.height /= 2;
    }
    return size;
}
