#pragma once
// How the save names lines, positions and uniform parts in its messages.

#include <array>
#include <string_view>

#include "rom/rom_layout.h"

namespace quarven::save {

inline constexpr std::array<std::string_view, layout::kLineCount> kLineCaptions = {
    "SCORING 1", "SCORING 2", "CHECKING", "POW. PLAY 1", "POW. PLAY 2", "PEN. KILL 1", "PEN. KILL 2"};

// Position shown by box index `box` of a line: entry bytes 1..5 are LD, RD, LW, C, RW.
inline std::string_view linePositionName(int line, int box) {
  static constexpr std::array<std::string_view, 5> kPositions = {"LD", "RD", "LW", "C", "RW"};
  return kPositions[layout::lineEntryByteOfBox(line, box) - 1];
}

inline constexpr std::array<std::string_view, layout::kColourSlots> kPartNames = {
    "Sleeve",        "Pants",         "Socks",   "Shoulders",         "Top stripe",
    "Bottom stripe", "Middle stripe", "Shading", "Helmet and jersey", "Shoulder stripe"};

}  // namespace quarven::save
