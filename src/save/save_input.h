#pragma once
// What the main window holds when SAVE is pressed: the texts and enabled states of its boxes, the
// display colours of the 20 sample boxes, and which line boxes and colour slots the user touched
// since the team was loaded. The window fills it; the save core never sees a widget.

#include <array>
#include <cstdint>
#include <string>

#include "rom/colour_slots.h"
#include "rom/rom_layout.h"

namespace quarven::save {

inline constexpr int kMaxLineBoxes = 5;

struct SaveInput {
  std::string teamNameText;                                  // Text10
  bool teamNameChangeOn = false;                             // Text10 enabled
  std::string abbrevText;                                    // Text12
  bool abbrevChangeOn = true;                                // Text12 enabled
  std::array<std::string, layout::kMaxPlayers> numberTexts;  // Text0, by roster row
  std::array<std::string, layout::kMaxPlayers> nameTexts;    // Text1, by roster row
  // Text3..Text9 by line, then box index (five boxes on the first five lines, four on the others).
  std::array<std::array<std::string, kMaxLineBoxes>, layout::kLineCount> lineTexts;
  // Line boxes the user typed into since the load, by line and box index as lineTexts.
  std::array<std::array<bool, kMaxLineBoxes>, layout::kLineCount> lineEdited{};
  // Display colours 0x00BBGGRR of the sample boxes, slots 0..9 home and 10..19 away.
  ColourSlots<std::uint32_t> sampleColours{};
  // Colour slots whose part the user recoloured from the swatch grid since the load. The others go
  // back with the words the load read, whatever colour their figure shows.
  ColourSlots<bool> recoloured{};
};

}  // namespace quarven::save
