// The main window's procedure: what each message does.
#pragma once

#include "platform/platform.h"

platform::LResult PLATFORM_CALLBACK MainWindowProc(platform::Window* window, std::uint32_t message,
                                                   platform::WParam wParam,
                                                   platform::LParam lParam);
