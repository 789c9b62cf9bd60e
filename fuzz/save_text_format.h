#pragma once
// The form in which the save-text fuzz target receives what the window holds at SAVE:
//
//   flags byte (kTextTeamNameChange, kTextAbbrevChangeOff), team index byte (modulo 28),
//   then texts, each a length byte and its bytes: Text10, Text12, Text0 and Text1 of the 25
//   player rows in turn, and the boxes of the seven lines (five each); then per sample box a
//   selector byte, followed by a 4-byte display colour when its top bit is set.
//
// Where the input ends, the fields keep what the team's load showed, so a short input is a save
// of the loaded team with a few edits.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "save/save_input.h"

namespace quarven::fuzz {

inline constexpr std::uint8_t kTextTeamNameChange = 0x01;
inline constexpr std::uint8_t kTextAbbrevChangeOff = 0x02;
inline constexpr std::uint8_t kOwnColour = 0x80;

struct SaveTextCase {
  int teamIndex = 0;
  save::SaveInput input;
};

// `loaded[t]`: the input as team t's load left the window.
SaveTextCase decodeSaveText(std::span<const std::uint8_t> data,
                            const std::array<save::SaveInput, layout::kTeamCount>& loaded);

std::vector<std::uint8_t> encodeSaveText(const SaveTextCase& c);

}  // namespace quarven::fuzz
