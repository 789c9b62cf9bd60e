#pragma once
// Keeps every write made through it, in order, with its bytes. A log that passes its writes on
// notes what a save has written (or tried to); one that does not lays a save's writes out before
// any reaches the image. Reads go to the image.

#include <cstdint>
#include <vector>

#include "rom/rom_image.h"

namespace quarven::save {

struct LoggedWrite {
  std::uint32_t offset = 0;
  std::vector<std::uint8_t> bytes;
};

class WriteLog : public RomImage {
 public:
  enum class Mode { PassOn, LayOutOnly };
  WriteLog(RomImage& image, Mode mode) : image_(image), mode_(mode) {}

  std::size_t size() const override { return image_.size(); }
  bool read(std::uint32_t offset, std::span<std::uint8_t> out) override { return image_.read(offset, out); }
  // Noted first, so a write that fails is in the log too.
  bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override {
    writes_.push_back({offset, {bytes.begin(), bytes.end()}});
    return mode_ == Mode::LayOutOnly || image_.write(offset, bytes);
  }
  bool reserve(std::uint32_t offset, std::size_t count) override { return image_.reserve(offset, count); }

  const std::vector<LoggedWrite>& writes() const { return writes_; }

 private:
  RomImage& image_;
  Mode mode_;
  std::vector<LoggedWrite> writes_;
};

}  // namespace quarven::save
