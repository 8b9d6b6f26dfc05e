#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sonara::testing {

// A fresh folder below the system's temporary folder, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // path() / name as a string, the form the program's paths take.
    std::string file(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

std::vector<uint8_t> readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);
void writeText(const std::filesystem::path& file, const std::string& text);
std::string readText(const std::filesystem::path& file);

}  // namespace sonara::testing
