#pragma once
// Edits as a user makes them in the window after a team load, each one of a kind SAVE takes, and
// what a reload of the team must show once they are saved. The edit fuzz target receives
//
//   image length (2 bytes, little endian), that many bytes of image (rom_patch.h), then the script:
//   team loaded before (byte, modulo 28), team edited (byte, modulo 28), then what the edited SAVE
//   meets when the image's flags ask for it (mishaps.h), then edits, each a kind byte (modulo
//   kEditKinds) and its arguments:
//
//     kName      row, length (0..27), a pick per letter   player-name letters; cut to the record budget
//     kNumber    row, value                               the value's hex text; line boxes that showed
//                                                         the old number follow it when no other row has it
//     kLine      line, box, row                           the row's number text
//     kAbbrev    length (0..abbreviation length), a pick per letter (top bit: typed in lower case);
//                only with abbreviation change on
//     kTeamName  length (1..20), a pick per letter        team-name letters, "_" left out; only with
//                                                         team-name change on, and when the block fits
//     kRecolour  slot (0..19), swatch (2 bytes)           a swatch colour that has a colour word
//
// Rows count within the team's roster, picks within the character set, and every number modulo its
// range. Where the input ends the edits end.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz_reader.h"
#include "rom/colour_slots.h"
#include "rom/team_load.h"
#include "save/save_input.h"

namespace quarven::fuzz {

enum EditKind : std::uint8_t { kName, kNumber, kLine, kAbbrev, kTeamName, kRecolour, kEditKinds };

struct EditInput {
  std::span<const std::uint8_t> image;  // as decodeImage takes it
  std::span<const std::uint8_t> script;
};
EditInput splitEditInput(std::span<const std::uint8_t> data);
std::vector<std::uint8_t> joinEditInput(const std::vector<std::uint8_t>& image,
                                        const std::vector<std::uint8_t>& script);

struct EditedTeam {
  save::SaveInput input;  // the window at SAVE
  // What a reload of the team shows once the save is done, beyond the input's texts.
  std::array<std::uint8_t, layout::kAbbrevFieldSize> abbrevField{};
  std::string teamName;                      // Text10
  bool blockFits = true;                     // the team-name block SAVE builds fits its 261 bytes
  ColourSlots<std::uint16_t> colourWords{};  // the words in the palettes, by slot
};

// Applies the script's edits to what the team's load left in the window (`loaded`).
EditedTeam applyEdits(FuzzReader& script, const TeamLoadResult& load, save::SaveInput loaded);

}  // namespace quarven::fuzz
