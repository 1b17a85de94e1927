#include "platform/system.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
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

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    long long product = static_cast<long long>(number) * numerator;
    long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    bool negative = (product < 0) != (denominator < 0);
    long long magnitude =
        (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
    long long result = negative ? -magnitude : magnitude;
    if (result > INT_MAX || result < INT_MIN) {
        return -1;
    }
    return static_cast<int>(result);
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
