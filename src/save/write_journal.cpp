#include "save/write_journal.h"

namespace quarven::save {

namespace {
// A range is put back when it holds its kept bytes again. A write that was refused outright (past
// a file-size limit, say) changed nothing there, and writing the bytes back is refused the same way.
bool putBack(RomImage& image, std::uint32_t offset, const std::vector<std::uint8_t>& kept) {
  if (image.write(offset, kept)) return true;
  std::vector<std::uint8_t> now(kept.size());
  return image.read(offset, now) && now == kept;
}
}  // namespace

bool WriteJournal::write(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> before(bytes.size());
  if (!image_.read(offset, before)) return false;
  // Kept before the write: a write that fails may still have changed some of its bytes.
  kept_.emplace_back(offset, std::move(before));
  return image_.write(offset, bytes);
}

bool WriteJournal::restore() {
  bool restored = true;
  for (auto it = kept_.rbegin(); it != kept_.rend(); ++it)
    restored = putBack(image_, it->first, it->second) && restored;
  kept_.clear();
  return restored;
}

}  // namespace quarven::save
