#pragma once
// Everything a save writes, already turned into bytes and checked, so the writers only lay bytes
// out and a refused save is decided before the ROM image is opened.

#include <array>
#include <cstdint>
#include <vector>

#include "save/save_input.h"

namespace quarven::save {

struct PlayerEntry {
  std::vector<std::uint8_t> letters;  // one byte per name character
  std::uint8_t number = 0;            // jersey number byte
};

// Line slot values (1-based roster index) by line and box index, as the boxes show them.
using LineSlotValues = std::array<std::array<std::uint8_t, kMaxLineBoxes>, layout::kLineCount>;

struct SavePlan {
  ColourSlots<std::uint16_t> slotWords{};  // colour words, 0..9 home, 10..19 away
  std::vector<PlayerEntry> players;        // roster rows 0..playercount - 1
  LineSlotValues lineSlots{};
  std::vector<std::uint8_t> abbrevLetters;  // empty when abbreviation change is off
  // False when every name and number is as the load read it: the player record block then stays as
  // it is (unless a SAVE since the load wrote it), whatever the window could not show of it (a
  // length word's high byte, an odd record length, a missing end marker).
  bool rosterEdited = true;
};

}  // namespace quarven::save
