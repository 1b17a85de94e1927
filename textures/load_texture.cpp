// From a picture's name to its full path and the decoder its extension chooses.
#include "textures/texture_loader.h"

#include "platform/system.h"

#include <cstring>
#include <string>
#include <strings.h>

namespace {

// The longest full path a picture may have, in characters, as the picture service takes them.
constexpr std::size_t kMaxFullPath = 259;

struct ExtensionKind {
    const char* extension;
    ImageKind kind;
};

constexpr ExtensionKind kExtensionKinds[] = {
    {"bmp", kImageBitmap},   {"jpg", kImageJpeg}, {"jpeg", kImageJpeg},
    {"gif", kImageGif},      {"ico", kImageIcon}, {"emf", kImageEnhancedMetafile},
    {"wmf", kImageMetafile},
};

// Everything after the name's last ".", or "" when it has none.
const char* ExtensionOf(const char* name) {
    const char* dot = std::strrchr(name, '.');
    return dot != nullptr ? dot + 1 : "";
}

ImageKind KindOfExtension(const char* extension) {
    for (const ExtensionKind& entry : kExtensionKinds) {
        if (strcasecmp(extension, entry.extension) == 0) {
            return entry.kind;
        }
    }
    return kImageOther;
}

// An http address stands as it is; any other name is taken from the current directory. False
// when the current directory cannot be read or the full path is too long.
bool FullPathOf(const char* name, std::string& fullPath) {
    if (std::strstr(name, "http://") != nullptr) {
        fullPath = name;
    } else {
        char directory[kMaxFullPath + 1] = {};
        if (platform::GetCurrentDirectoryText(directory, sizeof directory) == 0) {
            return false; // rather than look for the picture somewhere else
        }
        fullPath = directory;
        fullPath += platform::kPathSeparator;
        fullPath += name;
    }
    return fullPath.size() <= kMaxFullPath;
}

} // namespace

bool TextureLoader::LoadTexture(const char* name, TextureRecord& record) {
    std::string fullPath;
    if (!FullPathOf(name, fullPath)) {
        return false;
    }
    const char* extension = ExtensionOf(name);
    if (strcasecmp(extension, "tga") == 0) {
        return LoadTga(fullPath.c_str(), record);
    }
    // The kind records what the name announces, whether or not the picture then loads.
    record.kind = KindOfExtension(extension);
    return LoadPicture(fullPath.c_str(), record);
}
