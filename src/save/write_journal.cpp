#include "save/write_journal.h"

#include <algorithm>

namespace quarven::save {

namespace {
// A range is put back when it holds its kept bytes again. A write that was refused outright (past
// a file-size limit, say) changed nothing there, and writing the bytes back is refused the same way.
bool putBack(RomImage& image, std::uint32_t offset, const std::vector<std::uint8_t>& kept) {
  if (image.write(offset, kept)) return true;
  std::vector<std::uint8_t> now(kept.size());
  return image.read(offset, now) && now == kept;
}

bool overlaps(std::uint32_t offset, std::size_t count, const WriteJournal::Entry& entry) {
  return offset < entry.offset + entry.before.size() && entry.offset < offset + count;
}
}  // namespace

bool WriteJournal::takeReadBefore(std::uint32_t offset, std::size_t count, std::vector<std::uint8_t>& out) {
  const auto match = std::find_if(readBefore_.begin(), readBefore_.end(), [&](const LoggedWrite& w) {
    return w.offset == offset && w.bytes.size() == count;
  });
  if (match == readBefore_.end() ||
      std::any_of(kept_.begin(), kept_.end(), [&](const Entry& e) { return overlaps(offset, count, e); }))
    return false;
  out = std::move(match->bytes);
  readBefore_.erase(match);
  return true;
}

bool WriteJournal::write(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  Entry entry{offset, {}, {bytes.begin(), bytes.end()}};
  if (!takeReadBefore(offset, bytes.size(), entry.before)) {
    entry.before.resize(bytes.size());
    if (!image_.read(offset, entry.before)) return false;
  }
  // Kept before the write: a write that fails may still have changed some of its bytes.
  kept_.push_back(std::move(entry));
  return image_.write(offset, bytes);
}

bool WriteJournal::restore() {
  notPutBack_.clear();
  for (auto it = kept_.rbegin(); it != kept_.rend(); ++it)
    if (!putBack(image_, it->offset, it->before)) notPutBack_.push_back(std::move(*it));
  kept_.clear();
  return notPutBack_.empty();
}

}  // namespace quarven::save
