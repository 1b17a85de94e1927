#include "platform/messages.h"
#include "scene/scene_state.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct BrowseCase {
    const char* name;
    BrowseInput input;
    float SceneState::*angle; // the one angle that changes; nullptr when none does
    float delta;              // its exact single-precision step
};

BrowseInput Key(platform::WParam virtualKey) {
    return {BrowseInput::Type::KeyDown, virtualKey};
}

const BrowseCase kBrowseCases[] = {
    {"Left", Key(VK_LEFT), &SceneState::rowAngle, -0.2f},
    {"Right", Key(VK_RIGHT), &SceneState::rowAngle, 0.2f},
    {"Up", Key(VK_UP), &SceneState::columnAngle, -0.2f},
    {"Down", Key(VK_DOWN), &SceneState::columnAngle, 0.2f},
    {"Home", Key(VK_HOME), &SceneState::viewPitch, 0.3f},
    {"End", Key(VK_END), &SceneState::viewPitch, -0.3f},
    {"Insert", Key(VK_INSERT), &SceneState::viewYaw, -0.3f},
    {"Delete", Key(VK_DELETE), &SceneState::viewYaw, 0.3f},
    {"RightButton", {BrowseInput::Type::RightButtonDown, 0}, &SceneState::flipAngle, 0.1f},
    {"PageUp", Key(VK_PRIOR), nullptr, 0},
    {"Space", Key(VK_SPACE), nullptr, 0},
    {"LetterA", Key('A'), nullptr, 0},
    {"Escape", Key(VK_ESCAPE), nullptr, 0},
    {"NoKey", Key(0), nullptr, 0},
};

constexpr float SceneState::*kAllAngles[] = {&SceneState::viewPitch, &SceneState::viewYaw,
                                             &SceneState::flipAngle, &SceneState::columnAngle,
                                             &SceneState::rowAngle};

class BrowseInputTest : public testing::TestWithParam<BrowseCase> {
  protected:
    void SetUp() override {
        sceneState = {};
        scrollStep = 0.2f;
    }
};

TEST_P(BrowseInputTest, ChangesOneAngleByExactlyOneStep) {
    const BrowseCase& c = GetParam();
    // Start away from zero so that rounding of the sum shows: 10 + 0.2 in float is not 10.2.
    for (auto angle : kAllAngles) {
        sceneState.*angle = 10.0f;
    }
    for (int press = 0; press < 3; ++press) {
        HandleBrowseInput(c.input);
    }
    // Each press adds its step once, rounded once to single precision.
    float oracle = 10.0f;
    for (int press = 0; press < 3; ++press) {
        oracle = static_cast<float>(static_cast<double>(oracle) + c.delta);
    }
    for (auto angle : kAllAngles) {
        float expected = angle == c.angle ? oracle : 10.0f;
        EXPECT_EQ(std::memcmp(&(sceneState.*angle), &expected, sizeof(float)), 0)
            << c.name << ": got " << sceneState.*angle << ", expected " << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(Bindings, BrowseInputTest, testing::ValuesIn(kBrowseCases),
                         [](const testing::TestParamInfo<BrowseCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(WrapViewPitch, AtOrOver360StartsAgainAtExactlyZero) {
    for (float pitch : {360.0f, 360.2f, 719.9f}) {
        sceneState = {};
        sceneState.viewPitch = pitch;
        WrapViewPitch();
        EXPECT_EQ(sceneState.viewPitch, 0.0f) << pitch;
    }
    sceneState = {};
    sceneState.viewPitch = 359.9f;
    WrapViewPitch();
    EXPECT_EQ(sceneState.viewPitch, 359.9f);
}

TEST(WrapViewPitch, HomePressPast360IsWrappedInTheSameFrame) {
    sceneState = {};
    sceneState.viewPitch = 359.9f;
    HandleBrowseInput(Key(VK_HOME));
    EXPECT_GE(sceneState.viewPitch, 360.0f);
    WrapViewPitch();
    EXPECT_EQ(sceneState.viewPitch, 0.0f); // the excess 0.2 is dropped
}

TEST(WrapViewPitch, EndFromZeroGoesNegativeWithoutLimit) {
    sceneState = {};
    float oracle = 0.0f;
    for (int press = 0; press < 5000; ++press) {
        HandleBrowseInput(Key(VK_END));
        WrapViewPitch();
        oracle = static_cast<float>(static_cast<double>(oracle) - 0.3f);
    }
    EXPECT_EQ(sceneState.viewPitch, oracle);
    EXPECT_LT(sceneState.viewPitch, -1400.0f);
}

TEST(BrowseInput, FlipAngleOnlyGrowsAndIsNeverWrapped) {
    sceneState = {};
    for (int press = 0; press < 4000; ++press) {
        HandleBrowseInput({BrowseInput::Type::RightButtonDown, 0});
    }
    WrapViewPitch();
    EXPECT_GT(sceneState.flipAngle, 390.0f);
}

TEST(BrowseInput, ArrowStepIsReadAtEachUse) {
    sceneState = {};
    scrollStep = 1.5f;
    HandleBrowseInput(Key(VK_DOWN));
    EXPECT_EQ(sceneState.columnAngle, 1.5f);
    scrollStep = 0.2f;
}

} // namespace
