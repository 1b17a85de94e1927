#include "app/frame_loop.h"
#include "app/main_window.h"

namespace {
constexpr int kClientWidth = 600;
constexpr int kClientHeight = 420;
} // namespace

int WinMain(platform::Instance*, platform::Instance*, char*, int) {
    const platform::WindowDescription description = {
        "MyClass", "Tessilor", 0, 0, kClientWidth, kClientHeight, MainWindowProc,
    };
    // WM_CREATE runs inside: the context is current when this returns.
    platform::Window* window = platform::CreateMainWindow(description);
    if (window == nullptr) {
        return 0;
    }
    platform::ShowMainWindow(window); // sizes the view before the first frame
    platform::Message record{};
    return RunFrameLoop(record);
}
