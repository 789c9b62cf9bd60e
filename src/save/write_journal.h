#pragma once
// The image as a save writes it: before each write the bytes it is about to replace are read and
// kept, so that a save that cannot complete can put the image back as it was before the save.

#include <cstdint>
#include <utility>
#include <vector>

#include "rom/rom_image.h"

namespace quarven::save {

class WriteJournal : public RomImage {
 public:
  explicit WriteJournal(RomImage& image) : image_(image) {}

  std::size_t size() const override { return image_.size(); }
  bool read(std::uint32_t offset, std::span<std::uint8_t> out) override { return image_.read(offset, out); }
  // Keeps the bytes of the range first; false, without writing, when they cannot be read.
  bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override;
  bool reserve(std::uint32_t offset, std::size_t count) override { return image_.reserve(offset, count); }

  // Writes the kept bytes back, the latest write first, and forgets them. True when every range
  // holds its kept bytes again (also when nothing was written).
  bool restore();

 private:
  RomImage& image_;
  std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> kept_;
};

}  // namespace quarven::save
