#include "save/write_journal.h"

namespace quarven::save {

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
    restored = image_.write(it->first, it->second) && restored;
  kept_.clear();
  return restored;
}

}  // namespace quarven::save
