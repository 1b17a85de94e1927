// LoadTga on Mesa with files built byte by byte: the packet rules, the layouts it accepts, the
// files it refuses and the record and GL state each outcome leaves.
#include "tests/gl/gl_harness.h"
#include "tests/gl/tga_fixture.h"
#include "textures/texture_loader.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

constexpr Colour kA{0x10, 0x11, 0x12, 0x13};
constexpr Colour kB{0x20, 0x21, 0x22, 0x23};
constexpr Colour kC{0x30, 0x31, 0x32, 0x33};
constexpr Colour kD{0x40, 0x41, 0x42, 0x43};
constexpr Colour kE{0x50, 0x51, 0x52, 0x53};
constexpr Colour kF{0x60, 0x61, 0x62, 0x63};
constexpr Colour kG{0x70, 0x71, 0x72, 0x73};
constexpr Colour kH{0x80, 0x81, 0x82, 0x83};

// The image every orientation case shows: A B C D along the bottom, E F G H along the top.
const std::vector<Colour> kUpright = {kA, kB, kC, kD, kE, kF, kG, kH};

// A record as a caller might hand it over, so that whatever the loader writes shows.
constexpr TextureRecord kUntouched{77, 5, -1, -2, 0xDEAD, -3};

// A texture made in the fresh context would be given this name first.
constexpr GLuint kFirstTextureName = 1;

constexpr GLint kDefaultAlignment = 4;

std::vector<Colour> Gradient(int count) {
    std::vector<Colour> colours;
    for (int i = 0; i < count; ++i) {
        colours.push_back({static_cast<unsigned char>(i), static_cast<unsigned char>(255 - i),
                           static_cast<unsigned char>(i * 3),
                           static_cast<unsigned char>(i ^ 0x5A)});
    }
    return colours;
}

Bytes ReadTexels(const TextureRecord& record) {
    const int components = record.format == GL_RGBA ? 4 : 3;
    Bytes texels(static_cast<std::size_t>(record.width) * record.height * components);
    glBindTexture(GL_TEXTURE_2D, record.id);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, record.format, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

GLint Integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

struct LoadCase {
    std::string name;
    Bytes file;
    int width;
    int height;
    int depth;
    Bytes texels; // bottom row first
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<LoadCase> LoadCases() {
    const TgaFields rle24{.imageType = 10, .width = 4, .height = 2};
    const TgaFields raw24{.width = 4, .height = 2};
    TgaFields wide = rle24;
    wide.width = 128;
    wide.height = 1;
    const std::vector<Colour> ramp = Gradient(128);
    TgaFields withId = raw24;
    withId.idLength = 5;
    TgaFields withMap = raw24;
    withMap.colourMapType = 1;
    withMap.colourMapLength = 3;
    withMap.colourMapEntryBits = 24;
    TgaFields withMap15 = withMap;
    withMap15.colourMapEntryBits = 15; // rounded up to 2 bytes an entry
    TgaFields withIdAndMap = withMap;
    withIdAndMap.idLength = 2;
    TgaFields mapFieldsWithoutMap = withMap;
    mapFieldsWithoutMap.colourMapType = 0; // the length means nothing without the type
    TgaFields depth31 = raw24;
    depth31.depth = 31;
    TgaFields depth32{.width = 4, .height = 2, .depth = 32, .descriptor = 8};
    TgaFields depth39 = depth32;
    depth39.depth = 39;
    TgaFields rle32 = depth32;
    rle32.imageType = 10;

    auto corner = [&](TgaFields fields, std::uint8_t descriptor) {
        fields.descriptor = descriptor;
        return fields;
    };
    const Bytes upright = Texels(kUpright, 3);

    return {
        // Packet rules.
        {"RawPacket7FCarries128Pixels", Concat({TgaHeaderBytes(wide), {0x7F}, Stored(ramp, 3)}),
         128, 1, 24, Texels(ramp, 3)},
        {"RunPacketFFRepeats128Times", Concat({TgaHeaderBytes(wide), {0xFF}, Stored({kC}, 3)}), 128,
         1, 24, Texels(std::vector<Colour>(128, kC), 3)},
        {"RunPacket80RepeatsOnce",
         Concat({TgaHeaderBytes(rle24),
                 {0x80},
                 Stored({kA}, 3),
                 {0x80},
                 Stored({kB}, 3),
                 {0x81},
                 Stored({kC}, 3),
                 {0x83},
                 Stored({kD}, 3)}),
         4, 2, 24, Texels({kA, kB, kC, kC, kD, kD, kD, kD}, 3)},
        {"PacketsCrossRows",
         Concat({TgaHeaderBytes(rle24), {0x84}, Stored({kA}, 3), {0x02}, Stored({kB, kC, kD}, 3)}),
         4, 2, 24, Texels({kA, kA, kA, kA, kA, kB, kC, kD}, 3)},
        {"LastPacketEndsOnLastPixel",
         Concat({TgaHeaderBytes(rle24),
                 {0x05},
                 Stored({kA, kB, kC, kD, kE, kF}, 3),
                 {0x81},
                 Stored({kG}, 3)}),
         4, 2, 24, Texels({kA, kB, kC, kD, kE, kF, kG, kG}, 3)},
        {"Rle32CarriesAlpha",
         Concat(
             {TgaHeaderBytes(rle32), {0x83}, Stored({kA}, 4), {0x03}, Stored({kB, kC, kD, kE}, 4)}),
         4, 2, 32, Texels({kA, kA, kA, kA, kB, kC, kD, kE}, 4)},
        // What stands between the header and the pixels, and what follows them.
        {"IdFieldSkipped",
         Concat({TgaHeaderBytes(withId), {'h', 'e', 'l', 'l', 'o'}, Stored(kUpright, 3)}), 4, 2, 24,
         upright},
        {"ColourMapSkipped",
         Concat({TgaHeaderBytes(withMap), Repeat(9, {0xEE}), Stored(kUpright, 3)}), 4, 2, 24,
         upright},
        {"ColourMapEntriesRoundedUpToBytes",
         Concat({TgaHeaderBytes(withMap15), Repeat(6, {0xEE}), Stored(kUpright, 3)}), 4, 2, 24,
         upright},
        {"IdAndColourMapSkipped",
         Concat({TgaHeaderBytes(withIdAndMap), {'i', 'd'}, Repeat(9, {0xEE}), Stored(kUpright, 3)}),
         4, 2, 24, upright},
        {"ColourMapFieldsIgnoredWithoutMapType",
         Concat({TgaHeaderBytes(mapFieldsWithoutMap), Stored(kUpright, 3)}), 4, 2, 24, upright},
        {"TrailingFooterIgnored",
         Concat({TgaHeaderBytes(raw24),
                 Stored(kUpright, 3),
                 Repeat(8, {0}),
                 {'T', 'R', 'U', 'E', 'V', 'I', 'S', 'I', 'O', 'N', '-', 'X', 'F', 'I', 'L', 'E',
                  '.', 0}}),
         4, 2, 24, upright},
        // Depths name bits; whole bytes decide the layout, the depth itself is kept.
        {"Depth31ReadAsThreeBytes", Concat({TgaHeaderBytes(depth31), Stored(kUpright, 3)}), 4, 2,
         31, upright},
        {"Depth32", Concat({TgaHeaderBytes(depth32), Stored(kUpright, 4)}), 4, 2, 32,
         Texels(kUpright, 4)},
        {"Depth39ReadAsFourBytes", Concat({TgaHeaderBytes(depth39), Stored(kUpright, 4)}), 4, 2, 39,
         Texels(kUpright, 4)},
        // The four corners a file may start in all show the same upright picture.
        {"BottomLeftOrigin",
         Concat({TgaHeaderBytes(corner(raw24, 0x00)), Stored({kA, kB, kC, kD, kE, kF, kG, kH}, 3)}),
         4, 2, 24, upright},
        {"BottomRightOrigin",
         Concat({TgaHeaderBytes(corner(raw24, 0x10)), Stored({kD, kC, kB, kA, kH, kG, kF, kE}, 3)}),
         4, 2, 24, upright},
        {"TopLeftOrigin",
         Concat({TgaHeaderBytes(corner(raw24, 0x20)), Stored({kE, kF, kG, kH, kA, kB, kC, kD}, 3)}),
         4, 2, 24, upright},
        {"TopRightOrigin",
         Concat({TgaHeaderBytes(corner(raw24, 0x30)), Stored({kH, kG, kF, kE, kD, kC, kB, kA}, 3)}),
         4, 2, 24, upright},
        {"TopLeftOriginRleAcrossRows",
         Concat({TgaHeaderBytes(corner(rle24, 0x20)),
                 {0x04},
                 Stored({kE, kF, kG, kH, kA}, 3),
                 {0x02},
                 Stored({kB, kC, kD}, 3)}),
         4, 2, 24, upright},
        {"TopRightOrigin32Rle",
         Concat({TgaHeaderBytes(corner(rle32, 0x38)),
                 {0x07},
                 Stored({kH, kG, kF, kE, kD, kC, kB, kA}, 4)}),
         4, 2, 32, Texels(kUpright, 4)},
    };
}

class LoadTga : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadTga, LoadsAndShowsUpright) {
    const LoadCase& c = GetParam();
    OffscreenGl gl(16, 16);
    ASSERT_TRUE(gl.ok());
    TempFile file(c.name, c.file);
    TextureLoader loader;
    TextureRecord record = kUntouched;
    record.id = 0;

    ASSERT_TRUE(loader.LoadTga(file.path(), record));

    EXPECT_NE(record.id, 0u);
    EXPECT_EQ(record.kind, kUntouched.kind);
    EXPECT_EQ(record.width, c.width);
    EXPECT_EQ(record.height, c.height);
    EXPECT_EQ(record.bitsPerPixel, c.depth);
    EXPECT_EQ(record.format, static_cast<std::uint32_t>(c.depth >= 32 ? GL_RGBA : GL_RGB));
    EXPECT_EQ(ReadTexels(record), c.texels);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

INSTANTIATE_TEST_SUITE_P(Files, LoadTga, testing::ValuesIn(LoadCases()),
                         [](const testing::TestParamInfo<LoadCase>& info) {
                             return info.param.name;
                         });

struct RefusalCase {
    std::string name;
    Bytes file;
    bool headerRead; // whether the record takes the header's fields
    int width;
    int height;
    int depth;
    GLenum format;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<RefusalCase> RefusalCases() {
    const TgaFields raw24{.width = 4, .height = 2};
    const TgaFields rle24{.imageType = 10, .width = 4, .height = 2};
    auto with = [](TgaFields fields, auto change) {
        change(fields);
        return fields;
    };
    const Bytes body24 = Stored(kUpright, 3);
    const Bytes header24 = TgaHeaderBytes(raw24);

    return {
        {"EmptyFile", {}, false, 0, 0, 0, 0},
        {"TruncatedHeader", Bytes(header24.begin(), header24.end() - 1), false, 0, 0, 0, 0},
        {"ColourMappedType1",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.imageType = 1; })), body24}), true,
         4, 2, 24, GL_RGB},
        {"GreyType3",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.imageType = 3; })), body24}), true,
         4, 2, 24, GL_RGB},
        {"ColourMappedRleType9",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.imageType = 9; })), body24}), true,
         4, 2, 24, GL_RGB},
        {"GreyRleType11",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.imageType = 11; })), body24}),
         true, 4, 2, 24, GL_RGB},
        {"Depth8", Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.depth = 8; })), body24}),
         true, 4, 2, 8, GL_RGBA},
        {"Depth15",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.depth = 15; })), body24}), true, 4,
         2, 15, GL_RGBA},
        {"Depth16",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.depth = 16; })), body24}), true, 4,
         2, 16, GL_RGBA},
        {"Depth40",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.depth = 40; })), body24, body24}),
         true, 4, 2, 40, GL_RGBA},
        {"ZeroWidth",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.width = 0; })), body24}), true, 0,
         2, 24, GL_RGB},
        {"ZeroHeight",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.height = 0; })), body24}), true, 4,
         0, 24, GL_RGB},
        {"TruncatedBody", Concat({header24, Bytes(body24.begin(), body24.end() - 1)}), true, 4, 2,
         24, GL_RGB},
        {"IdLongerThanFile",
         Concat({TgaHeaderBytes(with(raw24, [](TgaFields& f) { f.idLength = 200; })), body24}),
         true, 4, 2, 24, GL_RGB},
        {"ColourMapLongerThanFile",
         Concat({TgaHeaderBytes(with(raw24,
                                     [](TgaFields& f) {
                                         f.colourMapType = 1;
                                         f.colourMapLength = 300;
                                         f.colourMapEntryBits = 32;
                                     })),
                 body24, body24}),
         true, 4, 2, 24, GL_RGB},
        {"NoPacketForLastPixels", Concat({TgaHeaderBytes(rle24), {0x86}, Stored({kA}, 3)}), true, 4,
         2, 24, GL_RGB},
        {"TruncatedRawPacket",
         Concat({TgaHeaderBytes(rle24), {0x85}, Stored({kA}, 3), {0x01}, {0x11, 0x22}}), true, 4, 2,
         24, GL_RGB},
        {"TruncatedRawPacketBeforeLastPixel",
         Concat({TgaHeaderBytes(rle24), {0x07}, Bytes(body24.begin(), body24.end() - 1)}), true, 4,
         2, 24, GL_RGB},
        {"TruncatedRunValue",
         Concat({TgaHeaderBytes(rle24), {0x86}, Stored({kA}, 3), {0x80, 0x11}}), true, 4, 2, 24,
         GL_RGB},
        {"RunPacketOnePixelPastTheEnd",
         Concat({TgaHeaderBytes(rle24),
                 {0x05},
                 Stored({kA, kB, kC, kD, kE, kF}, 3),
                 {0x82},
                 Stored({kG}, 3)}),
         true, 4, 2, 24, GL_RGB},
        {"RawPacketOnePixelPastTheEnd",
         Concat({TgaHeaderBytes(rle24), {0x85}, Stored({kA}, 3), {0x02}, Stored({kB, kC, kD}, 3)}),
         true, 4, 2, 24, GL_RGB},
        {"FirstPacketPastTheEnd",
         Concat({TgaHeaderBytes(rle24), {0xFF}, Stored({kA}, 3), Repeat(32, {0})}), true, 4, 2, 24,
         GL_RGB},
        {"HugeImageHeaderOnly",
         TgaHeaderBytes(with(raw24,
                             [](TgaFields& f) {
                                 f.width = 65535;
                                 f.height = 65535;
                                 f.depth = 32;
                             })),
         true, 65535, 65535, 32, GL_RGBA},
        {"LargeRleImageShortBody",
         Concat({TgaHeaderBytes(with(rle24,
                                     [](TgaFields& f) {
                                         f.width = 8000;
                                         f.height = 8000;
                                     })),
                 {0xFF},
                 Stored({kA}, 3)}),
         true, 8000, 8000, 24, GL_RGB},
    };
}

class LoadTgaRefuses : public testing::TestWithParam<RefusalCase> {};

TEST_P(LoadTgaRefuses, KeepsHeaderFieldsAndMakesNoTexture) {
    const RefusalCase& c = GetParam();
    OffscreenGl gl(16, 16);
    ASSERT_TRUE(gl.ok());
    TempFile file(c.name, c.file);
    TextureLoader loader;
    TextureRecord record = kUntouched;

    EXPECT_FALSE(loader.LoadTga(file.path(), record));

    EXPECT_EQ(record.id, kUntouched.id);
    EXPECT_EQ(record.kind, kUntouched.kind);
    if (c.headerRead) {
        EXPECT_EQ(record.width, c.width);
        EXPECT_EQ(record.height, c.height);
        EXPECT_EQ(record.bitsPerPixel, c.depth);
        EXPECT_EQ(record.format, static_cast<std::uint32_t>(c.format));
    } else {
        EXPECT_EQ(record.width, kUntouched.width);
        EXPECT_EQ(record.height, kUntouched.height);
        EXPECT_EQ(record.bitsPerPixel, kUntouched.bitsPerPixel);
        EXPECT_EQ(record.format, kUntouched.format);
    }
    EXPECT_FALSE(glIsTexture(kFirstTextureName));
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), 0);
    EXPECT_EQ(Integer(GL_UNPACK_ALIGNMENT), kDefaultAlignment);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

INSTANTIATE_TEST_SUITE_P(Files, LoadTgaRefuses, testing::ValuesIn(RefusalCases()),
                         [](const testing::TestParamInfo<RefusalCase>& info) {
                             return info.param.name;
                         });

TEST(LoadTgaRefuses, MissingFile) {
    OffscreenGl gl(16, 16);
    ASSERT_TRUE(gl.ok());
    TextureLoader loader;
    TextureRecord record = kUntouched;

    EXPECT_FALSE(loader.LoadTga((testing::TempDir() + "no-such-picture.tga").c_str(), record));

    EXPECT_EQ(record.id, kUntouched.id);
    EXPECT_EQ(record.width, kUntouched.width);
    EXPECT_EQ(record.format, kUntouched.format);
}

// A picture whose size is no power of two goes through gluScaleImage to the target size. The
// first load in a context meets GL's default alignment of 4, which rows of 5 RGB pixels (15
// bytes) do not fit, so the loader must scale its packed rows as packed.
struct ScaleCase {
    std::string name;
    bool fullSize;
    int width;
    int height;
    int depth;
    TextureSize target;
};

void PrintTo(const ScaleCase& c, std::ostream* os) {
    *os << c.name;
}

const ScaleCase kScaleCases[] = {
    {"FiveByThreeRgbGrowsToFourByFour", true, 5, 3, 24, {4, 4}},
    {"OneByThreeRgbGrowsToOneByFour", true, 1, 3, 24, {1, 4}},
    {"ThreeByFiveRgbaToFourByFour", true, 3, 5, 32, {4, 4}},
    {"WideRgbHalvedWhenNotFullSize", false, 128, 16, 24, {64, 8}},
    {"NarrowTallRgbaKeepsWidthWhenNotFullSize", false, 64, 100, 32, {64, 128}},
};

class LoadTgaScales : public testing::TestWithParam<ScaleCase> {};

TEST_P(LoadTgaScales, MatchesGluScaleImageOfTheUprightImage) {
    const ScaleCase& c = GetParam();
    OffscreenGl gl(16, 16);
    ASSERT_TRUE(gl.ok());
    const int bytesPerPixel = c.depth / 8;
    const std::vector<Colour> image = Gradient(c.width * c.height);
    const TgaFields fields{.width = static_cast<std::uint16_t>(c.width),
                           .height = static_cast<std::uint16_t>(c.height),
                           .depth = static_cast<std::uint8_t>(c.depth)};
    TempFile file(c.name, Concat({TgaHeaderBytes(fields), Stored(image, bytesPerPixel)}));
    TextureLoader loader;
    loader.SetFullSize(c.fullSize);
    TextureRecord record{};

    ASSERT_TRUE(loader.LoadTga(file.path(), record));

    EXPECT_EQ(record.width, c.target.width);
    EXPECT_EQ(record.height, c.target.height);
    EXPECT_EQ(Integer(GL_PACK_ALIGNMENT), kDefaultAlignment);
    EXPECT_EQ(Integer(GL_UNPACK_ALIGNMENT), 1);
    const Bytes texels = ReadTexels(record);
    const Bytes original = Texels(image, bytesPerPixel);
    Bytes expected(texels.size());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    gluScaleImage(bytesPerPixel == 4 ? GL_RGBA : GL_RGB, c.width, c.height, GL_UNSIGNED_BYTE,
                  original.data(), c.target.width, c.target.height, GL_UNSIGNED_BYTE,
                  expected.data());
    EXPECT_EQ(texels, expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LoadTgaScales, testing::ValuesIn(kScaleCases),
                         [](const testing::TestParamInfo<ScaleCase>& info) {
                             return info.param.name;
                         });

} // namespace
