#include "platform/scripted/scripted_platform.h"

#include "platform/gl_context.h"
#include "platform/window.h"

#include <cstdio>
#include <deque>

namespace platform {
struct Window {
    WindowProc procedure;
};
struct GlContext {};
} // namespace platform

namespace scripted {

namespace {

struct ScriptedMessage {
    platform::Message message;
    int afterPresents;
};

std::deque<ScriptedMessage> script;
std::vector<std::string> callLog;
platform::Window theWindow{nullptr};
bool quitPosted = false;
int quitCode = 0;
int presentsBeforeQuit = 0;
int quitCodeAfterPresents = 0;
int presents = 0;
platform::GlContext theContext;

std::string Hex(std::uint32_t message) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", message);
    return text;
}

} // namespace

void QueueMessage(std::uint32_t message, platform::WParam wParam, platform::LParam lParam,
                  int afterPresents) {
    script.push_back({{&theWindow, message, wParam, lParam}, afterPresents});
}

int Presents() {
    return presents;
}

std::vector<std::string>& CallLog() {
    return callLog;
}

void Reset() {
    script.clear();
    callLog.clear();
    theWindow = {nullptr};
    quitPosted = false;
    quitCode = 0;
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
    theWindow.procedure = description.procedure;
    description.procedure(&theWindow, WM_CREATE, 0, 0);
    return &theWindow;
}

void ShowMainWindow(Window* window) {
    callLog.push_back("show-window");
    window->procedure(window, WM_SIZE, SIZE_RESTORED, MakeLParam(600, 420));
}

bool PeekWindowMessage(Message& record) {
    if (!script.empty() && presents >= script.front().afterPresents) {
        record = script.front().message;
        script.pop_front();
        return true;
    }
    if (quitPosted) {
        quitPosted = false;
        record = {nullptr, WM_QUIT, static_cast<WParam>(quitCode), 0};
        return true;
    }
    return false;
}

void TranslateWindowMessage(const Message& record) {
    callLog.push_back("translate " + Hex(record.message));
}

LResult DispatchWindowMessage(const Message& record) {
    callLog.push_back("dispatch " + Hex(record.message));
    if (record.window == nullptr || record.window->procedure == nullptr) {
        return 0;
    }
    return record.window->procedure(record.window, record.message, record.wParam, record.lParam);
}

LResult DefaultWindowProc(Window*, std::uint32_t, WParam, LParam) {
    return 0;
}

void PostQuit(int exitCode) {
    callLog.push_back("post-quit " + std::to_string(exitCode));
    quitPosted = true;
    quitCode = exitCode;
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
