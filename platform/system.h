// Base services of the operating system.
#pragma once

#include <cstddef>

namespace platform {

// The path separator of this platform, between a directory and a name.
extern const char kPathSeparator;

// Copies the current directory into `buffer` (at most size - 1 characters and a terminator) and
// returns its length, or 0 when it does not fit or cannot be read.
std::size_t GetCurrentDirectoryText(char* buffer, std::size_t size);

// Writes one line to the debugger output.
void OutputDebugLine(const char* text);

// number * numerator / denominator in 64 bits, rounded half away from zero; -1 when the
// denominator is 0 or the result does not fit in an int.
int MulDiv(int number, int numerator, int denominator);

// The screen's logical resolution in dots per inch.
int LogicalDpiX();
int LogicalDpiY();

} // namespace platform
