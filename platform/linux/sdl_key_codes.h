// Translation of SDL key symbols into virtual-key codes.
#pragma once

#include "platform/messages.h"

#include <SDL2/SDL_keycode.h>

namespace platform {

// The virtual-key code of `key`, or 0 for a key that has none.
WParam VirtualKeyFromSdl(SDL_Keycode key);

} // namespace platform
