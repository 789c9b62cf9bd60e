#pragma once
// The fixed table of the 28 teams and the lookups on it.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quarven {

struct TeamRow {
  std::string_view key;       // toolbar button key, the team's nickname
  std::string_view fullName;  // banner caption; the save side finds the team's name slot by it
  int index;                  // 0..27: clubs by city, then East and West all stars
  int playerCount;
  int recordBudget;            // bytes for the player records, without the end marker
  std::uint32_t firstRecord;   // F: file offset of the first player record
  std::uint32_t abbrevOffset;  // B
  int abbrevLength;            // 2 or 3
};

// The rows in the order in which a key is looked up.
const std::array<TeamRow, 28>& teamTable();
// Exact, case-sensitive key match; null when no row has the key.
const TeamRow* findTeamByKey(std::string_view key);
const TeamRow& teamByIndex(int index);
// Team index of the row whose full name equals the text exactly.
std::optional<int> teamIndexByFullName(std::string_view fullName);

}  // namespace quarven
