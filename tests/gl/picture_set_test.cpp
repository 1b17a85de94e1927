// The nine pictures loaded from a folder into the slots, the line reported, and their release.
#include "tests/gl/gl_harness.h"
#include "textures/picture_set.h"
#include "textures/texture_loader.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path SamplesFolder() {
    return fs::path(TESSILOR_SOURCE_DIR) / "samples";
}

struct SetCase {
    const char* name;
    std::set<int> missing; // picture numbers not in the folder
    const char* line;      // what the debugger output says
};

const SetCase kSetCases[] = {
    {"AllNine", {}, "Loded texture successfully..."},
    {"None", {1, 2, 3, 4, 5, 6, 7, 8, 9}, "Loded texture failed..."},
    {"OnlyPicture9Missing", {9}, "Loded texture failed..."},
    {"OnlyPicture1Missing", {1}, "Loded texture failed..."}, // not success: one did not load
};

class PictureSetTest : public testing::TestWithParam<SetCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl_.ok());
        char pattern[] = "/tmp/picture-set-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        previous_ = fs::current_path();
        fs::current_path(folder_);
        pictureSlots = {};
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
        delete textureLoader; // each test makes its own; the program keeps its one
        textureLoader = nullptr;
    }

    OffscreenGl gl_{16, 16};
    fs::path folder_;
    fs::path previous_;
};

TEST_P(PictureSetTest, LoadsWhatIsThereAndSaysWhetherAllNineLoaded) {
    const SetCase& c = GetParam();
    for (int number = 1; number <= 9; ++number) {
        if (!c.missing.count(number)) {
            std::string name = "picture" + std::to_string(number) + ".jpg";
            fs::copy_file(SamplesFolder() / name, folder_ / name);
        }
    }
    testing::internal::CaptureStderr();
    LoadPictureSet();
    std::string output = testing::internal::GetCapturedStderr();
    EXPECT_EQ(output, std::string(c.line) + "\n");
    ASSERT_NE(textureLoader, nullptr);
    EXPECT_FALSE(textureLoader->fullSize);
    for (int slot = 0; slot < 9; ++slot) {
        const TextureRecord& record = pictureSlots[slot];
        EXPECT_EQ(record.kind, kImageJpeg) << "slot " << slot; // set even when the load fails
        if (c.missing.count(slot + 1)) {
            EXPECT_EQ(record.id, 0u) << "slot " << slot;
        } else {
            EXPECT_TRUE(glIsTexture(record.id)) << "slot " << slot;
            EXPECT_EQ(record.width, 256) << "slot " << slot; // 640 x 480, halved
            EXPECT_EQ(record.height, 256) << "slot " << slot;
        }
    }
    ReleasePictureSet();
    for (const TextureRecord& record : pictureSlots) {
        EXPECT_FALSE(glIsTexture(record.id)) << record.id;
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, PictureSetTest, testing::ValuesIn(kSetCases),
                         [](const testing::TestParamInfo<SetCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
