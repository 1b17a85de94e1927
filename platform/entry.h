// The contract between a backend's process entry and the application: the program's entry is
// WinMain, whose result is the exit code. On Windows it is the real one, declared by
// <windows.h> and called by the C run-time; elsewhere the backend's main calls it.
#pragma once

#if defined(_WIN32)

#include <windows.h>

namespace platform {
using InstanceHandle = HINSTANCE;
}

#define PLATFORM_ENTRY WINAPI

#else

namespace platform {
struct Instance; // the running program, as the backend knows it
using InstanceHandle = Instance*;
} // namespace platform

#define PLATFORM_ENTRY

int WinMain(platform::InstanceHandle instance, platform::InstanceHandle previousInstance,
            char* commandLine, int showCommand);

#endif
