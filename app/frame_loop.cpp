#include "app/frame_loop.h"

#include "platform/window.h"
#include "scene/scene_render.h"

int RunFrameLoop(platform::Window* window, platform::Message& record) {
    for (;;) {
        // An empty queue leaves the record as it was: the last message is dispatched again.
        platform::PeekWindowMessage(record, window);
        if (record.message == WM_QUIT) {
            break;
        }
        RenderFrame();
        platform::TranslateWindowMessage(record);
        platform::DispatchWindowMessage(record);
    }
    return static_cast<int>(record.wParam);
}
