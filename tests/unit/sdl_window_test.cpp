// The SDL window on SDL's off-screen video driver: what reaches the queue around showing.
#include "platform/window.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

std::vector<std::uint32_t> procedureMessages;

platform::LResult RecordingProcedure(platform::Window*, std::uint32_t message, platform::WParam,
                                     platform::LParam) {
    procedureMessages.push_back(message);
    return 0;
}

std::vector<std::uint32_t> QueuedMessages() {
    std::vector<std::uint32_t> queued;
    platform::Message record{};
    while (platform::PeekWindowMessage(record, nullptr)) {
        queued.push_back(record.message);
    }
    return queued;
}

// Events that arrive between creation and the end of ShowMainWindow, as a window manager's
// close request or a keystroke can when the window has just appeared.
TEST(SdlWindow, EventsArrivingWhileTheWindowIsShownStayQueued) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    platform::Window* window = platform::CreateMainWindow(
        {nullptr, "MyClass", "Tessilor", 0, 0, 600, 420, RecordingProcedure});
    ASSERT_NE(window, nullptr) << SDL_GetError();
    ASSERT_EQ(procedureMessages, std::vector<std::uint32_t>{WM_CREATE});

    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_DOWN;
    SDL_PushEvent(&key);
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&close);
    SDL_Event exposed{};
    exposed.type = SDL_WINDOWEVENT;
    exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
    SDL_PushEvent(&exposed);
    platform::ShowMainWindow(window);

    // Showing sizes and paints the window once, itself; the paint reported before that is
    // superseded, the key and the close request are not.
    EXPECT_EQ(procedureMessages, (std::vector<std::uint32_t>{WM_CREATE, WM_SIZE, WM_PAINT}));
    EXPECT_EQ(QueuedMessages(), (std::vector<std::uint32_t>{WM_KEYDOWN, WM_CLOSE}));
}

} // namespace
