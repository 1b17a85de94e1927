// LoadPicture through the Linux picture service into real GL textures, read back and compared
// with PIL's decoding of the same files.
#include "tests/gl/gl_harness.h"
#include "tests/gl/texture_readback.h"
#include "tests/unit/picture_fixtures.h"
#include "textures/texture_loader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace {

class LoadPictureTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(gl_.ok()); }
    OffscreenGl gl_{16, 16};
    TextureLoader loader_;
};

struct Rgba {
    int r, g, b, a;
};

// The texel at (x, y) of the picture as seen, (0, 0) at the top left.
Rgba TexelSeen(const std::vector<std::uint8_t>& texels, int width, int height, int x, int y) {
    const std::uint8_t* t = &texels[(static_cast<std::size_t>(height - 1 - y) * width + x) * 4];
    return {t[0], t[1], t[2], t[3]};
}

void ExpectNear(Rgba texel, Rgba expected, int tolerance) {
    EXPECT_NEAR(texel.r, expected.r, tolerance);
    EXPECT_NEAR(texel.g, expected.g, tolerance);
    EXPECT_NEAR(texel.b, expected.b, tolerance);
    EXPECT_EQ(texel.a, expected.a);
}

TEST_F(LoadPictureTest, A640x480JpegWithTheProgramsSettingsBecomesA256x256Texture) {
    loader_.SetFullSize(false);
    TextureRecord record{};
    record.kind = kImageJpeg;
    ASSERT_TRUE(loader_.LoadPicture(PictureFixture("photo640.jpg").c_str(), record));
    EXPECT_NE(record.id, 0u);
    EXPECT_EQ(record.kind, kImageJpeg);
    EXPECT_EQ(record.width, 256);
    EXPECT_EQ(record.height, 256);
    EXPECT_EQ(record.format, static_cast<std::uint32_t>(GL_RGBA));
    EXPECT_EQ(record.bitsPerPixel, 32);

    std::vector<std::uint8_t> texels = ReadTextureRgba(record.id, 256, 256);
    // The first row uploaded is the picture's bottom row: green at the left, blue at the right.
    const std::uint8_t* first = texels.data();
    EXPECT_NEAR(first[0], 0x20, 8);
    EXPECT_NEAR(first[1], 0xa0, 8);
    const std::uint8_t* firstRight = texels.data() + 255 * 4;
    EXPECT_NEAR(firstRight[2], 0xc0, 8);
    // The whole picture, squeezed: the yellow band on top, the red strip at the right edge.
    const Rgba yellow{0xe0, 0xc0, 0x20, 255};
    const Rgba red{0xc0, 0x20, 0x20, 255};
    const Rgba blue{0x30, 0x60, 0xc0, 255};
    ExpectNear(TexelSeen(texels, 256, 256, 0, 0), yellow, 8);
    ExpectNear(TexelSeen(texels, 256, 256, 255, 0), yellow, 8);
    ExpectNear(TexelSeen(texels, 256, 256, 255, 128), red, 8);
    ExpectNear(TexelSeen(texels, 256, 256, 128, 128), blue, 8);
    glDeleteTextures(1, &record.id);
}

struct FormatCase {
    const char* fixture;
    const char* loadedAs; // copied to this name first when set: content decides, not the name
    int tolerance;        // 0 for lossless formats
};

// Every fixture is 64 x 32 as shown, so with the default settings its texture is 64 x 32 too,
// texel for texel.
const FormatCase kFormats[] = {
    {"picture.bmp", nullptr, 0},      {"picture.gif", nullptr, 0},
    {"animated.gif", nullptr, 0},     {"picture.ico", nullptr, 0},
    {"alpha.png", nullptr, 1},        {"picture.tiff", nullptr, 0},
    {"picture.jpg", nullptr, 3},      {"picture.webp", nullptr, 3},
    {"picture.gif", "gif.jpg", 0},    {"alpha.png", "png.jpg", 1},
    {"orientation2.jpg", nullptr, 3}, {"orientation3.jpg", nullptr, 3},
    {"orientation4.jpg", nullptr, 3}, {"orientation5.jpg", nullptr, 3},
    {"orientation6.jpg", nullptr, 3}, {"orientation7.jpg", nullptr, 3},
    {"orientation8.jpg", nullptr, 3},
};

TEST_F(LoadPictureTest, EachFormatMatchesAnIndependentDecoding) {
    ScratchFolder scratch;
    for (const FormatCase& c : kFormats) {
        SCOPED_TRACE(std::string(c.fixture) + (c.loadedAs ? std::string(" as ") + c.loadedAs : ""));
        std::string path = PictureFixture(c.fixture);
        if (c.loadedAs != nullptr) {
            std::string copy = scratch.File(c.loadedAs);
            WriteFile(copy, ReadFile(path));
            path = copy;
        }
        TextureRecord record{};
        ASSERT_TRUE(loader_.LoadPicture(path.c_str(), record));
        ASSERT_EQ(record.width, 64);
        ASSERT_EQ(record.height, 32);
        std::vector<std::uint8_t> texels = ReadTextureRgba(record.id, 64, 32);
        std::vector<std::uint8_t> reference = ReferenceRgb(path, 64, 32);
        ASSERT_FALSE(reference.empty());

        int mismatches = 0;
        for (int y = 0; y < 32 && mismatches < 5; ++y) {
            for (int x = 0; x < 64 && mismatches < 5; ++x) {
                const std::uint8_t* ref = &reference[(static_cast<std::size_t>(y) * 64 + x) * 3];
                Rgba texel = TexelSeen(texels, 64, 32, x, y);
                bool black = ref[0] == 0 && ref[1] == 0 && ref[2] == 0;
                bool nearBlack =
                    ref[0] <= c.tolerance && ref[1] <= c.tolerance && ref[2] <= c.tolerance;
                bool colourOk = std::abs(texel.r - ref[0]) <= c.tolerance &&
                                std::abs(texel.g - ref[1]) <= c.tolerance &&
                                std::abs(texel.b - ref[2]) <= c.tolerance;
                // Where a lossy decoder may land on either side of pure black, so may the key.
                bool alphaOk = (c.tolerance > 0 && nearBlack) || texel.a == (black ? 0 : 255);
                if (!colourOk || !alphaOk) {
                    ++mismatches;
                    ADD_FAILURE() << "at " << x << "," << y << ": texel " << texel.r << " "
                                  << texel.g << " " << texel.b << " " << texel.a << ", reference "
                                  << int(ref[0]) << " " << int(ref[1]) << " " << int(ref[2]);
                }
            }
        }
        glDeleteTextures(1, &record.id);
    }
}

TEST_F(LoadPictureTest, TheKeyFollowsTheLoadersSetting) {
    // The black block at the bottom left of the source, well inside its edges.
    TextureRecord record{};
    ASSERT_TRUE(loader_.LoadPicture(PictureFixture("picture.bmp").c_str(), record));
    std::vector<std::uint8_t> texels = ReadTextureRgba(record.id, 64, 32);
    EXPECT_EQ(TexelSeen(texels, 64, 32, 4, 28).a, 0);
    EXPECT_EQ(TexelSeen(texels, 64, 32, 40, 28).a, 255);
    glDeleteTextures(1, &record.id);

    loader_.colorKeyEnabled = false;
    ASSERT_TRUE(loader_.LoadPicture(PictureFixture("picture.bmp").c_str(), record));
    texels = ReadTextureRgba(record.id, 64, 32);
    EXPECT_EQ(TexelSeen(texels, 64, 32, 4, 28).a, 255);
    glDeleteTextures(1, &record.id);
}

TEST_F(LoadPictureTest, MetafilesAreDrawnStretchedToTheTexture) {
    // Both show 160 x 120 at 96 dpi (the EMF a little more, with Inkscape's margin), so 128 x 128.
    // Red top half, green bottom left, white bottom right, a black corner block at the bottom
    // left: sampled well inside each area.
    // The EMF first: its converter must not disturb the WMF loader that runs after it.
    for (const char* fixture : {"blocks.emf", "blocks.wmf"}) {
        SCOPED_TRACE(fixture);
        TextureRecord record{};
        ASSERT_TRUE(loader_.LoadPicture(PictureFixture(fixture).c_str(), record));
        ASSERT_EQ(record.width, 128);
        ASSERT_EQ(record.height, 128);
        std::vector<std::uint8_t> texels = ReadTextureRgba(record.id, 128, 128);
        ExpectNear(TexelSeen(texels, 128, 128, 64, 20), {200, 30, 30, 255}, 2);
        ExpectNear(TexelSeen(texels, 128, 128, 40, 80), {30, 180, 60, 255}, 2);
        ExpectNear(TexelSeen(texels, 128, 128, 100, 100), {255, 255, 255, 255}, 2);
        ExpectNear(TexelSeen(texels, 128, 128, 10, 120), {0, 0, 0, 0}, 0);
        glDeleteTextures(1, &record.id);
    }
}

TEST_F(LoadPictureTest, FailuresLeaveTheRecordUntouched) {
    ScratchFolder scratch;
    std::vector<std::uint8_t> photo = ReadFile(PictureFixture("photo640.jpg"));
    std::vector<std::uint8_t> png = ReadFile(PictureFixture("alpha.png"));
    WriteFile(scratch.File("empty.jpg"), {});
    WriteFile(scratch.File("garbage.jpg"), std::vector<std::uint8_t>(3000, 0x5A));
    WriteFile(scratch.File("cut.jpg"), {photo.begin(), photo.begin() + photo.size() / 2});
    WriteFile(scratch.File("cut.png"), {png.begin(), png.begin() + png.size() / 2});
    std::filesystem::create_directory(scratch.File("folder.jpg"));
    ASSERT_EQ(mkfifo(scratch.File("fifo.jpg").c_str(), 0600), 0);
    // A picture that exists, at a path of over 300 characters.
    std::string longPath = scratch.path();
    for (char letter : {'a', 'b', 'c'}) {
        longPath += "/" + std::string(100, letter);
        std::filesystem::create_directory(longPath);
    }
    longPath += "/picture.bmp";
    WriteFile(longPath, ReadFile(PictureFixture("picture.bmp")));

    const std::string paths[] = {scratch.File("missing.jpg"), scratch.File("empty.jpg"),
                                 scratch.File("garbage.jpg"), scratch.File("cut.jpg"),
                                 scratch.File("cut.png"),     scratch.File("folder.jpg"),
                                 scratch.File("fifo.jpg"),    longPath};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const TextureRecord before{77, kImageJpeg, 11, 12, 0x1907, 24};
        TextureRecord record = before;
        EXPECT_FALSE(loader_.LoadPicture(path.c_str(), record));
        EXPECT_EQ(record.id, before.id);
        EXPECT_EQ(record.kind, before.kind);
        EXPECT_EQ(record.width, before.width);
        EXPECT_EQ(record.height, before.height);
        EXPECT_EQ(record.format, before.format);
        EXPECT_EQ(record.bitsPerPixel, before.bitsPerPixel);
    }
}

TEST_F(LoadPictureTest, APathOfExactly259CharactersStillLoads) {
    ScratchFolder scratch;
    std::string prefix = scratch.path() + "/";
    std::string path = prefix + std::string(259 - prefix.size() - 4, 'p') + ".bmp";
    ASSERT_EQ(path.size(), 259u);
    WriteFile(path, ReadFile(PictureFixture("picture.bmp")));
    TextureRecord record{};
    EXPECT_TRUE(loader_.LoadPicture(path.c_str(), record));
    glDeleteTextures(1, &record.id);
    std::string tooLong = prefix + std::string(260 - prefix.size() - 4, 'p') + ".bmp";
    WriteFile(tooLong, ReadFile(PictureFixture("picture.bmp")));
    EXPECT_FALSE(loader_.LoadPicture(tooLong.c_str(), record));
}

} // namespace
