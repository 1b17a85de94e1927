// Decoding of true-colour TGA files into tightly packed pixel rows, free of any GL call so that
// tests and the fuzzer can run it alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

constexpr std::size_t kTgaHeaderBytes = 18;

// The image types this reader decodes.
constexpr std::uint8_t kTgaTrueColour = 2;
constexpr std::uint8_t kTgaTrueColourRle = 10;

// A colour-map type of 1 announces a colour map between the image ID and the pixels.
constexpr std::uint8_t kTgaHasColourMap = 1;

// Image descriptor bits saying where the first stored pixel sits.
constexpr std::uint8_t kTgaRightToLeft = 0x10;
constexpr std::uint8_t kTgaTopToBottom = 0x20;

// The header fields, as stored (all multi-byte fields little-endian in the file).
struct TgaHeader {
    std::uint8_t idLength;
    std::uint8_t colourMapType;
    std::uint8_t imageType;
    std::uint16_t colourMapLength;
    std::uint8_t colourMapEntryBits;
    std::uint16_t width;
    std::uint16_t height;
    std::uint8_t depth; // bits per pixel
    std::uint8_t descriptor;
};

TgaHeader ParseTgaHeader(const unsigned char (&bytes)[kTgaHeaderBytes]);

// Depth in whole bytes, rounded down: depths 24 to 31 take 3 bytes, 32 to 39 take 4.
int TgaBytesPerPixel(const TgaHeader& header);

// Uncompressed or run-length true colour, of 3 or 4 bytes per pixel, and not empty.
bool IsSupportedTga(const TgaHeader& header);

// Reads the pixels of a supported file whose header has been read (the file stands anywhere) and
// returns them as rows bottom to top, each left to right, R G B or R G B A bytes, whatever corner
// the file starts in. Null when the file is too short, a run-length packet overruns the image, or
// the image exceeds kMaxImageBytes.
std::unique_ptr<unsigned char[]> ReadTgaPixels(std::FILE* file, const TgaHeader& header);
