// Limits of the picture service that every backend honours, each with the reason for its value.
// Every picture comes from a file or a server we do not control, so each of these bounds the
// time or memory one picture can cost at start-up.
#pragma once

#include <cstddef>

namespace platform::pictures {

// Largest encoded picture read from a file or a server: 64 MiB is several times the largest
// camera JPEG or TIFF a viewer is shown, and small enough to hold whole in memory.
constexpr std::size_t kMaxEncodedBytes = 64u * 1024u * 1024u;

// Largest natural picture, in pixels per side and in all: 30000 per side and 100 million in all
// cover the biggest camera sensors and panoramas; a pixel-based picture that is decoded whole
// then costs at most 400 MB.
constexpr int kMaxPictureSide = 30000;
constexpr long long kMaxPicturePixels = 100'000'000;

// Largest metafile frame, in HIMETRIC per side: 10 m, far beyond any drawing, keeps every size
// computation comfortably inside an int.
constexpr int kMaxMetafileHimetric = 1'000'000;

// Largest drawing surface: 16384 per side is the largest texture current GL drivers accept, and
// 64 million pixels (256 MiB) is the largest a texture of the program's settings can need.
constexpr int kMaxSurfaceSide = 16384;
constexpr long long kMaxSurfacePixels = 8192ll * 8192ll;

constexpr bool SurfaceSizeAllowed(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxSurfaceSide && height <= kMaxSurfaceSide &&
           static_cast<long long>(width) * height <= kMaxSurfacePixels;
}

} // namespace platform::pictures
