// The size rule: the power of two nearest on a logarithmic scale, clamped to the GL maximum, and
// the halving of wide textures when the loader is not set to full size.
#include "textures/texture_loader.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMaxSize = 16384;

struct PowerOfTwoCase {
    int n;
    int maxSize;
    int expected;
};

TEST(TextureSize, PowerOfTwoRoundsOnALogScaleHalfwayUp) {
    const PowerOfTwoCase cases[] = {
        {1, kMaxSize, 1},      {2, kMaxSize, 2},      {3, kMaxSize, 4},
        {5, kMaxSize, 4},      {6, kMaxSize, 8},      {90, kMaxSize, 64},
        {91, kMaxSize, 128},   {181, kMaxSize, 128},  {182, kMaxSize, 256},
        {362, kMaxSize, 256},  {363, kMaxSize, 512},  {724, kMaxSize, 512},
        {725, kMaxSize, 1024}, {0, kMaxSize, 1},      {65535, kMaxSize, kMaxSize},
        {16384, 16384, 16384}, {16385, 16384, 16384}, {300, 256, 256},
        {257, 256, 256},       {256, 256, 256},       {46340, 65536, 32768},
        {46341, 65536, 65536},
    };
    TextureLoader loader;
    for (const PowerOfTwoCase& c : cases) {
        EXPECT_EQ(loader.PowerOfTwoSize(c.n, c.maxSize), c.expected)
            << "n " << c.n << ", maxSize " << c.maxSize;
    }
}

struct TargetCase {
    bool fullSize;
    int width;
    int height;
    int maxSize;
    TextureSize expected;
};

TEST(TextureSize, TargetHalvesOnlyWideTexturesWhenNotFullSize) {
    const TargetCase cases[] = {
        {false, 640, 480, kMaxSize, {256, 256}},
        {false, 64, 64, kMaxSize, {64, 64}},
        {false, 65, 65, kMaxSize, {64, 64}},
        {false, 96, 96, kMaxSize, {64, 64}},
        {false, 128, 16, kMaxSize, {64, 8}},
        {false, 64, 512, kMaxSize, {64, 512}},
        {false, 256, 256, kMaxSize, {128, 128}},
        {false, 64, 100, kMaxSize, {64, 128}},
        {false, 40000, 100, kMaxSize, {kMaxSize / 2, 64}}, // clamped, then halved
        {false, 1, 1, kMaxSize, {1, 1}},
        {true, 640, 480, kMaxSize, {512, 512}},
        {true, 200, 32, kMaxSize, {256, 32}},
        {true, 128, 16, kMaxSize, {128, 16}},
        {true, 40000, 3, kMaxSize, {kMaxSize, 4}},
    };
    for (const TargetCase& c : cases) {
        TextureLoader loader;
        loader.SetFullSize(c.fullSize);
        const TextureSize size = loader.TargetSize(c.width, c.height, c.maxSize);
        EXPECT_EQ(size.width, c.expected.width) << c.width << " x " << c.height;
        EXPECT_EQ(size.height, c.expected.height) << c.width << " x " << c.height;
    }
}

} // namespace
