// LoadTga against true-colour TGA files and reference pictures made by other projects' tools
// (tests/data/tga-suite/README.md): every file must show exactly its reference, upright, and
// every malformed file must be refused.
#include "tests/gl/gl_harness.h"
#include "tests/gl/reference_png.h"
#include "textures/texture_loader.h"
#include "textures/tga_decode.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

namespace {

using Bytes = std::vector<unsigned char>;

std::string SuitePath(const std::string& name) {
    const char* data = std::getenv("TESSILOR_TEST_DATA");
    return std::string(data != nullptr ? data : "tests/data") + "/tga-suite/" + name;
}

std::string TestName(const std::string& path) {
    std::string name;
    for (char c : path) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

struct SuiteCase {
    const char* file;
    const char* reference;
    TextureSize texture; // what the size rule makes of the picture with the loader's defaults
};

void PrintTo(const SuiteCase& c, std::ostream* os) {
    *os << c.file;
}

// The loader's defaults keep full size, yet none of these sizes is a power of two, so every
// picture is rescaled: 200 x 32 to 256 x 32, 48 x 48 to 64 x 64, 75 x 70 to 64 x 64 and
// 100 x 100 to 128 x 128.
constexpr TextureSize kPillowTexture{256, 32};
constexpr TextureSize kLogoTexture{64, 64};
constexpr TextureSize kOrientationTexture{64, 64};
constexpr TextureSize kIdFieldTexture{128, 128};

const SuiteCase kSuite[] = {
    {"pillow/200x32_rgb_bl_raw.tga", "pillow/200x32_rgb.png", kPillowTexture},
    {"pillow/200x32_rgb_bl_rle.tga", "pillow/200x32_rgb.png", kPillowTexture},
    {"pillow/200x32_rgb_tl_raw.tga", "pillow/200x32_rgb.png", kPillowTexture},
    {"pillow/200x32_rgb_tl_rle.tga", "pillow/200x32_rgb.png", kPillowTexture},
    {"pillow/200x32_rgba_bl_raw.tga", "pillow/200x32_rgba.png", kPillowTexture},
    {"pillow/200x32_rgba_bl_rle.tga", "pillow/200x32_rgba.png", kPillowTexture},
    {"pillow/200x32_rgba_tl_raw.tga", "pillow/200x32_rgba.png", kPillowTexture},
    {"pillow/200x32_rgba_tl_rle.tga", "pillow/200x32_rgba.png", kPillowTexture},
    {"pillow/tga_id_field.tga", "pillow/tga_id_field.pil.png", kIdFieldTexture},
    {"gdk-pixbuf/gtk-logo-24bpp-bottom-left.tga", "gdk-pixbuf/gtk-logo-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-24bpp-bottom-right.tga", "gdk-pixbuf/gtk-logo-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-24bpp-top-left.tga", "gdk-pixbuf/gtk-logo-opaque.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-24bpp-top-right.tga", "gdk-pixbuf/gtk-logo-opaque.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-rle-24bpp-bottom-left.tga", "gdk-pixbuf/gtk-logo-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-rle-24bpp-bottom-right.tga", "gdk-pixbuf/gtk-logo-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-rle-24bpp-top-left.tga", "gdk-pixbuf/gtk-logo-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-rle-24bpp-top-right.tga", "gdk-pixbuf/gtk-logo-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-32bpp-bottom-left.tga", "gdk-pixbuf/gtk-logo.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-32bpp-bottom-right.tga", "gdk-pixbuf/gtk-logo.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-32bpp-top-left.tga", "gdk-pixbuf/gtk-logo.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-32bpp-top-right.tga", "gdk-pixbuf/gtk-logo.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-rle-32bpp-bottom-left.tga", "gdk-pixbuf/gtk-logo.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-rle-32bpp-bottom-right.tga", "gdk-pixbuf/gtk-logo.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-rle-32bpp-top-left.tga", "gdk-pixbuf/gtk-logo.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-rle-32bpp-top-right.tga", "gdk-pixbuf/gtk-logo.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-gray-8bpp-bottom-left.tga", "gdk-pixbuf/gtk-logo-gray-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-gray-8bpp-bottom-right.tga", "gdk-pixbuf/gtk-logo-gray-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-gray-8bpp-top-left.tga", "gdk-pixbuf/gtk-logo-gray-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-gray-8bpp-top-right.tga", "gdk-pixbuf/gtk-logo-gray-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-gray-rle-8bpp-bottom-left.tga", "gdk-pixbuf/gtk-logo-gray-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-gray-rle-8bpp-bottom-right.tga",
     "gdk-pixbuf/gtk-logo-gray-opaque.ref.png", kLogoTexture},
    {"gdk-pixbuf/gtk-logo-gray-rle-8bpp-top-left.tga", "gdk-pixbuf/gtk-logo-gray-opaque.ref.png",
     kLogoTexture},
    {"gdk-pixbuf/gtk-logo-gray-rle-8bpp-top-right.tga", "gdk-pixbuf/gtk-logo-gray-opaque.ref.png",
     kLogoTexture},
    {"image-rs/bottom_left.tga", "image-rs/bottom_left.tga.png", kOrientationTexture},
    {"image-rs/bottom_right.tga", "image-rs/bottom_right.tga.png", kOrientationTexture},
    {"image-rs/top_left.tga", "image-rs/top_left.tga.png", kOrientationTexture},
    {"image-rs/top_right.tga", "image-rs/top_right.tga.png", kOrientationTexture},
};

// Texture rows run bottom to top, PNG rows top to bottom.
Bytes BottomRowFirst(const ReferenceImage& image) {
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * image.channels;
    Bytes rows(image.pixels.size());
    for (int y = 0; y < image.height; ++y) {
        std::copy_n(image.pixels.begin() + (image.height - 1 - y) * rowBytes, rowBytes,
                    rows.begin() + y * rowBytes);
    }
    return rows;
}

struct Differences {
    int colour = 0; // texels whose red, green or blue differ
    int alpha = 0;  // texels whose alpha differs
};

enum class ClearTexels { CompareColour, IgnoreColour };

// A fully transparent texel shows no colour, so on screen only its alpha counts.
Differences Compare(const Bytes& actual, const Bytes& expected, int channels, ClearTexels clear) {
    Differences differences;
    if (actual.size() != expected.size()) {
        ADD_FAILURE() << actual.size() << " bytes where " << expected.size() << " were expected";
        return differences;
    }
    for (std::size_t i = 0; i < expected.size(); i += channels) {
        const bool ignoreColour =
            clear == ClearTexels::IgnoreColour && channels == 4 && expected[i + 3] == 0;
        if (!ignoreColour &&
            !std::equal(expected.begin() + i, expected.begin() + i + 3, actual.begin() + i)) {
            ++differences.colour;
        }
        if (channels == 4 && expected[i + 3] != actual[i + 3]) {
            ++differences.alpha;
        }
    }
    return differences;
}

Bytes DecodeWithoutGl(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    unsigned char header[kTgaHeaderBytes];
    if (!file || std::fread(header, 1, sizeof header, file.get()) != sizeof header) {
        return {};
    }
    const TgaHeader fields = ParseTgaHeader(header);
    std::unique_ptr<unsigned char[]> pixels = ReadTgaPixels(file.get(), fields);
    if (!pixels) {
        return {};
    }
    const std::size_t bytes = std::size_t{fields.width} * fields.height * TgaBytesPerPixel(fields);
    return Bytes(pixels.get(), pixels.get() + bytes);
}

class TgaSuite : public testing::TestWithParam<SuiteCase> {};

TEST_P(TgaSuite, ShowsExactlyTheReference) {
    const SuiteCase& c = GetParam();
    ReferenceImage reference;
    ASSERT_TRUE(ReadReferencePng(SuitePath(c.reference), reference)) << c.reference;
    const Bytes upright = BottomRowFirst(reference);

    // The decoded picture at its own size, every byte, transparent texels' colour included.
    const Bytes decoded = DecodeWithoutGl(SuitePath(c.file));
    const Differences atOwnSize =
        Compare(decoded, upright, reference.channels, ClearTexels::CompareColour);
    EXPECT_EQ(atOwnSize.colour, 0);
    EXPECT_EQ(atOwnSize.alpha, 0);

    OffscreenGl gl(16, 16);
    ASSERT_TRUE(gl.ok());
    TextureLoader loader;
    TextureRecord record{};
    ASSERT_TRUE(loader.LoadTga(SuitePath(c.file).c_str(), record));
    EXPECT_EQ(record.width, c.texture.width);
    EXPECT_EQ(record.height, c.texture.height);
    ASSERT_EQ(record.format,
              static_cast<std::uint32_t>(reference.channels == 4 ? GL_RGBA : GL_RGB));

    // The reference goes through the same rescaling as the picture, so texels compare exactly.
    const GLenum format = record.format;
    Bytes expected(static_cast<std::size_t>(record.width) * record.height * reference.channels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    gluScaleImage(format, reference.width, reference.height, GL_UNSIGNED_BYTE, upright.data(),
                  record.width, record.height, GL_UNSIGNED_BYTE, expected.data());
    Bytes texels(expected.size());
    glBindTexture(GL_TEXTURE_2D, record.id);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, texels.data());

    const Differences asTexture =
        Compare(texels, expected, reference.channels, ClearTexels::IgnoreColour);
    EXPECT_EQ(asTexture.colour, 0);
    EXPECT_EQ(asTexture.alpha, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

INSTANTIATE_TEST_SUITE_P(Files, TgaSuite, testing::ValuesIn(kSuite),
                         [](const testing::TestParamInfo<SuiteCase>& info) {
                             return TestName(info.param.file);
                         });

const char* const kMalformed[] = {
    "gdk-pixbuf/fail/empty-file.tga",
    "gdk-pixbuf/fail/androstanRezeptor.tga",
    "gdk-pixbuf/fail/overflow.tga",
    "gdk-pixbuf/fail/DoS.tga",
    "gdk-pixbuf/fail/colormap-image-without-colormap.tga",
};

class TgaSuiteMalformed : public testing::TestWithParam<const char*> {};

TEST_P(TgaSuiteMalformed, IsRefusedWithoutATexture) {
    OffscreenGl gl(16, 16);
    ASSERT_TRUE(gl.ok());
    TextureLoader loader;
    TextureRecord record{};

    EXPECT_FALSE(loader.LoadTga(SuitePath(GetParam()).c_str(), record));

    EXPECT_EQ(record.id, 0u);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

INSTANTIATE_TEST_SUITE_P(Files, TgaSuiteMalformed, testing::ValuesIn(kMalformed),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return TestName(info.param);
                         });

} // namespace
