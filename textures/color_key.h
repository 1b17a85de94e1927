// The pixel conversion of decoded pictures: from the drawing surface's blue, green, red, X to
// the texture's red, green, blue, alpha, with the loader's colour key.
#pragma once

#include <cstddef>
#include <cstdint>

// Converts `count` 4-byte pixels in place. With the key enabled a pixel whose colour equals
// `key` (red, green, blue) gets alpha 0 and every other pixel alpha 255; without it every pixel
// gets alpha 255.
void ApplyColorKey(std::uint8_t* pixels, std::size_t count, bool keyEnabled,
                   const std::uint8_t key[3]);
