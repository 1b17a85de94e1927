// Reading a JPEG's marker structure without decoding it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::pictures {

// True when the marker segments and scans run in order up to the end-of-image marker, so the
// file was not cut short.
bool JpegHasEndOfImage(const std::uint8_t* data, std::size_t size);

// The EXIF orientation (1 to 8) of the first APP1 "Exif" segment; 1 when there is none or it is
// unreadable.
int JpegExifOrientation(const std::uint8_t* data, std::size_t size);

} // namespace platform::pictures
