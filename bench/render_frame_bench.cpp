// What one frame of the cross costs on Mesa's software renderer, off-screen: nine lit quads,
// plain and textured.
#include "scene/scene_render.h"
#include "scene/scene_state.h"
#include "tests/gl/gl_harness.h"
#include "textures/texture_record.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

void RenderFrames(benchmark::State& state, bool textured) {
    OffscreenGl gl(600, 420);
    if (!gl.ok()) {
        state.SkipWithError("no GL context");
        return;
    }
    ResizeView(600, 420);
    pictureSlots = {};
    std::vector<unsigned char> texels(256 * 256 * 4, 200);
    if (textured) {
        for (TextureRecord& slot : pictureSlots) {
            glGenTextures(1, &slot.id);
            glBindTexture(GL_TEXTURE_2D, slot.id);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 256, 256, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         texels.data());
        }
    }
    for (auto _ : state) {
        sceneState.rowAngle += 0.2f;
        RenderFrame();
        glFinish(); // count the drawing, not only the queuing of it
    }
    for (TextureRecord& slot : pictureSlots) {
        glDeleteTextures(1, &slot.id);
    }
    pictureSlots = {};
}

void BM_RenderFramePlain(benchmark::State& state) {
    RenderFrames(state, false);
}
void BM_RenderFrameTextured(benchmark::State& state) {
    RenderFrames(state, true);
}

BENCHMARK(BM_RenderFramePlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderFrameTextured)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
