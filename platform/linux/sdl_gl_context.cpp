// The GL context on SDL2, and presenting paced to the display's refresh.
#include "platform/gl_context.h"

#include "platform/common/frame_pacer.h"
#include "platform/linux/sdl_window.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <ctime>
#include <optional>

namespace platform {

struct GlContext {
    SDL_GLContext sdlContext;
};

namespace {

std::optional<FramePacer> framePacer; // set with the first context

std::int64_t MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void SleepNs(std::int64_t ns) {
    timespec wait{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    while (nanosleep(&wait, &wait) != 0) {
    }
}

int DisplayRefreshHz(SDL_Window* window) {
    SDL_DisplayMode mode{};
    int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) {
        return 0;
    }
    return mode.refresh_rate;
}

} // namespace

GlContext* CreateGlContext(Window* window, const PixelFormat& format) {
    // Windows counts 32 colour bits for 8 bits of red, green and blue (and a byte of padding).
    int channelBits = std::min(8, format.colorBits / 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channelBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, channelBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channelBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, format.doubleBuffered ? 1 : 0);
    SDL_GLContext sdlContext = SDL_GL_CreateContext(window->sdlWindow);
    if (sdlContext == nullptr) {
        return nullptr;
    }
    // Ask for presents at the display's refresh; where the driver ignores it, PresentFrame
    // waits out the period itself.
    SDL_GL_SetSwapInterval(1);
    if (!framePacer) {
        framePacer.emplace(DisplayRefreshHz(window->sdlWindow));
    }
    return new GlContext{sdlContext};
}

bool MakeGlContextCurrent(Window* window, GlContext* context) {
    if (context == nullptr) {
        return SDL_GL_MakeCurrent(window != nullptr ? window->sdlWindow : nullptr, nullptr) == 0;
    }
    return SDL_GL_MakeCurrent(window->sdlWindow, context->sdlContext) == 0;
}

void DeleteGlContext(GlContext* context) {
    if (context == nullptr) {
        return;
    }
    SDL_GL_DeleteContext(context->sdlContext);
    delete context;
}

void PresentFrame() {
    if (framePacer) {
        std::int64_t delay = framePacer->DelayBeforeFrame(MonotonicNs());
        if (delay > 0) {
            SleepNs(delay);
        }
    }
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    if (window != nullptr && SDL_GL_GetCurrentContext() != nullptr) {
        SDL_GL_SwapWindow(window);
    }
}

} // namespace platform
