// Shared by the picture tests: fixture paths, a scratch folder, and PIL's decoding of a picture
// as the reference the textures are compared with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The path of tests/data/pictures/NAME.
std::string PictureFixture(const std::string& name);

// The tests' helper scripts under tests/tools/.
std::string TestTool(const std::string& name);

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadFile(const std::string& path);

// PIL's picture at width x height as R G B bytes, top row first (see reference_rgba.py);
// empty when PIL fails.
std::vector<std::uint8_t> ReferenceRgb(const std::string& path, int width, int height);
