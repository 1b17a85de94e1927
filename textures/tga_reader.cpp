#include "textures/texture_loader.h"

#include "textures/texture_limits.h"
#include "textures/tga_decode.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <memory>
#include <new>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The image rescaled to the texture size, or null when that image would be too large to hold.
std::unique_ptr<unsigned char[]> ScaleImage(const unsigned char* image, int width, int height,
                                            TextureSize target, int bytesPerPixel) {
    const std::uint64_t targetBytes =
        std::uint64_t(target.width) * std::uint64_t(target.height) * bytesPerPixel;
    if (targetBytes > kMaxImageBytes) {
        return nullptr;
    }
    std::unique_ptr<unsigned char[]> scaled(new (std::nothrow) unsigned char[targetBytes]);
    if (!scaled) {
        return nullptr;
    }
    // gluScaleImage honours the pixel store alignment on both sides; the rows here are tightly
    // packed, and at the default of 4 an RGB row whose length is not a multiple of 4 would be
    // read or written past the buffers.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    gluScaleImage(bytesPerPixel == 4 ? GL_RGBA : GL_RGB, width, height, GL_UNSIGNED_BYTE, image,
                  target.width, target.height, GL_UNSIGNED_BYTE, scaled.get());
    glPopClientAttrib();
    return scaled;
}

} // namespace

bool TextureLoader::LoadTga(const char* path, TextureRecord& record) {
    FileHandle file(std::fopen(path, "rb"));
    if (!file) {
        return false;
    }
    unsigned char headerBytes[kTgaHeaderBytes];
    if (std::fread(headerBytes, 1, kTgaHeaderBytes, file.get()) != kTgaHeaderBytes) {
        return false;
    }
    const TgaHeader header = ParseTgaHeader(headerBytes);
    const int bytesPerPixel = TgaBytesPerPixel(header);

    // The record describes the file as its header does, even when the file is refused below.
    record.width = header.width;
    record.height = header.height;
    record.bitsPerPixel = header.depth;
    record.format = bytesPerPixel == 3 ? GL_RGB : GL_RGBA;

    if (!IsSupportedTga(header)) {
        return false;
    }
    std::unique_ptr<unsigned char[]> image = ReadTgaPixels(file.get(), header);
    file.reset();
    if (!image) {
        return false;
    }

    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    const TextureSize target = TargetSize(header.width, header.height, maxSize);
    if (target.width != header.width || target.height != header.height) {
        image = ScaleImage(image.get(), header.width, header.height, target, bytesPerPixel);
        if (!image) {
            return false;
        }
        record.width = target.width;
        record.height = target.height;
    }

    glGenTextures(1, &record.id);
    UploadTexture(record, image.get());
    return true;
}
