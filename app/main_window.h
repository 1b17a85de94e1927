// The main window's procedure and the values the shell keeps for the whole run.
#pragma once

#include "platform/platform.h"

namespace shell {

extern platform::Window* mainWindow;
extern platform::GlContext* renderingContext; // current from WM_CREATE until WM_CLOSE

// The drawing surface the window asks for: double-buffered RGBA, 8 bits a channel, a depth
// buffer of 16 bits at least.
extern const platform::PixelFormat kPixelFormat;

} // namespace shell

platform::LResult MainWindowProc(platform::Window* window, std::uint32_t message,
                                 platform::WParam wParam, platform::LParam lParam);
