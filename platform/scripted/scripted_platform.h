// A window whose messages come from a script, and a GL context that only records what is asked
// of it: for testing the shell without a window system.
#pragma once

#include "platform/messages.h"

#include <string>
#include <vector>

namespace scripted {

// Queues a message for PeekWindowMessage, which hands them out oldest first, each once this
// many frames have been presented (0: at once). The window field is filled in.
void QueueMessage(std::uint32_t message, platform::WParam wParam = 0, platform::LParam lParam = 0,
                  int afterPresents = 0);

// Every call the shell made of the platform, in order: "create-window", "create-context",
// "make-current", "release-current", "delete-context", "present", "translate <msg>",
// "dispatch <msg>", "post-quit <code>", "show-window". Messages are written in hex.
std::vector<std::string>& CallLog();

// Forgets the queue, the log, the window and a posted quit.
void Reset();

// Posts WM_QUIT with `exitCode` once this many frames have been presented (0: never).
void QuitAfterPresents(int presents, int exitCode);

// Frames presented since the last Reset.
int Presents();

} // namespace scripted
