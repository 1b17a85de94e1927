#include "textures/tga_decode.h"

#include "textures/texture_limits.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// A run-length packet covers at most this many pixels, so a body can be no shorter than one
// header byte and one pixel value per this many pixels.
constexpr std::uint64_t kMaxPacketPixels = 128;
constexpr unsigned kRunPacketBit = 0x80;
constexpr unsigned kPacketCountMask = 0x7F;

// The largest pixel this reader stores.
constexpr int kMaxBytesPerPixel = 4;

std::uint16_t ReadLittleEndian16(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint64_t ColourMapBytes(const TgaHeader& header) {
    if (header.colourMapType != kTgaHasColourMap) {
        return 0;
    }
    const std::uint64_t entryBytes = (header.colourMapEntryBits + 7u) / 8u;
    return header.colourMapLength * entryBytes;
}

// The fewest body bytes that can describe the image, to refuse a truncated file before its
// buffer is allocated.
std::uint64_t MinimumBodyBytes(const TgaHeader& header, std::uint64_t pixelCount) {
    const std::uint64_t bytesPerPixel = TgaBytesPerPixel(header);
    if (header.imageType == kTgaTrueColour) {
        return pixelCount * bytesPerPixel;
    }
    const std::uint64_t packets = (pixelCount + kMaxPacketPixels - 1) / kMaxPacketPixels;
    return packets * (1 + bytesPerPixel);
}

// Moves to the first pixel byte, past the ID and any colour map, and checks that the rest of the
// file is long enough to hold the image.
bool SeekToPixels(std::FILE* file, const TgaHeader& header, std::uint64_t pixelCount) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return false;
    }
    const long fileBytes = std::ftell(file);
    const std::uint64_t pixelOffset = kTgaHeaderBytes + header.idLength + ColourMapBytes(header);
    if (fileBytes < 0 || static_cast<std::uint64_t>(fileBytes) < pixelOffset ||
        static_cast<std::uint64_t>(fileBytes) - pixelOffset <
            MinimumBodyBytes(header, pixelCount)) {
        return false;
    }
    return std::fseek(file, static_cast<long>(pixelOffset), SEEK_SET) == 0;
}

// Decodes packets until the image is full; packets may run on from one row into the next.
bool ReadRlePixels(std::FILE* file, unsigned char* pixels, std::uint64_t pixelCount,
                   std::size_t bytesPerPixel) {
    std::uint64_t stored = 0;
    while (stored < pixelCount) {
        const int packetHeader = std::fgetc(file);
        if (packetHeader == EOF) {
            return false;
        }
        const unsigned count = (static_cast<unsigned>(packetHeader) & kPacketCountMask) + 1;
        if (count > pixelCount - stored) {
            return false; // the packet would write past the image
        }
        unsigned char* out = pixels + stored * bytesPerPixel;
        if (static_cast<unsigned>(packetHeader) & kRunPacketBit) {
            unsigned char value[kMaxBytesPerPixel];
            if (std::fread(value, 1, bytesPerPixel, file) != bytesPerPixel) {
                return false;
            }
            for (unsigned i = 0; i < count; ++i) {
                std::memcpy(out + i * bytesPerPixel, value, bytesPerPixel);
            }
        } else {
            const std::size_t packetBytes = count * bytesPerPixel;
            if (std::fread(out, 1, packetBytes, file) != packetBytes) {
                return false;
            }
        }
        stored += count;
    }
    return true;
}

// The file stores B G R (A); textures take R G B (A).
void SwapRedAndBlue(unsigned char* pixels, std::uint64_t pixelCount, std::size_t bytesPerPixel) {
    for (std::uint64_t i = 0; i < pixelCount; ++i) {
        std::swap(pixels[i * bytesPerPixel], pixels[i * bytesPerPixel + 2]);
    }
}

// Brings rows stored from the top or pixels stored from the right into bottom-up, left-to-right
// order, so that every file shows upright and unmirrored.
void Orient(const TgaHeader& header, unsigned char* pixels, std::size_t bytesPerPixel) {
    const std::size_t rowBytes = header.width * bytesPerPixel;
    if (header.descriptor & kTgaTopToBottom) {
        for (std::size_t top = 0, bottom = header.height - 1u; top < bottom; ++top, --bottom) {
            std::swap_ranges(pixels + top * rowBytes, pixels + (top + 1) * rowBytes,
                             pixels + bottom * rowBytes);
        }
    }
    if (header.descriptor & kTgaRightToLeft) {
        for (std::size_t y = 0; y < header.height; ++y) {
            unsigned char* row = pixels + y * rowBytes;
            for (std::size_t left = 0, right = header.width - 1u; left < right; ++left, --right) {
                std::swap_ranges(row + left * bytesPerPixel, row + (left + 1) * bytesPerPixel,
                                 row + right * bytesPerPixel);
            }
        }
    }
}

} // namespace

TgaHeader ParseTgaHeader(const unsigned char (&bytes)[kTgaHeaderBytes]) {
    TgaHeader header{};
    header.idLength = bytes[0];
    header.colourMapType = bytes[1];
    header.imageType = bytes[2];
    header.colourMapLength = ReadLittleEndian16(bytes + 5);
    header.colourMapEntryBits = bytes[7];
    header.width = ReadLittleEndian16(bytes + 12);
    header.height = ReadLittleEndian16(bytes + 14);
    header.depth = bytes[16];
    header.descriptor = bytes[17];
    return header;
}

int TgaBytesPerPixel(const TgaHeader& header) {
    return header.depth / 8;
}

bool IsSupportedTga(const TgaHeader& header) {
    const int bytesPerPixel = TgaBytesPerPixel(header);
    return (header.imageType == kTgaTrueColour || header.imageType == kTgaTrueColourRle) &&
           header.width != 0 && header.height != 0 && (bytesPerPixel == 3 || bytesPerPixel == 4);
}

std::unique_ptr<unsigned char[]> ReadTgaPixels(std::FILE* file, const TgaHeader& header) {
    if (!IsSupportedTga(header)) {
        return nullptr;
    }
    const std::size_t bytesPerPixel = TgaBytesPerPixel(header);
    const std::uint64_t pixelCount = std::uint64_t{header.width} * header.height;
    const std::uint64_t imageBytes = pixelCount * bytesPerPixel;
    if (imageBytes > kMaxImageBytes || !SeekToPixels(file, header, pixelCount)) {
        return nullptr;
    }
    std::unique_ptr<unsigned char[]> pixels(new (std::nothrow) unsigned char[imageBytes]);
    if (!pixels) {
        return nullptr;
    }
    const bool complete = header.imageType == kTgaTrueColour
                              ? std::fread(pixels.get(), 1, imageBytes, file) == imageBytes
                              : ReadRlePixels(file, pixels.get(), pixelCount, bytesPerPixel);
    if (!complete) {
        return nullptr;
    }
    SwapRedAndBlue(pixels.get(), pixelCount, bytesPerPixel);
    Orient(header, pixels.get(), bytesPerPixel);
    return pixels;
}
