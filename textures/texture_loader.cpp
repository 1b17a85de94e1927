#include "textures/texture_loader.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

// The size rule divides ln n, taken in double precision, by ln 2 rounded to single precision
// (0.6931471824645996): the rule is defined with that divisor, and rounding to the nearest power
// of two depends on it at the halfway points.
constexpr float kLn2Single = 0.6931471805599453f;

// 2 to the power 30 is the largest power of two an int holds; only an absurd maximum texture size
// lets a picture reach beyond it.
constexpr int kLargestExponent = 30;

// With fullSize off, textures wider than this are halved: small pictures keep their detail.
constexpr int kHalvingWidth = 64;

} // namespace

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
    const GLint components = record.format == GL_RGBA ? 4 : 3;
    glBindTexture(GL_TEXTURE_2D, record.id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    switch (filter) {
    case TextureFilter::Bilinear:
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        if (mipmaps) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
            gluBuild2DMipmaps(GL_TEXTURE_2D, components, record.width, record.height, record.format,
                              GL_UNSIGNED_BYTE, pixels);
        } else {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexImage2D(GL_TEXTURE_2D, 0, components, record.width, record.height, 0,
                         record.format, GL_UNSIGNED_BYTE, pixels);
        }
        break;
    case TextureFilter::Trilinear:
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, record.width, record.height, record.format,
                          GL_UNSIGNED_BYTE, pixels);
        break;
    default:
        // Rows arrive tightly packed. The setting stays for every later upload; the filtered
        // modes never set it and inherit whatever it is.
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, components, record.width, record.height, 0, record.format,
                     GL_UNSIGNED_BYTE, pixels);
        break;
    }
    return 0;
}

int TextureLoader::PowerOfTwoSize(int n, int maxSize) {
    if (n > maxSize) {
        return maxSize;
    }
    if (n < 1) {
        return 1; // the logarithm of 0 has no power of two; the smallest texture stands in
    }
    const double exponent =
        std::floor(std::log(static_cast<double>(n)) / static_cast<double>(kLn2Single) + 0.5);
    if (exponent > kLargestExponent) {
        return maxSize;
    }
    return 1 << static_cast<int>(exponent);
}

TextureSize TextureLoader::TargetSize(int width, int height, int maxSize) {
    TextureSize size{PowerOfTwoSize(width, maxSize), PowerOfTwoSize(height, maxSize)};
    // Only the width decides: a tall narrow picture keeps its full height.
    if (!fullSize && size.width > kHalvingWidth) {
        size.width /= 2;
        size.height /= 2;
    }
    return size;
}
