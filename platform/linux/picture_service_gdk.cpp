// The picture service on Linux: bytes from a file or an http(s) address, a decoder chosen by
// their content, and a plain memory surface to draw into.
#include "platform/common/http_address.h"
#include "platform/common/picture_limits.h"
#include "platform/linux/picture_decoders.h"
#include "platform/linux/picture_sources.h"
#include "platform/picture_service.h"

#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

namespace platform {

struct Picture {
    std::vector<std::uint8_t> bytes;
    const pictures::PictureDecoder* decoder;
    pictures::PictureFacts facts;
};

struct DrawingSurface {
    int width;
    int height;
    std::uint8_t* bits; // calloc'd: a new surface is black
};

Picture* OpenPicture(const char* pathOrAddress) {
    if (pathOrAddress == nullptr || *pathOrAddress == '\0') {
        return nullptr;
    }
    std::vector<std::uint8_t> bytes;
    bool read = pictures::IsHttpAddress(pathOrAddress)
                    ? pictures::FetchHttp(pathOrAddress, bytes)
                    : pictures::ReadLocalFile(pathOrAddress, bytes);
    if (!read) {
        return nullptr;
    }
    pictures::PictureFacts facts;
    const pictures::PictureDecoder* decoder =
        pictures::FindPictureDecoder(pictures::DecoderTable(), {bytes.data(), bytes.size()}, facts);
    if (decoder == nullptr) {
        return nullptr;
    }
    return new (std::nothrow) Picture{std::move(bytes), decoder, facts};
}

void GetPictureSize(const Picture* picture, int& hmWidth, int& hmHeight) {
    hmWidth = picture->facts.hmWidth;
    hmHeight = picture->facts.hmHeight;
}

DrawingSurface* CreateDrawingSurface(int width, int height) {
    if (!pictures::SurfaceSizeAllowed(width, height)) {
        return nullptr;
    }
    auto* bits = static_cast<std::uint8_t*>(
        std::calloc(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 4));
    if (bits == nullptr) {
        return nullptr;
    }
    auto* surface = new (std::nothrow) DrawingSurface{width, height, bits};
    if (surface == nullptr) {
        std::free(bits);
    }
    return surface;
}

std::uint8_t* SurfaceBits(DrawingSurface* surface) {
    return surface->bits;
}

void ReleaseDrawingSurface(DrawingSurface* surface) {
    if (surface != nullptr) {
        std::free(surface->bits);
        delete surface;
    }
}

bool RenderPicture(Picture* picture, DrawingSurface* surface) {
    pictures::EncodedPicture encoded{picture->bytes.data(), picture->bytes.size()};
    return picture->decoder->draw(encoded, picture->facts,
                                  {surface->width, surface->height, surface->bits});
}

void ReleasePicture(Picture* picture) {
    delete picture;
}

} // namespace platform
