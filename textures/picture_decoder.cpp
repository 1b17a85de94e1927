// LoadPicture: any picture the platform's picture service opens, drawn at the texture's size.
#include "platform/picture_service.h"
#include "platform/system.h"
#include "textures/color_key.h"
#include "textures/texture_loader.h"

#include <GL/gl.h>

#include <memory>

namespace {

// Paths are handed to the picture service in a buffer of 260 UTF-16 units, terminator included.
constexpr int kMaxPathUnits = 260;

// The number of UTF-16 units of a UTF-8 path: one per sequence, two for those beyond the basic
// plane (4-byte sequences); stray bytes count one each.
int Utf16Length(const char* text) {
    int units = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
        if ((*p & 0xC0) != 0x80) {
            units += *p >= 0xF0 ? 2 : 1;
        }
        if (units >= kMaxPathUnits) {
            break;
        }
    }
    return units;
}

struct PictureRelease {
    void operator()(platform::Picture* picture) const { platform::ReleasePicture(picture); }
};
struct SurfaceRelease {
    void operator()(platform::DrawingSurface* surface) const {
        platform::ReleaseDrawingSurface(surface);
    }
};

} // namespace

bool TextureLoader::LoadPicture(const char* path, TextureRecord& record) {
    if (path == nullptr || Utf16Length(path) + 1 > kMaxPathUnits) {
        return false;
    }
    std::unique_ptr<platform::Picture, PictureRelease> picture(platform::OpenPicture(path));
    if (!picture) {
        return false;
    }
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);

    int hmWidth = 0;
    int hmHeight = 0;
    platform::GetPictureSize(picture.get(), hmWidth, hmHeight);
    int pixelWidth = platform::MulDiv(hmWidth, platform::LogicalDpiX(), platform::kHimetricPerInch);
    int pixelHeight =
        platform::MulDiv(hmHeight, platform::LogicalDpiY(), platform::kHimetricPerInch);
    if (pixelWidth < 0 || pixelHeight < 0) {
        return false; // a size that does not convert
    }
    TextureSize size = TargetSize(pixelWidth, pixelHeight, maxSize);

    std::unique_ptr<platform::DrawingSurface, SurfaceRelease> surface(
        platform::CreateDrawingSurface(size.width, size.height));
    if (!surface) {
        return false;
    }
    // A picture whose data fails while drawing would otherwise become a black texture
    // reported as loaded.
    if (!platform::RenderPicture(picture.get(), surface.get())) {
        return false;
    }
    std::uint8_t* bits = platform::SurfaceBits(surface.get());
    ApplyColorKey(bits, static_cast<std::size_t>(size.width) * size.height, colorKeyEnabled,
                  colorKey);

    record.width = size.width;
    record.height = size.height;
    record.bitsPerPixel = 32;
    record.format = GL_RGBA;
    glGenTextures(1, &record.id);
    UploadTexture(record, bits);
    return true;
}
