// Telling an http(s) address from a local path.
#pragma once

namespace platform::pictures {

// True for an address that starts with http:// or https:// (in any letter case).
bool IsHttpAddress(const char* text);

} // namespace platform::pictures
