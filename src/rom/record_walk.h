#pragma once
// The walk over a team's player records, as read into memory from F. Each record's length byte
// gives its span; the walk stops at a length byte it cannot use or at a record that would leave
// the record area, so it never reads outside what was read from the image.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "rom/rom_layout.h"

namespace quarven {

// Record offsets the walk may use: 0 to 600.
inline constexpr std::size_t kMaxRecordArea = 601;

struct PlayerRecord {
  std::string name;                     // decoded; bytes outside the player-name set as hex text
  std::vector<std::uint8_t> nameBytes;  // the letters as stored
  std::uint8_t number = 0;
  std::array<std::uint8_t, layout::kCarriedBytes> carried{};
};

struct RecordWalk {
  enum class Stop { None, BadLengthByte, LeavesArea };
  std::vector<PlayerRecord> rows;  // the rows read, from row 0
  Stop stop = Stop::None;
  int stoppedRow = -1;             // roster row (0-based) whose record could not be read
  std::uint8_t stoppedLength = 0;  // its length byte, when there was one
};

// Walks playerCount records over `area` (the bytes from F; only its first 601 are used).
RecordWalk walkRecords(std::span<const std::uint8_t> area, int playerCount);

}  // namespace quarven
