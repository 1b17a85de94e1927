// The window-event vocabulary the shell speaks: message records with Windows' message and
// virtual-key codes, whatever backend delivers them.
#pragma once

#include <cstdint>

namespace platform {

struct Window;

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// One queued window event. A zeroed record is WM_NULL for no window.
struct Message {
    Window* window = nullptr;
    std::uint32_t message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
};

using WindowProc = LResult (*)(Window* window, std::uint32_t message, WParam wParam, LParam lParam);

constexpr std::uint16_t LowWord(LParam value) {
    return static_cast<std::uint16_t>(static_cast<std::uintptr_t>(value) & 0xFFFF);
}
constexpr std::uint16_t HighWord(LParam value) {
    return static_cast<std::uint16_t>((static_cast<std::uintptr_t>(value) >> 16) & 0xFFFF);
}
// Packs two 16-bit values (x or width low, y or height high) the way size and mouse events do.
constexpr LParam MakeLParam(int low, int high) {
    return static_cast<LParam>((static_cast<std::uint32_t>(low) & 0xFFFF) |
                               ((static_cast<std::uint32_t>(high) & 0xFFFF) << 16));
}

} // namespace platform

// Message codes.
constexpr std::uint32_t WM_NULL = 0x0000;
constexpr std::uint32_t WM_CREATE = 0x0001;
constexpr std::uint32_t WM_SIZE = 0x0005;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_KEYUP = 0x0101;
constexpr std::uint32_t WM_CHAR = 0x0102;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr std::uint32_t WM_MBUTTONUP = 0x0208;

// WM_SIZE wParam values.
constexpr platform::WParam SIZE_RESTORED = 0;
constexpr platform::WParam SIZE_MINIMIZED = 1;

// Mouse-message wParam flags: which buttons are down.
constexpr platform::WParam MK_LBUTTON = 0x0001;
constexpr platform::WParam MK_RBUTTON = 0x0002;
constexpr platform::WParam MK_MBUTTON = 0x0010;

// Virtual-key codes (the keys a backend can name; letters and digits are their ASCII codes).
constexpr platform::WParam VK_BACK = 0x08;
constexpr platform::WParam VK_TAB = 0x09;
constexpr platform::WParam VK_RETURN = 0x0D;
constexpr platform::WParam VK_SHIFT = 0x10;
constexpr platform::WParam VK_CONTROL = 0x11;
constexpr platform::WParam VK_MENU = 0x12;
constexpr platform::WParam VK_PAUSE = 0x13;
constexpr platform::WParam VK_CAPITAL = 0x14;
constexpr platform::WParam VK_ESCAPE = 0x1B;
constexpr platform::WParam VK_SPACE = 0x20;
constexpr platform::WParam VK_PRIOR = 0x21;
constexpr platform::WParam VK_NEXT = 0x22;
constexpr platform::WParam VK_END = 0x23;
constexpr platform::WParam VK_HOME = 0x24;
constexpr platform::WParam VK_LEFT = 0x25;
constexpr platform::WParam VK_UP = 0x26;
constexpr platform::WParam VK_RIGHT = 0x27;
constexpr platform::WParam VK_DOWN = 0x28;
constexpr platform::WParam VK_INSERT = 0x2D;
constexpr platform::WParam VK_DELETE = 0x2E;
constexpr platform::WParam VK_NUMPAD0 = 0x60;
constexpr platform::WParam VK_MULTIPLY = 0x6A;
constexpr platform::WParam VK_ADD = 0x6B;
constexpr platform::WParam VK_SUBTRACT = 0x6D;
constexpr platform::WParam VK_DECIMAL = 0x6E;
constexpr platform::WParam VK_DIVIDE = 0x6F;
constexpr platform::WParam VK_F1 = 0x70;
