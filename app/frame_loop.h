// The loop that draws a frame and hands one message to the window, forever, until WM_QUIT.
#pragma once

#include "platform/messages.h"

// Runs the loop over `window`'s messages until WM_QUIT is read and returns its exit code. A turn
// with an empty queue hands the previous message over again, which is how a held key acts once per
// frame.
int RunFrameLoop(platform::Window* window, platform::Message& record);
