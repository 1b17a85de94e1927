// Which decoder a name reaches, with which full path and kind. The decoders are replaced by
// recording stand-ins (recording_decoders.cpp), linked in their place.
#include "tests/unit/recording_decoders.h"
#include "textures/texture_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace {

constexpr std::int32_t kUntouched = 77; // a kind no table entry gives

struct DispatchCase {
    const char* label;
    std::string name;
    Decoder decoder;      // which stand-in was called; Decoder::None: none
    std::int32_t kind;    // the record's kind afterwards
    bool pathIsNameAlone; // the full path is the name itself (an http address)
};

std::vector<DispatchCase> DispatchCases() {
    return {
        {"Jpg", "picture1.jpg", Decoder::Picture, kImageJpeg, false},
        {"UpperCaseJpg", "PICTURE1.JPG", Decoder::Picture, kImageJpeg, false},
        {"Jpeg", "photo.jpeg", Decoder::Picture, kImageJpeg, false},
        {"MixedCaseJpeg", "photo.JpEg", Decoder::Picture, kImageJpeg, false},
        {"Bmp", "scan.BMP", Decoder::Picture, kImageBitmap, false},
        {"Gif", "anim.gif", Decoder::Picture, kImageGif, false},
        {"Ico", "app.ico", Decoder::Picture, kImageIcon, false},
        {"Emf", "chart.emf", Decoder::Picture, kImageEnhancedMetafile, false},
        {"Wmf", "clip.WMF", Decoder::Picture, kImageMetafile, false},
        {"Png", "shot.png", Decoder::Picture, kImageOther, false},
        {"NoDot", "README", Decoder::Picture, kImageOther, false},
        {"EndsInDot", "picture.", Decoder::Picture, kImageOther, false},
        {"DotFirst", ".tga", Decoder::Tga, kUntouched, false},
        {"Tga", "skin.TGA", Decoder::Tga, kUntouched, false},
        {"LastDotDecides", "archive.tga.jpg", Decoder::Picture, kImageJpeg, false},
        {"LongExtension", "x." + std::string(40, 'j'), Decoder::Picture, kImageOther, false},
        {"DotInDirectory", "album.old/photo", Decoder::Picture, kImageOther, false},
        {"HttpJpg", "http://127.0.0.1/a.jpg", Decoder::Picture, kImageJpeg, true},
        {"HttpTga", "http://127.0.0.1/a.tga", Decoder::Tga, kUntouched, true},
        {"HttpInside", "xhttp://host/p.gif", Decoder::Picture, kImageGif, true},
        {"UpperCaseHttpIsAFileName", "HTTP://host/p.gif", Decoder::Picture, kImageGif, false},
    };
}

std::string CurrentDirectory() {
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
}

class LoadTextureDispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(LoadTextureDispatch, ChoosesTheDecoderByTheNamesExtension) {
    const DispatchCase& c = GetParam();
    TextureLoader loader;
    TextureRecord record{};
    record.kind = kUntouched;
    ResetRecordedCalls();
    SetDecoderResult(false); // kind is kept even when the load fails
    EXPECT_FALSE(loader.LoadTexture(c.name.c_str(), record));
    ASSERT_EQ(RecordedCalls().size(), 1u);
    EXPECT_EQ(RecordedCalls()[0].decoder, c.decoder);
    std::string expectedPath = c.pathIsNameAlone ? c.name : CurrentDirectory() + "/" + c.name;
    EXPECT_EQ(RecordedCalls()[0].path, expectedPath);
    EXPECT_EQ(record.kind, c.kind);
}

INSTANTIATE_TEST_SUITE_P(Names, LoadTextureDispatch, testing::ValuesIn(DispatchCases()),
                         [](const testing::TestParamInfo<DispatchCase>& info) {
                             return std::string(info.param.label);
                         });

TEST(LoadTexture, PassesTheDecodersResultOn) {
    TextureLoader loader;
    TextureRecord record{};
    SetDecoderResult(true);
    EXPECT_TRUE(loader.LoadTexture("picture1.jpg", record));
    EXPECT_TRUE(loader.LoadTexture("picture1.tga", record));
    SetDecoderResult(false);
}

TEST(LoadTexture, AFullPathOverTheLimitFailsBeforeAnyDecoder) {
    std::string directory = CurrentDirectory();
    // directory + "/" + name: 259 characters is the longest that may load.
    std::size_t room = 259 - directory.size() - 1;
    ASSERT_GT(room, 10u) << "the test folder's path is too long for this test";
    TextureLoader loader;
    for (const char* extension : {".jpg", ".tga"}) {
        std::string longest = std::string(room - 4, 'p') + extension;
        std::string tooLong = std::string(room - 3, 'p') + extension;
        TextureRecord record{};
        record.kind = kUntouched;
        ResetRecordedCalls();
        EXPECT_FALSE(loader.LoadTexture(tooLong.c_str(), record));
        EXPECT_TRUE(RecordedCalls().empty()) << extension;
        EXPECT_EQ(record.kind, kUntouched) << "the record stays untouched";
        loader.LoadTexture(longest.c_str(), record);
        ASSERT_EQ(RecordedCalls().size(), 1u) << extension;
        EXPECT_EQ(RecordedCalls()[0].path.size(), 259u);
    }
}

} // namespace
