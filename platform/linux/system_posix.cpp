#include "platform/system.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace platform {

const char kPathSeparator = '/';

std::size_t GetCurrentDirectoryText(char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    if (getcwd(buffer, size) == nullptr) {
        buffer[0] = '\0';
        return 0;
    }
    return std::strlen(buffer);
}

// Standard error stands in for the debugger: one line per call, flushed at once so that a
// watcher sees lines in the order they were written.
void OutputDebugLine(const char* text) {
    std::fprintf(stderr, "%s\n", text != nullptr ? text : "");
    std::fflush(stderr);
}

// X11 and Wayland report physical sizes unreliably; pictures are sized at the conventional
// logical resolution, so a pixel size survives the round trip through HIMETRIC unchanged.
int LogicalDpiX() {
    return 96;
}
int LogicalDpiY() {
    return 96;
}

} // namespace platform
