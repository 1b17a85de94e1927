// The window-event vocabulary the shell speaks: message records with Windows' message and
// virtual-key codes, whatever backend delivers them. On Windows these are Windows' own types and
// codes; elsewhere this header defines the same names with the same values.
#pragma once

#include "platform/message_codes.h"

#include <cstdint>

#if defined(_WIN32)

#include <windows.h>

namespace platform {

using Window = HWND__; // a Window* is an HWND
using WParam = WPARAM;
using LParam = LPARAM;
using LResult = LRESULT;
using Message = MSG;
using WindowProc = WNDPROC;

} // namespace platform

// The calling convention of a window procedure.
#define PLATFORM_CALLBACK CALLBACK

#define PLATFORM_CHECK_CODE(name, value) static_assert((name) == (value), #name);
PLATFORM_MESSAGE_CODES(PLATFORM_CHECK_CODE)
PLATFORM_WPARAM_CODES(PLATFORM_CHECK_CODE)
#undef PLATFORM_CHECK_CODE

#else

namespace platform {

struct Window;

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// One queued window event, with the fields of Windows' MSG that the program reads. A zeroed
// record is WM_NULL for no window.
struct Message {
    Window* hwnd = nullptr;
    std::uint32_t message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
};

using WindowProc = LResult (*)(Window* window, std::uint32_t message, WParam wParam, LParam lParam);

} // namespace platform

#define PLATFORM_CALLBACK

#define PLATFORM_DEFINE_MESSAGE(name, value) constexpr std::uint32_t name = value;
#define PLATFORM_DEFINE_WPARAM(name, value) constexpr platform::WParam name = value;
PLATFORM_MESSAGE_CODES(PLATFORM_DEFINE_MESSAGE)
PLATFORM_WPARAM_CODES(PLATFORM_DEFINE_WPARAM)
#undef PLATFORM_DEFINE_MESSAGE
#undef PLATFORM_DEFINE_WPARAM

#endif

namespace platform {

inline Message MakeMessage(Window* window, std::uint32_t message, WParam wParam = 0,
                           LParam lParam = 0) {
    Message record{};
    record.hwnd = window;
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;
    return record;
}

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
