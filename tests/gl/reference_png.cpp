#include "tests/gl/reference_png.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace {

struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
};

bool Decode(std::FILE* file, PngReader& reader, ReferenceImage& image) {
    if (setjmp(png_jmpbuf(reader.png))) {
        return false;
    }
    png_init_io(reader.png, file);
    png_read_png(reader.png, reader.info,
                 PNG_TRANSFORM_EXPAND | PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_GRAY_TO_RGB,
                 nullptr);
    image.width = static_cast<int>(png_get_image_width(reader.png, reader.info));
    image.height = static_cast<int>(png_get_image_height(reader.png, reader.info));
    image.channels = png_get_channels(reader.png, reader.info);
    return image.channels == 3 || image.channels == 4;
}

} // namespace

bool ReadReferencePng(const std::string& path, ReferenceImage& image) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    PngReader reader;
    reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    reader.info = reader.png != nullptr ? png_create_info_struct(reader.png) : nullptr;
    const bool decoded = reader.info != nullptr && Decode(file, reader, image);
    std::fclose(file);
    if (!decoded) {
        return false;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * image.channels;
    png_bytepp rows = png_get_rows(reader.png, reader.info);
    image.pixels.resize(rowBytes * image.height);
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(image.pixels.data() + y * rowBytes, rows[y], rowBytes);
    }
    return true;
}
