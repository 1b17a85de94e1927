// Windows' message, flag and virtual-key codes that the program and its backends name, as one
// list: elsewhere messages.h defines each name with its value, on Windows it checks that
// <windows.h> gives each name the same value.
#pragma once

// X(name, value) for each message code.
#define PLATFORM_MESSAGE_CODES(X)                                                                  \
    X(WM_NULL, 0x0000)                                                                             \
    X(WM_CREATE, 0x0001)                                                                           \
    X(WM_SIZE, 0x0005)                                                                             \
    X(WM_PAINT, 0x000F)                                                                            \
    X(WM_CLOSE, 0x0010)                                                                            \
    X(WM_QUIT, 0x0012)                                                                             \
    X(WM_KEYDOWN, 0x0100)                                                                          \
    X(WM_KEYUP, 0x0101)                                                                            \
    X(WM_CHAR, 0x0102)                                                                             \
    X(WM_MOUSEMOVE, 0x0200)                                                                        \
    X(WM_LBUTTONDOWN, 0x0201)                                                                      \
    X(WM_LBUTTONUP, 0x0202)                                                                        \
    X(WM_LBUTTONDBLCLK, 0x0203)                                                                    \
    X(WM_RBUTTONDOWN, 0x0204)                                                                      \
    X(WM_RBUTTONUP, 0x0205)                                                                        \
    X(WM_MBUTTONDOWN, 0x0207)                                                                      \
    X(WM_MBUTTONUP, 0x0208)

// X(name, value) for each code carried in a message's wParam: WM_SIZE kinds, the mouse
// messages' button flags, and virtual keys (letters and digits are their ASCII codes).
#define PLATFORM_WPARAM_CODES(X)                                                                   \
    X(SIZE_RESTORED, 0)                                                                            \
    X(SIZE_MINIMIZED, 1)                                                                           \
    X(MK_LBUTTON, 0x0001)                                                                          \
    X(MK_RBUTTON, 0x0002)                                                                          \
    X(MK_MBUTTON, 0x0010)                                                                          \
    X(VK_BACK, 0x08)                                                                               \
    X(VK_TAB, 0x09)                                                                                \
    X(VK_RETURN, 0x0D)                                                                             \
    X(VK_SHIFT, 0x10)                                                                              \
    X(VK_CONTROL, 0x11)                                                                            \
    X(VK_MENU, 0x12)                                                                               \
    X(VK_PAUSE, 0x13)                                                                              \
    X(VK_CAPITAL, 0x14)                                                                            \
    X(VK_ESCAPE, 0x1B)                                                                             \
    X(VK_SPACE, 0x20)                                                                              \
    X(VK_PRIOR, 0x21)                                                                              \
    X(VK_NEXT, 0x22)                                                                               \
    X(VK_END, 0x23)                                                                                \
    X(VK_HOME, 0x24)                                                                               \
    X(VK_LEFT, 0x25)                                                                               \
    X(VK_UP, 0x26)                                                                                 \
    X(VK_RIGHT, 0x27)                                                                              \
    X(VK_DOWN, 0x28)                                                                               \
    X(VK_INSERT, 0x2D)                                                                             \
    X(VK_DELETE, 0x2E)                                                                             \
    X(VK_NUMPAD0, 0x60)                                                                            \
    X(VK_MULTIPLY, 0x6A)                                                                           \
    X(VK_ADD, 0x6B)                                                                                \
    X(VK_SUBTRACT, 0x6D)                                                                           \
    X(VK_DECIMAL, 0x6E)                                                                            \
    X(VK_DIVIDE, 0x6F)                                                                             \
    X(VK_F1, 0x70)
