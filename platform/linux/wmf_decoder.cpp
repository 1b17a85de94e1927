// Windows metafiles with a placeable header, drawn by the libwmf GdkPixbuf loader. That loader
// reports no size of its own, so the size comes from the placeable header, and the loader is
// told the surface's size once it asks.
#include "platform/common/picture_limits.h"
#include "platform/linux/pixbuf_loading.h"
#include "platform/picture_service.h"
#include "platform/system.h"

#include <cstdlib>

namespace platform::pictures {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeaderBytes = 22;
constexpr std::size_t kMetaHeaderBytes = 18;
constexpr unsigned kMetaHeaderWords = 9;

unsigned Read16(const std::uint8_t* p) {
    return p[0] | p[1] << 8;
}
int ReadSigned16(const std::uint8_t* p) {
    return static_cast<std::int16_t>(Read16(p));
}
std::uint32_t Read32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

} // namespace

ProbeResult ProbeWmf(EncodedPicture picture, PictureFacts& facts) {
    if (picture.size < 4 || Read32(picture.data) != kPlaceableKey) {
        return ProbeResult::NotMine;
    }
    if (picture.size < kPlaceableHeaderBytes + kMetaHeaderBytes) {
        return ProbeResult::Broken;
    }
    const std::uint8_t* header = picture.data;
    int width = std::abs(ReadSigned16(header + 10) - ReadSigned16(header + 6));
    int height = std::abs(ReadSigned16(header + 12) - ReadSigned16(header + 8));
    unsigned unitsPerInch = Read16(header + 14);
    const std::uint8_t* meta = picture.data + kPlaceableHeaderBytes;
    unsigned type = Read16(meta);
    std::uint64_t metafileBytes = std::uint64_t{Read32(meta + 6)} * 2;
    bool headerSound = (type == 1 || type == 2) && Read16(meta + 2) == kMetaHeaderWords &&
                       metafileBytes <= picture.size - kPlaceableHeaderBytes;
    if (!headerSound || width == 0 || height == 0 || unitsPerInch == 0) {
        return ProbeResult::Broken;
    }
    // Logical units per inch to HIMETRIC; 16-bit inputs cannot overflow.
    facts.hmWidth = MulDiv(width, kHimetricPerInch, unitsPerInch);
    facts.hmHeight = MulDiv(height, kHimetricPerInch, unitsPerInch);
    if (facts.hmWidth == 0 || facts.hmHeight == 0 || facts.hmWidth > kMaxMetafileHimetric ||
        facts.hmHeight > kMaxMetafileHimetric) {
        return ProbeResult::Broken;
    }
    facts.pixbufType = "wmf";
    return ProbeResult::Mine;
}

bool DrawWmf(EncodedPicture picture, const PictureFacts&, SurfacePixels surface) {
    return DrawThroughPixbufLoader(picture, "wmf", 1, LoaderSizing::Exact, surface);
}

} // namespace platform::pictures
