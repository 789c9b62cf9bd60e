#pragma once
// The part selector row and the swatch grid of both uniform tabs: places, swatch indices
// (Label11) and the swatch colour list that every team load applies.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "colours/uniform_figure_data.h"

namespace quarven::colours {

inline constexpr int kSwatchRows = 8;
inline constexpr int kSwatchColumns = 16;
inline constexpr int kSwatchesPerTab = 93;
inline constexpr int kSwatchIndexCount = 218;  // Label11 0..92 (HOME tab) and 125..217 (AWAY tab)
inline constexpr int kSwatchSize = 195;        // twips, square
// Every swatch starts in this colour; four swatches are not in the colour list and keep it.
inline constexpr std::uint32_t kSwatchStartColour = 0x000080;

// Selected part's caption colour, and the other captions' once a selector of the tab was clicked.
inline constexpr std::uint32_t kSelectedPartTextColour = 0x0000FF;
inline constexpr std::uint32_t kOtherPartTextColour = 0xFFFFFF;

// Place of part selector k (0..9) on a tab, relative to the tab control; nothing outside 0..9.
std::optional<TwipsRect> selectorPlace(Side tab, int part);

struct SwatchPlace {
  Side tab = Side::Home;
  int row = 0;
  int column = 0;
};

// The swatch at a grid cell of a tab; nothing where the figure stands or outside the grid.
std::optional<int> swatchAt(Side tab, int row, int column);
// Where a swatch index stands; nothing for an index that is no swatch (93..124, out of range).
std::optional<SwatchPlace> swatchPlace(int index);
// The swatch's rectangle on its tab, relative to the tab control.
std::optional<TwipsRect> swatchRect(int index);

// The colour list: each listed swatch with its colour, the HOME tab's then the AWAY tab's.
const std::vector<std::pair<int, std::uint32_t>>& swatchColourList();

// A swatch's tooltip: the colour's upper-case hex digits without leading zeros ("0" for black).
std::string swatchToolTipText(std::uint32_t displayColour);

}  // namespace quarven::colours
