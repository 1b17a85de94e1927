// What the SDL window and GL-context files share about a window.
#pragma once

#include "platform/messages.h"

#include <SDL2/SDL_video.h>

namespace platform {

struct Window {
    SDL_Window* sdlWindow = nullptr;
    WindowProc procedure = nullptr;
};

} // namespace platform
