// The cross drawn by Mesa into an off-screen buffer, pixels read back.
#include "scene/scene_render.h"
#include "scene/scene_state.h"
#include "tests/gl/gl_harness.h"
#include "textures/texture_record.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 420;

// Where a point in eye space lands in the window, by the pinhole model of a 50-degree
// vertical field of view: independent of the GL matrices the renderer builds.
struct ScreenPoint {
    int x, y;
};
ScreenPoint Project(double x, double y, double z) {
    const double f = 1.0 / std::tan(25.0 * M_PI / 180.0);
    const double aspect = static_cast<double>(kWidth) / kHeight;
    double ndcX = f / aspect * x / -z;
    double ndcY = f * y / -z;
    return {static_cast<int>(std::lround((ndcX + 1) * kWidth / 2)),
            static_cast<int>(std::lround((ndcY + 1) * kHeight / 2))};
}

// A point well inside the visible part of each slot's square when all angles are 0: the
// pictures stand on a unit sphere around (0, 0, -4), and a nearer picture hides the inner half
// of the next one, so the sample sits 0.3 out from each outer picture's centre, away from the
// centre of the cross.
ScreenPoint SlotSample(int slot) {
    const double rad = M_PI / 180.0;
    struct Placement {
        double angle; // degrees from the centre along the arm
        bool column;  // column (vertical) or row (horizontal)
    };
    const Placement placements[9] = {{0, true},   {30, true},   {60, true},
                                     {-30, true}, {-60, true},  {30, false},
                                     {60, false}, {-30, false}, {-60, false}};
    const Placement& p = placements[slot];
    double along = std::sin(p.angle * rad);
    double depth = -4.0 + std::cos(p.angle * rad);
    double out = slot == 0 ? 0.0 : (p.angle > 0 ? 0.3 : -0.3);
    double a = along + out;
    return p.column ? Project(0, a, depth) : Project(a, 0, depth);
}

bool IsBlack(OffscreenGl::Rgb c) {
    return c.r < 8 && c.g < 8 && c.b < 8;
}
bool IsLit(OffscreenGl::Rgb c) {
    return c.r > 60 && c.g > 60 && c.b > 60;
}

class SceneRenderTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(gl_.ok());
        sceneState = {};
        pictureSlots = {};
        ResizeView(kWidth, kHeight);
    }
    void TearDown() override {
        for (TextureRecord& slot : pictureSlots) {
            glDeleteTextures(1, &slot.id);
        }
        pictureSlots = {};
    }

    // Gives every slot a 1 x 1 texture: white for the slots whose bit is set, black otherwise.
    void TextureSlots(unsigned whiteMask) {
        for (int slot = 0; slot < 9; ++slot) {
            GLubyte texel[3] = {0, 0, 0};
            if (whiteMask & (1u << slot)) {
                texel[0] = texel[1] = texel[2] = 255;
            }
            GLuint& id = pictureSlots[slot].id;
            if (id == 0) {
                glGenTextures(1, &id);
            }
            glBindTexture(GL_TEXTURE_2D, id);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
        }
    }

    bool FrameIsBlack() const {
        std::vector<std::uint8_t> pixels = gl_.ReadPixels();
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            if (pixels[i] > 8 || pixels[i + 1] > 8 || pixels[i + 2] > 8) {
                return false;
            }
        }
        return true;
    }

    OffscreenGl gl_{kWidth, kHeight};
};

TEST_F(SceneRenderTest, WithoutPicturesNineLitSquaresFormACrossOnBlack) {
    RenderFrame();
    for (int slot = 0; slot < 9; ++slot) {
        ScreenPoint p = SlotSample(slot);
        EXPECT_TRUE(IsLit(gl_.PixelAt(p.x, p.y))) << "slot " << slot << " at " << p.x << "," << p.y;
    }
    // Between the arms, and beyond their ends.
    const ScreenPoint empty[] = {Project(0.7, 0.7, -3.3),  Project(-0.7, 0.7, -3.3),
                                 Project(0.7, -0.7, -3.3), Project(-0.7, -0.7, -3.3),
                                 Project(0, 1.6, -3.5),    Project(1.6, 0, -3.5)};
    for (ScreenPoint p : empty) {
        EXPECT_TRUE(IsBlack(gl_.PixelAt(p.x, p.y))) << p.x << "," << p.y;
    }
}

TEST_F(SceneRenderTest, EachSlotStandsInItsPlace) {
    // Slots 1-2 above, 3-4 below, 5-6 right, 7-8 left: only the white slot shows white.
    for (int white = 0; white < 9; ++white) {
        TextureSlots(1u << white);
        RenderFrame();
        for (int slot = 0; slot < 9; ++slot) {
            ScreenPoint p = SlotSample(slot);
            OffscreenGl::Rgb c = gl_.PixelAt(p.x, p.y);
            if (slot == white) {
                EXPECT_TRUE(IsLit(c)) << "slot " << slot << " should be white";
            } else {
                EXPECT_TRUE(IsBlack(c))
                    << "slot " << slot << " should be black when " << white << " is white";
            }
        }
    }
}

TEST_F(SceneRenderTest, HalfAFlipTurnsTheOuterSquaresAwayAndKeepsTheCentre) {
    sceneState.flipAngle = 180.0f;
    const float armAngles[][2] = {{0, 0}, {25, 0}, {0, -70}, {-120, 0}}; // column, row
    for (const auto& angles : armAngles) {
        sceneState.columnAngle = angles[0];
        sceneState.rowAngle = angles[1];
        TextureSlots(0x1FE); // the eight outer squares white, the centre black
        RenderFrame();
        EXPECT_TRUE(FrameIsBlack()) << "outer squares drawn at " << angles[0] << "," << angles[1];
        TextureSlots(0x001);
        RenderFrame();
        EXPECT_FALSE(FrameIsBlack()) << "centre missing at " << angles[0] << "," << angles[1];
    }
}

TEST_F(SceneRenderTest, CentreTurnedBackwardsIsCulled) {
    // With the outer squares flipped away, only the centre can draw.
    sceneState.flipAngle = 180.0f;
    sceneState.rowAngle = 90.0f;
    sceneState.columnAngle = 0.0f;
    RenderFrame();
    EXPECT_FALSE(FrameIsBlack()) << "the centre faces the viewer at column 0, row 90";
    sceneState.columnAngle = 180.0f;
    RenderFrame();
    EXPECT_TRUE(FrameIsBlack()) << "the centre shows its back at column 180, row 90";
}

TEST_F(SceneRenderTest, PitchOf360OrMoreDrawsAsZeroInTheSameFrame) {
    sceneState.viewYaw = 20.0f; // something to compare that is not symmetric
    RenderFrame();
    std::vector<std::uint8_t> atZero = gl_.ReadPixels();
    sceneState.viewPitch = 360.2f;
    RenderFrame();
    EXPECT_EQ(sceneState.viewPitch, 0.0f);
    EXPECT_TRUE(gl_.ReadPixels() == atZero);
}

TEST_F(SceneRenderTest, ResizeViewTreatsZeroHeightAsOne) {
    struct Case {
        std::uint16_t width, height;
        GLint expected[4];
    };
    const Case cases[] = {
        {600, 420, {0, 0, 600, 420}},
        {320, 0, {0, 0, 320, 1}},
        {0, 0, {0, 0, 0, 1}}, // a minimised window
    };
    for (const Case& c : cases) {
        ResizeView(c.width, c.height);
        GLint viewport[4] = {-1, -1, -1, -1};
        glGetIntegerv(GL_VIEWPORT, viewport);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(viewport[i], c.expected[i]) << c.width << "x" << c.height << " [" << i << "]";
        }
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
    }
}

} // namespace
