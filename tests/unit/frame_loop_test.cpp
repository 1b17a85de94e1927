// The shell against a scripted message queue: the order of a turn, the repeated last message,
// WM_QUIT and the close sequence.
#include "app/main_window.h"
#include "platform/entry.h"
#include "platform/scripted/scripted_platform.h"
#include "scene/scene_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// An angle after `count` steps from 0, each sum rounded once to single precision.
float StepsFromZero(int count, float step) {
    float angle = 0.0f;
    for (int i = 0; i < count; ++i) {
        angle = static_cast<float>(static_cast<double>(angle) + step);
    }
    return angle;
}

class FrameLoopTest : public testing::Test {
  protected:
    void SetUp() override {
        scripted::Reset();
        sceneState = {};
    }

    static int RunProgram() {
        static char commandLine[] = "";
        return WinMain(nullptr, nullptr, commandLine, 1);
    }

    // The calls made after the window was shown, that is by the frame loop.
    static Log LoopCalls() {
        const Log& log = scripted::CallLog();
        auto shown = std::find(log.begin(), log.end(), "show-window");
        return shown == log.end() ? Log{} : Log(shown + 1, log.end());
    }
};

TEST_F(FrameLoopTest, StartUpMakesTheContextCurrentBeforeTheWindowIsShown) {
    scripted::QuitAfterPresents(1, 0);
    RunProgram();
    const Log& log = scripted::CallLog();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(Log(log.begin(), log.begin() + 4),
              (Log{"create-window", "create-context", "make-current", "show-window"}));
}

TEST_F(FrameLoopTest, EachTurnDrawsThenTranslatesThenDispatches) {
    scripted::QueueMessage(WM_KEYDOWN, VK_LEFT);
    scripted::QueueMessage(WM_KEYUP, VK_LEFT);
    scripted::QuitAfterPresents(3, 0);
    RunProgram();
    EXPECT_EQ(LoopCalls(), (Log{"present", "translate 0x100", "dispatch 0x100", //
                                "present", "translate 0x101", "dispatch 0x101", //
                                "present", "post-quit 0", "translate 0x101", "dispatch 0x101"}));
}

TEST_F(FrameLoopTest, AHeldKeyActsOncePerFrameUntilTheKeyUpReplacesIt) {
    // The key-down is read at the first turn; the key-up waits until 10 frames were shown.
    scripted::QueueMessage(WM_KEYDOWN, VK_DOWN);
    scripted::QueueMessage(WM_KEYUP, VK_DOWN, 0, 10);
    scripted::QuitAfterPresents(25, 0);
    RunProgram();
    EXPECT_EQ(sceneState.columnAngle, StepsFromZero(10, 0.2f));
    EXPECT_EQ(sceneState.rowAngle, 0.0f);
}

TEST_F(FrameLoopTest, AHeldRightButtonFlipsUntilTheMouseMoves) {
    scripted::QueueMessage(WM_RBUTTONDOWN, MK_RBUTTON);
    scripted::QueueMessage(WM_MOUSEMOVE, MK_RBUTTON, platform::MakeLParam(5, 5), 4);
    scripted::QuitAfterPresents(12, 0);
    RunProgram();
    EXPECT_EQ(sceneState.flipAngle, StepsFromZero(4, 0.1f));
}

TEST_F(FrameLoopTest, QuitEndsTheLoopWithItsExitCode) {
    scripted::QuitAfterPresents(2, 42);
    EXPECT_EQ(RunProgram(), 42);
    EXPECT_EQ(scripted::Presents(), 2);
}

TEST_F(FrameLoopTest, CloseReleasesTheContextPostsQuitAndLaterFramesDoNoHarm) {
    scripted::QueueMessage(WM_CLOSE);
    scripted::QueueMessage(WM_PAINT);          // read after the close, before WM_QUIT
    scripted::QueueMessage(WM_KEYDOWN, VK_UP); // still handled: the state is the scene's own
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(LoopCalls(), (Log{"present", "translate 0x10", "dispatch 0x10", "release-current",
                                "delete-context", "post-quit 0",            //
                                "present", "translate 0xf", "dispatch 0xf", //
                                "present", "translate 0x100", "dispatch 0x100"}));
    EXPECT_EQ(sceneState.columnAngle, -0.2f);
}

TEST_F(FrameLoopTest, ASecondCloseRequestDeletesNothingTwice) {
    scripted::QueueMessage(WM_CLOSE);
    scripted::QueueMessage(WM_CLOSE);
    EXPECT_EQ(RunProgram(), 0);
    const Log& log = scripted::CallLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "delete-context"), 1);
}

struct RoutingCase {
    const char* name;
    std::uint32_t message;
    platform::WParam wParam;
    float SceneState::*angle; // nullptr: nothing changes
};

const RoutingCase kRoutingCases[] = {
    {"KeyDownUp", WM_KEYDOWN, VK_UP, &SceneState::columnAngle},
    {"KeyDownHome", WM_KEYDOWN, VK_HOME, &SceneState::viewPitch},
    {"RightButtonDown", WM_RBUTTONDOWN, MK_RBUTTON, &SceneState::flipAngle},
    {"KeyUp", WM_KEYUP, VK_UP, nullptr},
    {"Char", WM_CHAR, 'a', nullptr},
    {"KeyDownUnbound", WM_KEYDOWN, 'Q', nullptr},
    {"LeftButtonDown", WM_LBUTTONDOWN, MK_LBUTTON, nullptr},
    {"LeftButtonUp", WM_LBUTTONUP, 0, nullptr},
    {"RightButtonUp", WM_RBUTTONUP, 0, nullptr},
    {"MouseMove", WM_MOUSEMOVE, MK_RBUTTON, nullptr},
    {"Paint", WM_PAINT, 0, nullptr},
};

class RoutingTest : public testing::TestWithParam<RoutingCase> {};

TEST_P(RoutingTest, OnlyKeyDownsAndRightButtonDownsBrowse) {
    sceneState = {};
    const RoutingCase& c = GetParam();
    EXPECT_EQ(MainWindowProc(nullptr, c.message, c.wParam, platform::MakeLParam(10, 20)), 0);
    for (auto angle : {&SceneState::viewPitch, &SceneState::viewYaw, &SceneState::flipAngle,
                       &SceneState::columnAngle, &SceneState::rowAngle}) {
        if (angle == c.angle) {
            EXPECT_NE(sceneState.*angle, 0.0f) << c.name;
        } else {
            EXPECT_EQ(sceneState.*angle, 0.0f) << c.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Messages, RoutingTest, testing::ValuesIn(kRoutingCases),
                         [](const testing::TestParamInfo<RoutingCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
