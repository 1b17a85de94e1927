// Limits on what a decoder accepts from a file, each with the reason for its value.
#pragma once

#include <cstdint>

// The largest image, in bytes, that a decoder holds in memory, before or after rescaling.
// gluScaleImage works on a copy with two bytes per component and sizes that copy in a signed
// 32-bit int, so an image of this size (a copy of 1 GiB) is the most it scales safely; it also
// keeps a hostile header from claiming gigabytes. 512 MiB is an 11585 x 11585 RGBA picture.
constexpr std::uint64_t kMaxImageBytes = std::uint64_t{512} * 1024 * 1024;
