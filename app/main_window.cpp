#include "app/main_window.h"

#include "scene/scene_render.h"
#include "scene/scene_state.h"
#include "textures/picture_set.h"

#include <GL/gl.h>

namespace {

// The drawing surface the window asks for: double-buffered RGBA of 32 colour bits, a depth
// buffer of 16 bits.
constexpr platform::PixelFormat kPixelFormat = {true, 32, 16};

// Current from WM_CREATE until WM_CLOSE.
platform::GlContext* renderingContext = nullptr;

void StartUp(platform::Window* window) {
    renderingContext = platform::CreateGlContext(window, kPixelFormat);
    platform::MakeGlContextCurrent(window, renderingContext);
    const GLubyte* version = glGetString(GL_VERSION);
    platform::OutputDebugLine(reinterpret_cast<const char*>(version));
    LoadPictureSet(); // with the context current
}

void Close(platform::Window* window) {
    ReleasePictureSet(); // while the context is still current
    platform::MakeGlContextCurrent(window, nullptr);
    platform::DeleteGlContext(renderingContext);
    renderingContext = nullptr; // a second close request finds nothing to delete
    platform::PostQuit(0);
}

} // namespace

platform::LResult PLATFORM_CALLBACK MainWindowProc(platform::Window* window, std::uint32_t message,
                                                   platform::WParam wParam,
                                                   platform::LParam lParam) {
    switch (message) {
    case WM_CREATE:
        StartUp(window);
        return 0;
    case WM_SIZE:
        ResizeView(platform::LowWord(lParam), platform::HighWord(lParam));
        return 0;
    case WM_CLOSE:
        Close(window); // the window itself stays until the process ends
        return 0;
    case WM_KEYDOWN:
        HandleBrowseInput({BrowseInput::Type::KeyDown, wParam});
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
        return 0;
    case WM_RBUTTONDOWN:
        HandleBrowseInput({BrowseInput::Type::RightButtonDown, 0});
        return 0;
    default:
        return platform::DefaultWindowProc(window, message, wParam, lParam);
    }
}
