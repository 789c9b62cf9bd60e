#pragma once
// A ROM image file in a fresh temporary folder, removed with the object.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quarven::testing {

class SyntheticRom;

class TempRomFile {
 public:
  explicit TempRomFile(const SyntheticRom& rom);
  explicit TempRomFile(const std::vector<std::uint8_t>& bytes);
  ~TempRomFile();
  TempRomFile(const TempRomFile&) = delete;
  TempRomFile& operator=(const TempRomFile&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string pathText() const { return path_.string(); }
  // The file's bytes as they are now (after an operation wrote to it).
  std::vector<std::uint8_t> contents() const;

 private:
  TempRomFile();
  std::filesystem::path folder_;
  std::filesystem::path path_;
};

}  // namespace quarven::testing
