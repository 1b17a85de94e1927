// Feeds arbitrary bytes to the TGA decoder, as LoadTga would read them from a file. Built with
// libFuzzer this is a fuzz target; built with TESSILOR_FUZZ_REPLAY it is a plain program that
// runs every file in the folders (or the files) named on its command line once.
#include "textures/tga_decode.h"

#include <cstdint>
#include <cstdio>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kTgaHeaderBytes) {
        return 0; // LoadTga stops at the header read
    }
    // fmemopen gives the decoder the same buffered FILE* calls, seeks included, as a real file.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fmemopen(const_cast<std::uint8_t*>(data), size, "rb"), std::fclose);
    unsigned char headerBytes[kTgaHeaderBytes];
    if (!file || std::fread(headerBytes, 1, kTgaHeaderBytes, file.get()) != kTgaHeaderBytes) {
        return 0;
    }
    ReadTgaPixels(file.get(), ParseTgaHeader(headerBytes)); // refuses what it does not support
    return 0;
}

#ifdef TESSILOR_FUZZ_REPLAY

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

bool Replay(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> inputs;
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
            std::sort(inputs.begin(), inputs.end());
        } else {
            inputs.push_back(argv[i]);
        }
        for (const auto& input : inputs) {
            if (!Replay(input)) {
                return 1;
            }
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1; // an empty corpus means a wrong path, not a pass
}

#endif
