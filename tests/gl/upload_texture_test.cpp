// UploadTexture on Mesa: the texture state each filter mode leaves, read back from GL.
#include "tests/gl/gl_harness.h"
#include "textures/texture_loader.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

// An unpack alignment no upload path chooses itself, so that a change shows.
constexpr GLint kCallerAlignment = 8;
// Rows of 5 RGB or RGBA pixels are not multiples of 8 bytes: the unfiltered path, which takes
// packed rows, only reads them right if it sets its alignment before the upload. The filtered
// paths inherit the caller's alignment, so their rows of 8 pixels are 8-byte multiples.
constexpr int kPackedWidth = 5;
constexpr int kAlignedWidth = 8;
constexpr int kHeight = 4;

struct UploadCase {
    const char* name;
    int width;
    int filter;
    bool mipmaps;
    GLenum format;
    GLint minFilter;
    GLint magFilter;
    bool hasLevel1;
    GLint alignmentAfter;
};

const UploadCase kCases[] = {
    {"None", kPackedWidth, 0, false, GL_RGB, GL_NEAREST, GL_NEAREST, false, 1},
    {"NoneIgnoresMipmaps", kPackedWidth, 0, true, GL_RGBA, GL_NEAREST, GL_NEAREST, false, 1},
    {"Bilinear", kAlignedWidth, 1, false, GL_RGB, GL_LINEAR, GL_LINEAR, false, kCallerAlignment},
    {"BilinearMipmapped", kAlignedWidth, 1, true, GL_RGBA, GL_LINEAR_MIPMAP_NEAREST, GL_LINEAR,
     true, kCallerAlignment},
    {"Trilinear", kAlignedWidth, 2, false, GL_RGB, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR, true,
     kCallerAlignment},
    {"TrilinearMipmapped", kAlignedWidth, 2, true, GL_RGBA, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR,
     true, kCallerAlignment},
    {"OutOfRangeActsAsNone", kPackedWidth, 7, true, GL_RGB, GL_NEAREST, GL_NEAREST, false, 1},
};

void PrintTo(const UploadCase& c, std::ostream* os) {
    *os << c.name;
}

class UploadTexture : public testing::TestWithParam<UploadCase> {};

GLint TexParameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

GLint LevelParameter(GLint level, GLenum name) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

TEST_P(UploadTexture, LeavesTheStateOfItsFilterMode) {
    const UploadCase& c = GetParam();
    OffscreenGl gl(16, 16);
    ASSERT_TRUE(gl.ok());
    const int components = c.format == GL_RGBA ? 4 : 3;
    std::vector<unsigned char> pixels(c.width * kHeight * components);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<unsigned char>(i * 7 + 3);
    }

    TextureLoader loader;
    loader.filter = static_cast<TextureFilter>(c.filter);
    loader.mipmaps = c.mipmaps;
    TextureRecord record{};
    glGenTextures(1, &record.id);
    record.width = c.width;
    record.height = kHeight;
    record.format = c.format;
    glPixelStorei(GL_UNPACK_ALIGNMENT, kCallerAlignment);

    EXPECT_EQ(loader.UploadTexture(record, pixels.data()), 0);

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), record.id);
    EXPECT_EQ(TexParameter(GL_TEXTURE_MIN_FILTER), c.minFilter);
    EXPECT_EQ(TexParameter(GL_TEXTURE_MAG_FILTER), c.magFilter);
    EXPECT_EQ(TexParameter(GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(TexParameter(GL_TEXTURE_WRAP_T), GL_CLAMP);
    EXPECT_EQ(LevelParameter(0, GL_TEXTURE_WIDTH), c.width);
    EXPECT_EQ(LevelParameter(0, GL_TEXTURE_HEIGHT), kHeight);
    EXPECT_EQ(LevelParameter(0, GL_TEXTURE_INTERNAL_FORMAT), components);
    EXPECT_EQ(LevelParameter(1, GL_TEXTURE_WIDTH), c.hasLevel1 ? c.width / 2 : 0);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, c.alignmentAfter);

    std::vector<unsigned char> level0(pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, c.format, GL_UNSIGNED_BYTE, level0.data());
    EXPECT_EQ(level0, pixels);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

INSTANTIATE_TEST_SUITE_P(FilterModes, UploadTexture, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<UploadCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(FreeTexture, DeletesTheTextureAndKeepsTheRecord) {
    OffscreenGl gl(16, 16);
    ASSERT_TRUE(gl.ok());
    TextureLoader loader;
    TextureRecord record{};
    glGenTextures(1, &record.id);
    record.width = 1;
    record.height = 1;
    record.format = GL_RGB;
    const unsigned char pixel[3] = {1, 2, 3};
    loader.UploadTexture(record, pixel);
    const TextureRecord before = record;
    ASSERT_TRUE(glIsTexture(record.id));

    loader.FreeTexture(record);

    EXPECT_FALSE(glIsTexture(before.id));
    EXPECT_EQ(record.id, before.id);
    EXPECT_EQ(record.width, 1);
    EXPECT_EQ(record.format, static_cast<std::uint32_t>(GL_RGB));
}

} // namespace
