#pragma once
// The image as a save writes it: before each write the bytes it is about to replace are kept, so
// that a save that cannot complete can put the image back as it was before the save.

#include <cstdint>
#include <vector>

#include "rom/rom_image.h"
#include "save/write_log.h"

namespace quarven::save {

class WriteJournal : public RomImage {
 public:
  // `readBefore`: the image's bytes under writes still to come, read just before (by the comparison
  // with what the editor knows), so that they are not read twice. A write whose range one of them
  // matches, and that no earlier write of the journal overlaps, keeps those bytes.
  explicit WriteJournal(RomImage& image, std::vector<LoggedWrite> readBefore = {})
      : image_(image), readBefore_(std::move(readBefore)) {}

  std::size_t size() const override { return image_.size(); }
  bool read(std::uint32_t offset, std::span<std::uint8_t> out) override { return image_.read(offset, out); }
  // Keeps the bytes of the range first; false, without writing, when they cannot be read.
  bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override;
  bool reserve(std::uint32_t offset, std::size_t count) override { return image_.reserve(offset, count); }

  // Writes the kept bytes back, the latest write first, and forgets them. True when every range
  // holds its kept bytes again (also when nothing was written).
  bool restore();

  struct Entry {
    std::uint32_t offset = 0;
    std::vector<std::uint8_t> before;  // what the range held before the write
    std::vector<std::uint8_t> tried;   // what the write tried to put there
  };
  // After restore: the writes whose range could not be put back.
  const std::vector<Entry>& notPutBack() const { return notPutBack_; }

 private:
  bool takeReadBefore(std::uint32_t offset, std::size_t count, std::vector<std::uint8_t>& out);

  RomImage& image_;
  std::vector<LoggedWrite> readBefore_;
  std::vector<Entry> kept_;
  std::vector<Entry> notPutBack_;
};

}  // namespace quarven::save
