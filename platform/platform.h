// Everything the code above the platform layer may ask of the operating system.
#pragma once

#include "platform/entry.h"
#include "platform/gl_context.h"
#include "platform/messages.h"
#include "platform/system.h"
#include "platform/window.h"
