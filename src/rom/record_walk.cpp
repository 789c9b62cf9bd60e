#include "rom/record_walk.h"

#include <algorithm>

#include "rom/codecs.h"

namespace quarven {

namespace {

// Span of a record from the low byte L of its length word: 1 for L = 1, L + 2 for L = 2 to 29,
// 0 for the bytes that are no record length (0 and 30 to 255).
int recordSpan(std::uint8_t lengthByte) {
  if (lengthByte == 1) return 1;
  if (lengthByte >= 2 && lengthByte <= 29) return lengthByte + 2;
  return 0;
}

}  // namespace

RecordWalk walkRecords(std::span<const std::uint8_t> area, int playerCount) {
  RecordWalk walk;
  const std::size_t size = std::min(area.size(), kMaxRecordArea);
  std::size_t off = 0;
  for (int row = 0; row < playerCount; ++row) {
    walk.stoppedRow = row;
    if (off >= size) {
      walk.stop = RecordWalk::Stop::LeavesArea;
      return walk;
    }
    walk.stoppedLength = area[off];
    const int span = recordSpan(area[off]);
    if (span == 0) {
      walk.stop = RecordWalk::Stop::BadLengthByte;
      return walk;
    }
    // Name letters at off + 2 to off + span - 3; the number byte right after them, or at off + 2
    // when the span leaves no room for a name; the carried bytes follow the number.
    const std::size_t numberAt = span >= 5 ? off + span - 2 : off + 2;
    if (numberAt + layout::kCarriedBytes >= size) {
      walk.stop = RecordWalk::Stop::LeavesArea;
      return walk;
    }
    PlayerRecord record;
    for (std::size_t i = off + 2; i < numberAt; ++i) {
      record.name += codec::decodePlayerLetter(area[i]);
      record.nameBytes.push_back(area[i]);
    }
    record.number = area[numberAt];
    std::copy_n(area.begin() + static_cast<std::ptrdiff_t>(numberAt) + 1, layout::kCarriedBytes,
                record.carried.begin());
    walk.rows.push_back(std::move(record));
    off += static_cast<std::size_t>(span) + 6;
  }
  walk.stoppedRow = -1;
  walk.stoppedLength = 0;
  return walk;
}

}  // namespace quarven
