// Keeps presented frames at most one display refresh apart, for drivers that accept a swap
// interval of 1 and then swap as fast as they can (Xvfb, llvmpipe).
#pragma once

#include <cstdint>

namespace platform {

class FramePacer {
  public:
    explicit FramePacer(int refreshHz);

    // Given the time now (monotonic nanoseconds), how long to sleep before presenting so that
    // this frame follows the previous one by a whole period. Call once per frame.
    std::int64_t DelayBeforeFrame(std::int64_t nowNs);

    std::int64_t PeriodNs() const { return periodNs_; }

  private:
    std::int64_t periodNs_;
    std::int64_t nextFrameNs_ = 0; // 0: no frame presented yet
};

// The refresh rate to pace to: the display's, or 60 Hz where it reports none.
int PacingRefreshHz(int reportedHz);

} // namespace platform
