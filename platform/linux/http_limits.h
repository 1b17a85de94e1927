// Limits of fetching http(s) addresses with libcurl, each with the reason for its value.
#pragma once

namespace platform::pictures {

// http: a viewer must not hang at start-up on an address that does not answer.
constexpr long kConnectTimeoutSeconds = 3; // a reachable server connects in well under a second
constexpr long kTotalTimeoutSeconds = 10;  // the whole transfer, redirects included
constexpr long kStallTimeoutSeconds = 3;   // a server that sends nothing for this long is given up
constexpr long kMaxRedirects = 3;          // ordinary address moves need one or two
} // namespace platform::pictures
