// An off-screen compatibility-profile GL context on Mesa (EGL, no display needed), current on
// the calling thread for as long as the object lives.
#pragma once

#include <cstdint>
#include <vector>

class OffscreenGl {
  public:
    OffscreenGl(int width, int height);
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    bool ok() const { return ok_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The colour buffer as RGBA bytes, bottom row first.
    std::vector<std::uint8_t> ReadPixels() const;

    // One pixel of the colour buffer, (0, 0) at the bottom left.
    struct Rgb {
        int r, g, b;
    };
    Rgb PixelAt(int x, int y) const;

  private:
    bool ok_ = false;
    int width_;
    int height_;
    void* display_ = nullptr;
    void* surface_ = nullptr;
    void* context_ = nullptr;
};
