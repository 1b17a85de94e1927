// The contract between a backend's process entry and the application: the backend's own entry
// point sets the platform up and calls WinMain, whose result is the exit code.
#pragma once

namespace platform {
struct Instance; // the running program, as the backend knows it
}

int WinMain(platform::Instance* instance, platform::Instance* previousInstance, char* commandLine,
            int showCommand);
