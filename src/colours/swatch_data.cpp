#include "colours/swatch_data.h"

#include <array>
#include <cstdio>

namespace quarven::colours {

namespace {

constexpr int kNoSwatch = -1;
constexpr int kSelectorTop = 420;
constexpr int kSelectorHeight = 195;

using SwatchGrid = std::array<std::array<int, kSwatchColumns>, kSwatchRows>;

// clang-format off
constexpr std::array<int, kPartCount> kSelectorLefts{60, 300, 540, 840, 1140, 1440, 1740, 2040, 2340, 2640};
constexpr std::array<std::array<int, kPartCount>, 2> kSelectorWidths{{
    {285, 270, 330, 330, 330, 330, 330, 330, 330, 330},
    {285, 270, 345, 330, 330, 330, 330, 330, 330, 330},
}};

constexpr std::array<std::array<int, kSwatchRows>, 2> kRowTops{{
    {615, 780, 960, 1140, 1320, 1500, 1680, 1860},
    {600, 765, 945, 1125, 1305, 1485, 1665, 1845},
}};

constexpr std::array<SwatchGrid, 2> kGrids{{
  {{
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 0, 1, 2, 3, 4, 5, 6, 7, 58, 57, 56},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 13, 12, 11, 10, 8, 9, 14, 15, 61, 60, 59},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 21, 20, 19, 18, 16, 17, 22, 23, 64, 63, 62},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 29, 28, 27, 26, 24, 25, 30, 31, 67, 66, 65},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 37, 36, 35, 34, 32, 33, 38, 39, 70, 69, 68},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 45, 44, 43, 42, 40, 41, 46, 47, 73, 72, 71},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 53, 52, 51, 50, 48, 49, 54, 55, 76, 75, 74},
    {82, 83, 84, 85, 87, 86, 81, 80, 77, 78, 79, 92, 91, 88, 89, 90},
  }},
  {{
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 200, 199, 198, 197, 195, 196, 194, 193, 201, 143, 144},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 187, 188, 189, 190, 192, 191, 186, 185, 140, 141, 142},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 179, 180, 181, 182, 184, 183, 178, 177, 137, 138, 139},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 171, 172, 173, 174, 176, 175, 170, 169, 134, 135, 136},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 163, 164, 165, 166, 168, 167, 162, 161, 131, 132, 133},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 155, 156, 157, 158, 160, 159, 154, 153, 128, 129, 130},
    {kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, kNoSwatch, 147, 148, 149, 150, 152, 151, 146, 145, 125, 126, 127},
    {207, 208, 209, 210, 212, 211, 206, 205, 202, 203, 204, 217, 216, 213, 214, 215},
  }},
}};

// Each tab's list: a run of 90 swatches from its first index, then one more swatch.
struct TabColourList {
  int firstIndex;
  std::array<std::uint32_t, 90> run;
  int lastIndex;
  std::uint32_t lastColour;
};

constexpr std::array<TabColourList, 2> kColourLists{{
  {0, {
    0x000000, 0x181818, 0x001870, 0x202020, 0x002098, 0x282828, 0x0028C8, 0x0028D0, 0x003070, 0x0030B8,
    0x380000, 0x383838, 0x38B8F8, 0x400000, 0x404040, 0x404040, 0x404848, 0x0040D8, 0x480000, 0x481800,
    0x481800, 0x0048B8, 0x0048C8, 0x0048D8, 0x000050, 0x500000, 0x505050, 0x506000, 0x0050E8, 0x580000,
    0x580000, 0x0058C0, 0x0058D8, 0x000060, 0x600000, 0x601800, 0x604000, 0x604800, 0x606800, 0x000068,
    0x680000, 0x000070, 0x700000, 0x703010, 0x000078, 0x007800, 0x780000, 0x787878, 0x000080, 0x008000,
    0x800000, 0x880000, 0x889090, 0x909090, 0x989898, 0xA00000, 0x285702, 0xA04000, 0xA06028, 0xA0A0A0,
    0xA80000, 0x8E7811, 0xA89020, 0xA8A8A8, 0x8E7811, 0x0000B0, 0xB00000, 0xB06818, 0xB09018, 0x0000B8,
    0xB80000, 0x0000C0, 0xC01048, 0xC02000, 0x0000C8, 0x0000D0, 0x0000D8, 0xD80000, 0xD8D8D8, 0x0000E0,
    0xE00000, 0xE02000, 0xE0E0E0, 0xE80000, 0x750B33, 0xE84000, 0xE8E8E8, 0xF0F0E8, 0xF81818, 0xF82020,
  }, 92, 0x45969F},
  {125, {
    0x500000, 0x505050, 0x506000, 0x0050E8, 0x580000, 0x580000, 0x0058C0, 0x0058D8, 0x000060, 0x600000,
    0x601800, 0x604000, 0x604800, 0x606800, 0x000068, 0x680000, 0x000070, 0x700000, 0x703010, 0x000078,
    0x007800, 0x780000, 0x787878, 0x000080, 0x008000, 0x800000, 0x880000, 0x889090, 0x909090, 0x989898,
    0xA00000, 0x0048D8, 0xA04000, 0xA06028, 0xA0A0A0, 0xA80000, 0x8E7811, 0xA89020, 0xA8A8A8, 0x000050,
    0x0000B0, 0xB00000, 0xB06818, 0xB09018, 0x0000B8, 0xB80000, 0x0000C0, 0xC01048, 0xC02000, 0x0000C8,
    0x0000D0, 0x0000D8, 0xD80000, 0xD8D8D8, 0x0000E0, 0xE00000, 0xE02000, 0xE0E0E0, 0xE80000, 0x0048C8,
    0xE84000, 0xE8E8E8, 0xF0F0E8, 0xF81818, 0xF82020, 0x285702, 0x750B33, 0x8E7811, 0x000000, 0x181818,
    0x001870, 0x202020, 0x002098, 0x282828, 0x0028C8, 0x0028D0, 0x003070, 0x0030B8, 0x380000, 0x383838,
    0x38B8F8, 0x400000, 0x404040, 0x404040, 0x404848, 0x0040D8, 0x480000, 0x481800, 0x481800, 0x0048B8,
  }, 217, 0x45969F},
}};
// clang-format on

std::size_t tabIndex(Side tab) {
  return tab == Side::Home ? 0 : 1;
}

std::vector<std::pair<int, std::uint32_t>> buildColourList() {
  std::vector<std::pair<int, std::uint32_t>> list;
  for (const TabColourList& tab : kColourLists) {
    for (std::size_t i = 0; i < tab.run.size(); ++i)
      list.emplace_back(tab.firstIndex + static_cast<int>(i), tab.run[i]);
    list.emplace_back(tab.lastIndex, tab.lastColour);
  }
  return list;
}

std::array<std::optional<SwatchPlace>, kSwatchIndexCount> buildPlaces() {
  std::array<std::optional<SwatchPlace>, kSwatchIndexCount> places;
  for (Side tab : {Side::Home, Side::Away})
    for (int row = 0; row < kSwatchRows; ++row)
      for (int column = 0; column < kSwatchColumns; ++column)
        if (const auto index = swatchAt(tab, row, column))
          places.at(static_cast<std::size_t>(*index)) = SwatchPlace{tab, row, column};
  return places;
}

}  // namespace

std::optional<TwipsRect> selectorPlace(Side tab, int part) {
  if (part < 0 || part >= kPartCount) return std::nullopt;
  const auto k = static_cast<std::size_t>(part);
  return TwipsRect{kSelectorLefts[k], kSelectorTop, kSelectorWidths[tabIndex(tab)][k], kSelectorHeight};
}

std::optional<int> swatchAt(Side tab, int row, int column) {
  if (row < 0 || row >= kSwatchRows || column < 0 || column >= kSwatchColumns) return std::nullopt;
  const int index = kGrids[tabIndex(tab)][static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  if (index == kNoSwatch) return std::nullopt;
  return index;
}

std::optional<SwatchPlace> swatchPlace(int index) {
  static const auto places = buildPlaces();
  if (index < 0 || index >= kSwatchIndexCount) return std::nullopt;
  return places[static_cast<std::size_t>(index)];
}

std::optional<TwipsRect> swatchRect(int index) {
  const auto place = swatchPlace(index);
  if (!place) return std::nullopt;
  const int top = kRowTops[tabIndex(place->tab)][static_cast<std::size_t>(place->row)];
  return TwipsRect{60 + 180 * place->column, top, kSwatchSize, kSwatchSize};
}

const std::vector<std::pair<int, std::uint32_t>>& swatchColourList() {
  static const auto list = buildColourList();
  return list;
}

std::string swatchToolTipText(std::uint32_t displayColour) {
  char text[16];
  std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(displayColour & 0xFFFFFF));
  return text;
}

}  // namespace quarven::colours
