#include "platform/common/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kMs = 1000000;

TEST(FramePacer, FallsBackTo60HzWhereTheDisplayReportsNoRate) {
    EXPECT_EQ(platform::PacingRefreshHz(0), 60);
    EXPECT_EQ(platform::PacingRefreshHz(-1), 60);
    EXPECT_EQ(platform::PacingRefreshHz(144), 144);
    EXPECT_EQ(platform::FramePacer(0).PeriodNs(), 1000000000 / 60);
}

TEST(FramePacer, AFastLoopIsHeldToOneFramePerPeriod) {
    // A driver that swaps at once: the loop comes back 1 ms after each present.
    platform::FramePacer pacer(50); // 20 ms
    std::int64_t now = 1000 * kMs;
    std::int64_t presented[6];
    for (std::int64_t& at : presented) {
        now += pacer.DelayBeforeFrame(now);
        at = now;
        now += 1 * kMs;
    }
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(presented[i] - presented[i - 1], 20 * kMs) << i;
    }
}

TEST(FramePacer, ALoopThatKeepsPaceIsNotDelayed) {
    // A driver that honours the swap interval blocks for the period itself.
    platform::FramePacer pacer(50);
    std::int64_t now = 1000 * kMs;
    pacer.DelayBeforeFrame(now);
    for (int frame = 0; frame < 5; ++frame) {
        now += 20 * kMs;
        EXPECT_EQ(pacer.DelayBeforeFrame(now), 0) << frame;
    }
}

TEST(FramePacer, AfterAStallItStartsAfreshInsteadOfCatchingUp) {
    platform::FramePacer pacer(50);
    std::int64_t now = 1000 * kMs;
    pacer.DelayBeforeFrame(now);
    now += 500 * kMs; // a long frame
    EXPECT_EQ(pacer.DelayBeforeFrame(now), 0);
    now += 1 * kMs;
    EXPECT_EQ(pacer.DelayBeforeFrame(now), 19 * kMs); // one period after the late frame
}

} // namespace
