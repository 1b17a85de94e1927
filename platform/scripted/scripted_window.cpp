#include "platform/scripted/scripted_platform.h"

#include "platform/common/message_queue.h"
#include "platform/gl_context.h"
#include "platform/window.h"

#include <cstdio>
#include <deque>

namespace platform {
struct GlContext {};
} // namespace platform

namespace scripted {

namespace {

struct ScriptedMessage {
    std::uint32_t message;
    platform::WParam wParam;
    platform::LParam lParam;
    int afterPresents;
};

// The one window: only its address is ever used, as the handle the messages carry.
int windowToken;
platform::Window* const theWindow = reinterpret_cast<platform::Window*>(&windowToken);

std::deque<ScriptedMessage> script;
platform::MessageQueue queue;
platform::WindowProc procedure = nullptr;
int clientWidth = 0;
int clientHeight = 0;
std::vector<std::string> callLog;
int presentsBeforeQuit = 0;
int quitCodeAfterPresents = 0;
int presents = 0;
platform::GlContext theContext;

std::string Hex(std::uint32_t message) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(message));
    return text;
}

// Scripted messages whose time has come join the queue, behind what the program posted.
void ReleaseDueMessages() {
    while (!script.empty() && presents >= script.front().afterPresents) {
        const ScriptedMessage& due = script.front();
        queue.Post(platform::MakeMessage(theWindow, due.message, due.wParam, due.lParam));
        script.pop_front();
    }
}

} // namespace

void QueueMessage(std::uint32_t message, platform::WParam wParam, platform::LParam lParam,
                  int afterPresents) {
    script.push_back({message, wParam, lParam, afterPresents});
}

int Presents() {
    return presents;
}

std::vector<std::string>& CallLog() {
    return callLog;
}

void Reset() {
    script.clear();
    queue.Clear();
    callLog.clear();
    procedure = nullptr;
    clientWidth = 0;
    clientHeight = 0;
    presentsBeforeQuit = 0;
    presents = 0;
}

void QuitAfterPresents(int count, int exitCode) {
    presentsBeforeQuit = count;
    quitCodeAfterPresents = exitCode;
}

} // namespace scripted

namespace platform {

using namespace scripted;

Window* CreateMainWindow(const WindowDescription& description) {
    callLog.push_back("create-window");
    procedure = description.procedure;
    clientWidth = description.clientWidth;
    clientHeight = description.clientHeight;
    procedure(theWindow, WM_CREATE, 0, 0);
    return theWindow;
}

// As the real backends do: the size first, then a paint, before showing returns.
void ShowMainWindow(Window* window) {
    callLog.push_back("show-window");
    procedure(window, WM_SIZE, SIZE_RESTORED, MakeLParam(clientWidth, clientHeight));
    procedure(window, WM_PAINT, 0, 0);
}

bool PeekWindowMessage(Message& record, Window*) {
    ReleaseDueMessages();
    return queue.Take(record);
}

void TranslateWindowMessage(const Message& record) {
    callLog.push_back("translate " + Hex(record.message));
}

LResult DispatchWindowMessage(const Message& record) {
    callLog.push_back("dispatch " + Hex(record.message));
    if (record.hwnd == nullptr || procedure == nullptr) {
        return 0;
    }
    return procedure(record.hwnd, record.message, record.wParam, record.lParam);
}

LResult DefaultWindowProc(Window*, std::uint32_t, WParam, LParam) {
    return 0;
}

void PostQuit(int exitCode) {
    callLog.push_back("post-quit " + std::to_string(exitCode));
    queue.PostQuit(exitCode);
}

GlContext* CreateGlContext(Window*, const PixelFormat&) {
    callLog.push_back("create-context");
    return &theContext;
}

bool MakeGlContextCurrent(Window*, GlContext* context) {
    callLog.push_back(context != nullptr ? "make-current" : "release-current");
    return true;
}

void DeleteGlContext(GlContext* context) {
    if (context != nullptr) {
        callLog.push_back("delete-context");
    }
}

void PresentFrame() {
    callLog.push_back("present");
    ++presents;
    if (presentsBeforeQuit > 0 && presents == presentsBeforeQuit) {
        PostQuit(quitCodeAfterPresents);
    }
}

} // namespace platform
