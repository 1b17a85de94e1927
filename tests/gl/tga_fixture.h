// Small TGA files built byte by byte in a test, written to a temporary file for LoadTga.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

struct TgaFields {
    std::uint8_t idLength = 0;
    std::uint8_t colourMapType = 0;
    std::uint8_t imageType = 2;
    std::uint16_t colourMapFirst = 0;
    std::uint16_t colourMapLength = 0;
    std::uint8_t colourMapEntryBits = 0;
    std::uint16_t width = 1;
    std::uint16_t height = 1;
    std::uint8_t depth = 24;
    std::uint8_t descriptor = 0;
};

// The 18 header bytes, multi-byte fields little-endian.
Bytes TgaHeaderBytes(const TgaFields& fields);

// A colour as a test names it.
struct Colour {
    unsigned char r, g, b, a;
};

// Pixels as a file stores them: B G R, and A when 4 bytes per pixel.
Bytes Stored(const std::vector<Colour>& colours, int bytesPerPixel);

// Texels as GL returns them: R G B, and A when 4 bytes per pixel.
Bytes Texels(const std::vector<Colour>& colours, int bytesPerPixel);

Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Repeat(std::size_t count, const Bytes& part);

// A file in the test's temporary folder, removed when the object goes.
class TempFile {
  public:
    TempFile(const std::string& name, const Bytes& contents);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const char* path() const { return path_.c_str(); }

  private:
    std::string path_;
};
