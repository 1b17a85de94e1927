#include "textures/color_key.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct KeyCase {
    const char* what;
    std::array<std::uint8_t, 4> surface; // blue, green, red, fourth byte
    std::array<std::uint8_t, 3> key;     // red, green, blue
    bool keyEnabled;
    std::array<std::uint8_t, 4> texel; // red, green, blue, alpha
};

const KeyCase kCases[] = {
    {"pure black is the default key", {0, 0, 0, 0}, {0, 0, 0}, true, {0, 0, 0, 0}},
    {"the fourth byte plays no part", {0, 0, 0, 0xFF}, {0, 0, 0}, true, {0, 0, 0, 0}},
    {"blue 1 is not black", {1, 0, 0, 0}, {0, 0, 0}, true, {0, 0, 1, 255}},
    {"green 1 is not black", {0, 1, 0, 0}, {0, 0, 0}, true, {0, 1, 0, 255}},
    {"red 1 is not black", {0, 0, 1, 0}, {0, 0, 0}, true, {1, 0, 0, 255}},
    {"a colour is reordered", {0x30, 0x20, 0x10, 0x77}, {0, 0, 0}, true, {0x10, 0x20, 0x30, 255}},
    {"a non-default key matches its colour",
     {0x30, 0x20, 0x10, 0},
     {0x10, 0x20, 0x30},
     true,
     {0x10, 0x20, 0x30, 0}},
    {"a non-default key leaves black opaque",
     {0, 0, 0, 0},
     {0x10, 0x20, 0x30},
     true,
     {0, 0, 0, 255}},
    {"a key is compared as red green blue, not as stored",
     {0x10, 0x20, 0x30, 0},
     {0x10, 0x20, 0x30},
     true,
     {0x30, 0x20, 0x10, 255}},
    {"key off: black stays opaque", {0, 0, 0, 0}, {0, 0, 0}, false, {0, 0, 0, 255}},
    {"key off: bytes exchanged",
     {0x30, 0x20, 0x10, 0x05},
     {0, 0, 0},
     false,
     {0x10, 0x20, 0x30, 255}},
};

TEST(ColorKey, EachPixelOfATable) {
    for (const KeyCase& c : kCases) {
        SCOPED_TRACE(c.what);
        std::array<std::uint8_t, 4> pixel = c.surface;
        ApplyColorKey(pixel.data(), 1, c.keyEnabled, c.key.data());
        EXPECT_EQ(pixel, c.texel);
    }
}

TEST(ColorKey, ConvertsEveryPixelOfABuffer) {
    // All table cases with the default key, side by side in one buffer.
    std::vector<std::uint8_t> buffer;
    std::vector<std::uint8_t> expected;
    const std::uint8_t black[3] = {0, 0, 0};
    for (const KeyCase& c : kCases) {
        if (c.keyEnabled && c.key == std::array<std::uint8_t, 3>{0, 0, 0}) {
            buffer.insert(buffer.end(), c.surface.begin(), c.surface.end());
            expected.insert(expected.end(), c.texel.begin(), c.texel.end());
        }
    }
    ApplyColorKey(buffer.data(), buffer.size() / 4, true, black);
    EXPECT_EQ(buffer, expected);
}

} // namespace
