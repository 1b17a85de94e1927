#include "platform/common/jpeg_markers.h"

#include <cstring>

namespace platform::pictures {
namespace {

constexpr std::uint8_t kMarkerStartOfScan = 0xDA;
constexpr std::uint8_t kMarkerEndOfImage = 0xD9;
constexpr std::uint8_t kMarkerApp1 = 0xE1;

bool IsStandalone(std::uint8_t marker) {
    // TEM, RST0 to RST7, SOI and EOI carry no length.
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9);
}

std::size_t SegmentLength(const std::uint8_t* data) {
    return static_cast<std::size_t>(data[0]) << 8 | data[1];
}

// Walks the segments after SOI; calls visit(marker, payload, payloadSize) for each one with a
// length, and skips the entropy-coded data after each scan header. Returns true when EOI is
// reached inside the data.
template <typename Visit>
bool WalkSegments(const std::uint8_t* data, std::size_t size, Visit visit) {
    if (size < 2 || data[0] != 0xFF || data[1] != 0xD8) {
        return false;
    }
    std::size_t at = 2;
    while (at + 1 < size) {
        if (data[at] != 0xFF) {
            return false;
        }
        std::uint8_t marker = data[at + 1];
        at += 2;
        if (marker == 0xFF) { // fill byte before a marker
            at -= 1;
            continue;
        }
        if (marker == kMarkerEndOfImage) {
            return true;
        }
        if (IsStandalone(marker)) {
            continue;
        }
        if (at + 2 > size) {
            return false;
        }
        std::size_t length = SegmentLength(data + at);
        if (length < 2 || at + length > size) {
            return false;
        }
        if (!visit(marker, data + at + 2, length - 2)) {
            return false;
        }
        at += length;
        if (marker == kMarkerStartOfScan) {
            // Entropy-coded data: 0xFF is followed by 0 (a stuffed byte) or a restart marker
            // inside it; anything else is the next marker.
            while (at + 1 < size) {
                if (data[at] == 0xFF && data[at + 1] != 0 &&
                    !(data[at + 1] >= 0xD0 && data[at + 1] <= 0xD7)) {
                    break;
                }
                at += data[at] == 0xFF ? 2 : 1;
            }
        }
    }
    return false;
}

unsigned ReadTiff16(const std::uint8_t* p, bool bigEndian) {
    return bigEndian ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]);
}

std::uint32_t ReadTiff32(const std::uint8_t* p, bool bigEndian) {
    return bigEndian ? (std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 |
                        std::uint32_t{p[2]} << 8 | p[3])
                     : (std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 |
                        std::uint32_t{p[1]} << 8 | p[0]);
}

// The orientation tag of the first image directory of a TIFF structure; 0 when absent.
int TiffOrientation(const std::uint8_t* tiff, std::size_t size) {
    constexpr unsigned kTagOrientation = 0x0112;
    constexpr unsigned kTypeShort = 3;
    constexpr std::size_t kEntryBytes = 12;
    if (size < 8) {
        return 0;
    }
    bool bigEndian;
    if (std::memcmp(tiff, "II*\0", 4) == 0) {
        bigEndian = false;
    } else if (std::memcmp(tiff, "MM\0*", 4) == 0) {
        bigEndian = true;
    } else {
        return 0;
    }
    std::uint32_t directory = ReadTiff32(tiff + 4, bigEndian);
    if (directory > size || size - directory < 2) {
        return 0;
    }
    unsigned count = ReadTiff16(tiff + directory, bigEndian);
    const std::uint8_t* entry = tiff + directory + 2;
    std::size_t available = (size - directory - 2) / kEntryBytes;
    for (unsigned i = 0; i < count && i < available; ++i, entry += kEntryBytes) {
        if (ReadTiff16(entry, bigEndian) == kTagOrientation &&
            ReadTiff16(entry + 2, bigEndian) == kTypeShort &&
            ReadTiff32(entry + 4, bigEndian) == 1) {
            return static_cast<int>(ReadTiff16(entry + 8, bigEndian));
        }
    }
    return 0;
}

} // namespace

bool JpegHasEndOfImage(const std::uint8_t* data, std::size_t size) {
    return WalkSegments(data, size,
                        [](std::uint8_t, const std::uint8_t*, std::size_t) { return true; });
}

int JpegExifOrientation(const std::uint8_t* data, std::size_t size) {
    int orientation = 0;
    WalkSegments(data, size, [&](std::uint8_t marker, const std::uint8_t* payload, std::size_t n) {
        if (marker == kMarkerStartOfScan) {
            return false; // EXIF comes before the first scan
        }
        if (marker == kMarkerApp1 && n >= 6 && std::memcmp(payload, "Exif\0\0", 6) == 0) {
            orientation = TiffOrientation(payload + 6, n - 6);
            return false;
        }
        return true;
    });
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

} // namespace platform::pictures
