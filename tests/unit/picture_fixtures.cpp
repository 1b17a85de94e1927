#include "tests/unit/picture_fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

std::string DataFolder() {
    const char* data = std::getenv("TESSILOR_TEST_DATA");
    return data != nullptr ? data : "tests/data";
}

struct PipeCloser {
    void operator()(std::FILE* pipe) const { pclose(pipe); }
};

} // namespace

std::string PictureFixture(const std::string& name) {
    return DataFolder() + "/pictures/" + name;
}

std::string TestTool(const std::string& name) {
    return DataFolder() + "/../tools/" + name;
}

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessilor-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    }
}

ScratchFolder::~ScratchFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> ReferenceRgb(const std::string& path, int width, int height) {
    std::string command = "/usr/bin/python3 '" + TestTool("reference_rgba.py") + "' '" + path +
                          "' " + std::to_string(width) + " " + std::to_string(height);
    std::unique_ptr<std::FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    if (!pipe || std::fread(pixels.data(), 1, pixels.size(), pipe.get()) != pixels.size()) {
        return {};
    }
    return pixels;
}
