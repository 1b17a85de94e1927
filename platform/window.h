// The main window and its message queue.
#pragma once

#include "platform/entry.h"
#include "platform/messages.h"

namespace platform {

struct WindowDescription {
    InstanceHandle instance; // the program, as its entry was given it
    const char* className;   // the window-manager class (X11 WM_CLASS, Wayland app id)
    const char* title;
    int x, y;
    int clientWidth, clientHeight; // size of the drawable area, without frame
    WindowProc procedure;
};

// Creates the window. WM_CREATE reaches the procedure before this returns, as the first message.
// Returns nullptr when no window can be made.
Window* CreateMainWindow(const WindowDescription& description);

// Shows the window. The first WM_SIZE (and then a WM_PAINT) reach the procedure before this
// returns, so the view is sized before the first frame is drawn.
void ShowMainWindow(Window* window);

// Takes the next waiting message for `window` (or the quit message) into `record` and returns
// true; never blocks. With an empty queue it returns false and leaves `record` as it was.
// WM_QUIT is delivered after every other waiting message.
bool PeekWindowMessage(Message& record, Window* window);

// Queues the character message that a key-down of a character key produces.
void TranslateWindowMessage(const Message& record);

// Hands the record to its window's procedure; a record with no window goes nowhere.
LResult DispatchWindowMessage(const Message& record);

// What a window does with a message its procedure leaves alone.
LResult DefaultWindowProc(Window* window, std::uint32_t message, WParam wParam, LParam lParam);

// Queues WM_QUIT with `exitCode` as its wParam.
void PostQuit(int exitCode);

} // namespace platform
