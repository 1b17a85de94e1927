#include "platform/common/frame_pacer.h"

namespace platform {

namespace {
constexpr int kFallbackRefreshHz = 60; // when the display reports no rate
constexpr std::int64_t kNsPerSecond = 1000000000;
} // namespace

int PacingRefreshHz(int reportedHz) {
    return reportedHz > 0 ? reportedHz : kFallbackRefreshHz;
}

FramePacer::FramePacer(int refreshHz) : periodNs_(kNsPerSecond / PacingRefreshHz(refreshHz)) {}

std::int64_t FramePacer::DelayBeforeFrame(std::int64_t nowNs) {
    if (nextFrameNs_ == 0 || nowNs >= nextFrameNs_ + periodNs_) {
        // First frame, or the program fell behind by more than a frame (a slow frame, a
        // suspended process): start afresh instead of presenting a burst to catch up.
        nextFrameNs_ = nowNs + periodNs_;
        return 0;
    }
    std::int64_t delay = nextFrameNs_ > nowNs ? nextFrameNs_ - nowNs : 0;
    nextFrameNs_ += periodNs_;
    return delay;
}

} // namespace platform
