// The operating system's picture service: opens a picture from a path or an http address and
// draws it into a plain 32-bit surface.
#pragma once

#include <cstdint>

namespace platform {

// Picture sizes are in HIMETRIC: hundredths of a millimetre, this many to the inch.
constexpr int kHimetricPerInch = 2540;

struct Picture;
struct DrawingSurface;

// Opens and identifies the picture at a local path or an http(s) address; nullptr when it cannot
// be opened or decoded. Content decides the format, not the name.
Picture* OpenPicture(const char* pathOrAddress);

// The picture's natural size in HIMETRIC (0.01 mm).
void GetPictureSize(const Picture* picture, int& hmWidth, int& hmHeight);

// A surface of width x height pixels of 4 bytes each (blue, green, red, and a byte without
// meaning), rows bottom to top, no filler between rows; nullptr when it cannot be had.
DrawingSurface* CreateDrawingSurface(int width, int height);
std::uint8_t* SurfaceBits(DrawingSurface* surface);
void ReleaseDrawingSurface(DrawingSurface* surface);

// Draws the whole picture upright, stretched to fill the surface; parts the picture leaves
// transparent stay black. False when the picture's data turns out to be unusable while drawing
// (cut short, for instance), which some formats show only then.
bool RenderPicture(Picture* picture, DrawingSurface* surface);

void ReleasePicture(Picture* picture);

} // namespace platform
