#include "app/frame_loop.h"
#include "app/main_window.h"

namespace {
constexpr int kClientWidth = 600;
constexpr int kClientHeight = 420;
} // namespace

int PLATFORM_ENTRY WinMain(platform::InstanceHandle instance, platform::InstanceHandle, char*,
                           int) {
    platform::WindowDescription description{};
    description.instance = instance;
    description.className = "MyClass"; // what window managers and scripts match on: keep it
    description.title = "Tessilor";
    description.clientWidth = kClientWidth;
    description.clientHeight = kClientHeight;
    description.procedure = MainWindowProc;
    // WM_CREATE runs inside: the context is current when this returns.
    platform::Window* window = platform::CreateMainWindow(description);
    if (window == nullptr) {
        return 0;
    }
    platform::ShowMainWindow(window); // sizes the view before the first frame
    platform::Message record{};
    return RunFrameLoop(window, record);
}
