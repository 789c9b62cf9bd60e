#include "temp_rom_file.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "synthetic_rom.h"

namespace quarven::testing {

namespace {
std::filesystem::path freshFolder() {
  static std::atomic<int> counter{0};
  const auto folder = std::filesystem::temp_directory_path() /
                      ("quarven-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(folder);
  return folder;
}
}  // namespace

TempRomFile::TempRomFile(const SyntheticRom& rom) : TempRomFile(rom.bytes()) {}

TempRomFile::TempRomFile() : folder_(freshFolder()), path_(folder_ / "quarven.smc") {}

// Delegates, so the folder goes with the object also when writing throws.
TempRomFile::TempRomFile(const std::vector<std::uint8_t>& bytes) : TempRomFile() {
  std::ofstream out(path_, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path_.string());
}

TempRomFile::~TempRomFile() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::vector<std::uint8_t> TempRomFile::contents() const {
  std::ifstream in(path_, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quarven::testing
