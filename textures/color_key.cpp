#include "textures/color_key.h"

void ApplyColorKey(std::uint8_t* pixels, std::size_t count, bool keyEnabled,
                   const std::uint8_t key[3]) {
    const std::uint32_t keyValue = key[0] | key[1] << 8 | key[2] << 16;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t* pixel = pixels + i * 4;
        if (keyEnabled) {
            // The pixel read as a little-endian value p holds B, G, R, X; v holds R, G, B, 0.
            std::uint32_t p = pixel[0] | pixel[1] << 8 | pixel[2] << 16 |
                              static_cast<std::uint32_t>(pixel[3]) << 24;
            std::uint32_t v = ((p >> 16) & 0xFF) | ((p & 0xFF) << 16) | (p & 0xFF00);
            if (v != keyValue) {
                v |= 0xFF000000u;
            }
            pixel[0] = static_cast<std::uint8_t>(v);
            pixel[1] = static_cast<std::uint8_t>(v >> 8);
            pixel[2] = static_cast<std::uint8_t>(v >> 16);
            pixel[3] = static_cast<std::uint8_t>(v >> 24);
        } else {
            std::uint8_t blue = pixel[0];
            pixel[0] = pixel[2];
            pixel[2] = blue;
            pixel[3] = 255;
        }
    }
}
