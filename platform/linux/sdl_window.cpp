// The main window on SDL2: SDL's events become message records with Windows' codes.
#include "platform/window.h"

#include "platform/common/message_queue.h"
#include "platform/linux/sdl_key_codes.h"
#include "platform/linux/sdl_window.h"

#include <SDL2/SDL.h>

#include <cstdlib>

namespace platform {

namespace {

// SDL's own queue is drained into it.
MessageQueue pendingMessages;
Window* mainWindow = nullptr;

LParam KeyLParam(const SDL_KeyboardEvent& key, bool down) {
    // Repeat count 1, the scan code, and bits 30 (previous state down) and 31 (being released).
    std::uint32_t bits = 1 | ((static_cast<std::uint32_t>(key.keysym.scancode) & 0xFF) << 16);
    if (!down || key.repeat) {
        bits |= 1u << 30;
    }
    if (!down) {
        bits |= 1u << 31;
    }
    return static_cast<LParam>(bits);
}

WParam MouseButtonFlags(std::uint32_t sdlButtons) {
    WParam flags = 0;
    if (sdlButtons & SDL_BUTTON_LMASK) {
        flags |= MK_LBUTTON;
    }
    if (sdlButtons & SDL_BUTTON_RMASK) {
        flags |= MK_RBUTTON;
    }
    if (sdlButtons & SDL_BUTTON_MMASK) {
        flags |= MK_MBUTTON;
    }
    return flags;
}

std::uint32_t ButtonMessage(std::uint8_t button, bool down) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case SDL_BUTTON_RIGHT:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case SDL_BUTTON_MIDDLE:
        return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default:
        return WM_NULL;
    }
}

Message SizeMessage(Window* window) {
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(window->sdlWindow, &width, &height);
    bool minimized = (SDL_GetWindowFlags(window->sdlWindow) & SDL_WINDOW_MINIMIZED) != 0;
    if (minimized) {
        width = 0;
        height = 0;
    }
    return MakeMessage(window, WM_SIZE, minimized ? SIZE_MINIMIZED : SIZE_RESTORED,
                       MakeLParam(width, height));
}

// The message an SDL event stands for, or WM_NULL for events the window has no message for.
Message Translate(const SDL_Event& event) {
    Window* window = mainWindow;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        bool down = event.type == SDL_KEYDOWN;
        return MakeMessage(window, down ? WM_KEYDOWN : WM_KEYUP,
                           VirtualKeyFromSdl(event.key.keysym.sym), KeyLParam(event.key, down));
    }
    case SDL_MOUSEMOTION:
        return MakeMessage(window, WM_MOUSEMOVE, MouseButtonFlags(event.motion.state),
                           MakeLParam(event.motion.x, event.motion.y));
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        bool down = event.type == SDL_MOUSEBUTTONDOWN;
        std::uint32_t state = SDL_GetMouseState(nullptr, nullptr);
        return MakeMessage(window, ButtonMessage(event.button.button, down),
                           MouseButtonFlags(state), MakeLParam(event.button.x, event.button.y));
    }
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MINIMIZED:
            return SizeMessage(window);
        case SDL_WINDOWEVENT_EXPOSED:
            return MakeMessage(window, WM_PAINT);
        case SDL_WINDOWEVENT_CLOSE:
            return MakeMessage(window, WM_CLOSE);
        default:
            return {};
        }
    case SDL_QUIT: // a signal such as SIGINT or SIGTERM: ask the window to close
        return MakeMessage(window, WM_CLOSE);
    default:
        return {};
    }
}

void DrainSdlEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        Message message = Translate(event);
        if (message.message != WM_NULL && message.hwnd != nullptr) {
            pendingMessages.Post(message);
        }
    }
}

} // namespace

Window* CreateMainWindow(const WindowDescription& description) {
    // The class name names the window to the window manager, as WM_CLASS on X11 and as the
    // app id on Wayland; SDL reads both from the environment when it creates a window.
    setenv("SDL_VIDEO_X11_WMCLASS", description.className, 1);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", description.className, 1);
    SDL_SetHint(SDL_HINT_APP_NAME, description.className);
    // Only the window's close request may end the program, through WM_CLOSE.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return nullptr;
    }
    SDL_StopTextInput(); // characters come from TranslateWindowMessage, as on Windows

    SDL_Window* sdlWindow = SDL_CreateWindow(
        description.title, description.x, description.y, description.clientWidth,
        description.clientHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (sdlWindow == nullptr) {
        SDL_Quit();
        return nullptr;
    }
    // The window lives until the process ends, as the program never destroys it.
    mainWindow = new Window{sdlWindow, description.procedure};
    description.procedure(mainWindow, WM_CREATE, 0, 0);
    return mainWindow;
}

void ShowMainWindow(Window* window) {
    SDL_ShowWindow(window->sdlWindow);
    // SDL reports the mapping as size and paint events; the procedure gets its size and paint
    // now instead, so that the view is set before the first frame. Whatever else arrived
    // meanwhile stays queued: a close request sent as soon as the window appeared must count.
    DrainSdlEvents();
    pendingMessages.Drop(WM_SIZE);
    pendingMessages.Drop(WM_PAINT);
    Message size = SizeMessage(window);
    window->procedure(window, size.message, size.wParam, size.lParam);
    window->procedure(window, WM_PAINT, 0, 0);
}

// There is one window, so every message is the main window's.
bool PeekWindowMessage(Message& record, Window*) {
    DrainSdlEvents();
    return pendingMessages.Take(record);
}

void TranslateWindowMessage(const Message& record) {
    if (record.message != WM_KEYDOWN) {
        return;
    }
    // Letters, digits, space and the editing keys that make characters; the arrows and the
    // navigation keys make none.
    WParam key = record.wParam;
    WParam character = 0;
    if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_RETURN || key == VK_TAB ||
        key == VK_BACK || key == VK_ESCAPE) {
        character = key;
    } else if (key >= 'A' && key <= 'Z') {
        bool shifted = (SDL_GetModState() & (KMOD_SHIFT | KMOD_CAPS)) != 0;
        character = shifted ? key : key - 'A' + 'a';
    }
    if (character != 0) {
        pendingMessages.Post(MakeMessage(record.hwnd, WM_CHAR, character, record.lParam));
    }
}

LResult DispatchWindowMessage(const Message& record) {
    if (record.hwnd == nullptr || record.hwnd->procedure == nullptr) {
        return 0;
    }
    return record.hwnd->procedure(record.hwnd, record.message, record.wParam, record.lParam);
}

LResult DefaultWindowProc(Window*, std::uint32_t, WParam, LParam) {
    return 0;
}

void PostQuit(int exitCode) {
    pendingMessages.PostQuit(exitCode);
}

} // namespace platform
