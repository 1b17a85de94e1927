// http(s) addresses through libcurl, into memory.
#include "platform/common/picture_limits.h"
#include "platform/linux/http_limits.h"
#include "platform/linux/picture_sources.h"

#include <curl/curl.h>

#include <memory>

namespace platform::pictures {
namespace {

constexpr const char* kAllowedProtocols = "http,https";

struct Download {
    std::vector<std::uint8_t>* bytes;
    bool overCap = false;
};

std::size_t KeepBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* download = static_cast<Download*>(user);
    std::size_t length = size * count;
    if (length > kMaxEncodedBytes - download->bytes->size()) {
        download->overCap = true;
        return 0; // anything other than `length` ends the transfer
    }
    download->bytes->insert(download->bytes->end(), data, data + length);
    return length;
}

struct EasyCleanup {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

} // namespace

bool FetchHttp(const char* address, std::vector<std::uint8_t>& bytes) {
    std::unique_ptr<CURL, EasyCleanup> curl(curl_easy_init());
    if (!curl) {
        return false;
    }
    bytes.clear();
    Download download{&bytes};
    CURL* handle = curl.get();
    bool configured =
        curl_easy_setopt(handle, CURLOPT_URL, address) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, kAllowedProtocols) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, kAllowedProtocols) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_TIMEOUT, kTotalTimeoutSeconds) == CURLE_OK &&
        // Less than one byte a second for the stall time: the server has stopped answering.
        curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kStallTimeoutSeconds) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(kMaxEncodedBytes)) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L) == CURLE_OK &&
        // The viewer is single-threaded; signals must not interrupt it for name lookups.
        curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, KeepBody) == CURLE_OK &&
        curl_easy_setopt(handle, CURLOPT_WRITEDATA, &download) == CURLE_OK;
    if (!configured) {
        return false;
    }
    bool fetched = curl_easy_perform(handle) == CURLE_OK && !download.overCap && !bytes.empty();
    if (!fetched) {
        bytes.clear();
        bytes.shrink_to_fit();
    }
    return fetched;
}

} // namespace platform::pictures
