#include "platform/common/http_address.h"

#include <cctype>

namespace platform::pictures {
namespace {

bool StartsWithNoCase(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++text, ++prefix) {
        if (std::tolower(static_cast<unsigned char>(*text)) != *prefix) {
            return false;
        }
    }
    return true;
}

} // namespace

bool IsHttpAddress(const char* text) {
    return text != nullptr &&
           (StartsWithNoCase(text, "http://") || StartsWithNoCase(text, "https://"));
}

} // namespace platform::pictures
