// Where encoded pictures come from: local files and http(s) addresses, read whole into memory.
#pragma once

#include <cstdint>
#include <vector>

namespace platform::pictures {

// Reads a regular file of at most kMaxEncodedBytes; anything else (a directory, a FIFO, a
// device) fails at once without waiting on it.
bool ReadLocalFile(const char* path, std::vector<std::uint8_t>& bytes);

// Fetches an http(s) address within the connect, stall and total timeouts, at most
// kMaxRedirects redirects (to http or https only) and kMaxEncodedBytes of body. Error statuses
// fail.
bool FetchHttp(const char* address, std::vector<std::uint8_t>& bytes);

} // namespace platform::pictures
