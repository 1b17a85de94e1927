// The OpenGL rendering context of a window.
#pragma once

#include "platform/messages.h"

namespace platform {

struct GlContext;

// What the window's drawing surface must offer.
struct PixelFormat {
    bool doubleBuffered;
    int colorBits; // colour bits per pixel, as Windows counts them (32: 8 per channel)
    int depthBits;
};

// Creates a compatibility-profile context for the window's drawing surface, or nullptr.
GlContext* CreateGlContext(Window* window, const PixelFormat& format);

// Makes `context` current on this thread for `window`; a null context releases the current one.
bool MakeGlContextCurrent(Window* window, GlContext* context);

void DeleteGlContext(GlContext* context);

// Shows the frame drawn into the current context's back buffer, no more often than the display
// refreshes. Does nothing but wait when no context is current.
void PresentFrame();

} // namespace platform
