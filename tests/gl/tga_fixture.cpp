#include "tests/gl/tga_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

void AppendLittleEndian16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<unsigned char>(value & 0xFF));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

} // namespace

Bytes TgaHeaderBytes(const TgaFields& f) {
    Bytes bytes = {f.idLength, f.colourMapType, f.imageType};
    AppendLittleEndian16(bytes, f.colourMapFirst);
    AppendLittleEndian16(bytes, f.colourMapLength);
    bytes.push_back(f.colourMapEntryBits);
    AppendLittleEndian16(bytes, 0); // x origin
    AppendLittleEndian16(bytes, 0); // y origin
    AppendLittleEndian16(bytes, f.width);
    AppendLittleEndian16(bytes, f.height);
    bytes.push_back(f.depth);
    bytes.push_back(f.descriptor);
    return bytes;
}

Bytes Stored(const std::vector<Colour>& colours, int bytesPerPixel) {
    Bytes bytes;
    for (const Colour& c : colours) {
        bytes.insert(bytes.end(), {c.b, c.g, c.r});
        if (bytesPerPixel == 4) {
            bytes.push_back(c.a);
        }
    }
    return bytes;
}

Bytes Texels(const std::vector<Colour>& colours, int bytesPerPixel) {
    Bytes bytes;
    for (const Colour& c : colours) {
        bytes.insert(bytes.end(), {c.r, c.g, c.b});
        if (bytesPerPixel == 4) {
            bytes.push_back(c.a);
        }
    }
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return bytes;
}

Bytes Repeat(std::size_t count, const Bytes& part) {
    Bytes bytes;
    for (std::size_t i = 0; i < count; ++i) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return bytes;
}

TempFile::TempFile(const std::string& name, const Bytes& contents)
    : path_(testing::TempDir() + name + "-" + std::to_string(getpid()) + ".tga") {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file != nullptr) {
        if (!contents.empty()) {
            std::fwrite(contents.data(), 1, contents.size(), file);
        }
        std::fclose(file);
    }
}

TempFile::~TempFile() {
    std::remove(path_.c_str());
}
