// The Linux picture service on its own: sizes reported before decoding, and pictures drawn at a
// surface size compared with PIL's decoding.
#include "platform/picture_service.h"
#include "tests/unit/picture_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

struct PictureRelease {
    void operator()(platform::Picture* picture) const { platform::ReleasePicture(picture); }
};
using PictureHolder = std::unique_ptr<platform::Picture, PictureRelease>;

struct SurfaceRelease {
    void operator()(platform::DrawingSurface* surface) const {
        platform::ReleaseDrawingSurface(surface);
    }
};
using SurfaceHolder = std::unique_ptr<platform::DrawingSurface, SurfaceRelease>;

PictureHolder Open(const std::string& fixture) {
    return PictureHolder(platform::OpenPicture(PictureFixture(fixture).c_str()));
}

struct SizeCase {
    const char* fixture;
    int hmWidth;
    int hmHeight;
};

// Pixel sizes at 96 dpi become HIMETRIC as pixels * 2540 / 96, rounded: 64 -> 1693, 32 -> 847,
// 160 -> 4233, 120 -> 3175.
const SizeCase kSizes[] = {
    {"picture.bmp", 1693, 847},
    {"picture.gif", 1693, 847},
    {"picture.ico", 1693, 847}, // the larger of its two images
    {"alpha.png", 1693, 847},
    {"picture.tiff", 1693, 847},
    {"picture.jpg", 1693, 847},
    {"picture.webp", 1693, 847},
    {"orientation3.jpg", 1693, 847},
    {"orientation6.jpg", 1693, 847}, // stored 32 x 64, shown turned a quarter
    {"orientation8.jpg", 1693, 847},
    {"photo640.jpg", 16933, 12700},
    {"blocks.wmf", 4233, 3175}, // 160 x 120 units at 96 units per inch
    {"blocks.emf", 4299, 3199}, // the frame Inkscape wrote, already HIMETRIC
};

TEST(PictureService, ReportsTheUprightSizeInHimetric) {
    for (const SizeCase& c : kSizes) {
        SCOPED_TRACE(c.fixture);
        PictureHolder picture = Open(c.fixture);
        ASSERT_TRUE(picture);
        int width = 0;
        int height = 0;
        platform::GetPictureSize(picture.get(), width, height);
        EXPECT_EQ(width, c.hmWidth);
        EXPECT_EQ(height, c.hmHeight);
    }
}

struct DrawCase {
    const char* fixture;
    int width;
    int height;
    bool resampled;   // the surface size differs from the picture's
    double tolerance; // largest channel difference, or mean difference when resampled
};

const DrawCase kDraws[] = {
    {"photo640.jpg", 80, 60, true, 4},  // decoded at 1/8 by libjpeg, no further scaling
    {"photo640.jpg", 100, 50, true, 6}, // decoded at 1/4, then scaled
    {"photo640.jpg", 640, 480, false, 2},
    {"orientation6.jpg", 64, 32, false, 4},
    {"orientation5.jpg", 32, 16, true, 8}, // scaled, then turned
    {"alpha.png", 64, 32, false, 1},
    {"alpha.png", 32, 16, true, 8}, // scaled straight into the surface
    {"picture.bmp", 128, 64, true, 8},
};

TEST(PictureService, DrawsUprightBottomRowFirstAtTheSurfaceSize) {
    for (const DrawCase& c : kDraws) {
        SCOPED_TRACE(std::string(c.fixture) + " at " + std::to_string(c.width) + "x" +
                     std::to_string(c.height));
        PictureHolder picture = Open(c.fixture);
        ASSERT_TRUE(picture);
        SurfaceHolder surface(platform::CreateDrawingSurface(c.width, c.height));
        ASSERT_TRUE(surface);
        ASSERT_TRUE(platform::RenderPicture(picture.get(), surface.get()));
        std::vector<std::uint8_t> reference =
            ReferenceRgb(PictureFixture(c.fixture), c.width, c.height);
        ASSERT_FALSE(reference.empty());

        const std::uint8_t* bits = platform::SurfaceBits(surface.get());
        int largest = 0;
        double total = 0;
        for (int y = 0; y < c.height; ++y) {
            const std::uint8_t* row =
                bits + static_cast<std::size_t>(c.height - 1 - y) * c.width * 4;
            for (int x = 0; x < c.width; ++x) {
                const std::uint8_t* expected =
                    &reference[(static_cast<std::size_t>(y) * c.width + x) * 3];
                const std::uint8_t* drawn = row + x * 4;
                const int differences[3] = {std::abs(drawn[2] - expected[0]),
                                            std::abs(drawn[1] - expected[1]),
                                            std::abs(drawn[0] - expected[2])};
                for (int d : differences) {
                    largest = std::max(largest, d);
                    total += d;
                }
            }
        }
        double mean = total / (3.0 * c.width * c.height);
        if (c.resampled) {
            EXPECT_LE(mean, c.tolerance) << "largest difference " << largest;
        } else {
            EXPECT_LE(largest, c.tolerance) << "mean difference " << mean;
        }
    }
}

TEST(PictureService, RefusesSurfacesOfNoOrHugeSize) {
    EXPECT_EQ(platform::CreateDrawingSurface(0, 1), nullptr);
    EXPECT_EQ(platform::CreateDrawingSurface(1, -1), nullptr);
    EXPECT_EQ(platform::CreateDrawingSurface(16385, 1), nullptr);
    EXPECT_EQ(platform::CreateDrawingSurface(16384, 16384), nullptr); // 1 GiB
    SurfaceHolder surface(platform::CreateDrawingSurface(3, 2));
    ASSERT_TRUE(surface);
    const std::uint8_t* bits = platform::SurfaceBits(surface.get());
    EXPECT_EQ(std::vector<std::uint8_t>(bits, bits + 24), std::vector<std::uint8_t>(24, 0));
}

} // namespace
