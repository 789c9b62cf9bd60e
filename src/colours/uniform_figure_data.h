#pragma once
// The HOME and AWAY uniform figures: where every figure box (Label9) and fixed piece (Label10)
// stands, which uniform part each box belongs to, and the part slot map that links a part to its
// selector, palette word and sample boxes.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace quarven::colours {

// The two uniforms; also the two tabs of the uniform tab control (0 HOME, 1 AWAY).
enum class Side { Home = 0, Away = 1 };

// A rectangle in twips (15 per pixel), relative to its container's top-left corner.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Figures are drawn on 36-twip cells: a shape of n x m cells is 36n + 12 by 36m + 12 twips, so it
// overlaps its right and lower neighbours by 12 twips.
constexpr bool onCellGrid(const TwipsRect& r) {
  return r.left % 36 == 0 && r.top % 36 == 0 && (r.width - 12) % 36 == 0 && (r.height - 12) % 36 == 0;
}

inline constexpr int kPartCount = 10;
inline constexpr int kFigureBoxCount = 178;  // Label9 indices 0..177, both figures
inline constexpr int kNoPart = -1;           // an unpainted box

// Colour of the unpainted boxes (face and hands), a display colour 0x00BBGGRR.
inline constexpr std::uint32_t kUnpaintedBoxColour = 0x80C0FF;
// Background of both figure pictures.
inline constexpr std::uint32_t kFigureBackgroundColour = 0xFFFFC0;
// Place of both figure pictures on their tab, and their size.
inline constexpr TwipsRect kFigurePicturePlace{60, 600, 930, 1260};

struct FigureBox {
  Side side = Side::Home;
  int part = kNoPart;  // 0..9, or kNoPart for the four unpainted boxes of a figure
  TwipsRect place;     // relative to the figure picture
};

// Label9 box by index 0..177; nothing for any other index.
std::optional<FigureBox> figureBox(int index);

struct FixedPiece {
  int index = 0;  // Label10 index: 101..126 in the HOME figure, 0..25 in the AWAY figure
  TwipsRect place;
  bool desktopColour = false;  // painted with the desktop colour (COLOR_BACKGROUND)
  std::uint32_t colour = 0;    // display colour when not desktopColour
};

// The 26 fixed pieces of a figure.
std::span<const FixedPiece> fixedPieces(Side side);

struct PartSlot {
  const char* code;     // selector caption "SL" .. "SS"
  const char* toolTip;  // selector tooltip "Sleeve" .. "Shoulder Stripe"
  int paletteWord;      // word 0..15 of the side's uniform palette
  int homeSampleBox;    // Label9 box read back for the HOME slot
  int awaySampleBox;    // Label9 box read back for the AWAY slot
};

// Part k = 0..9 (SL PA SO SD TS BS MS SH HJ SS); nothing outside that range.
std::optional<PartSlot> partSlot(int part);
// The sample box of a side's part; nothing outside 0..9.
std::optional<int> sampleBox(Side side, int part);

// The boxes painted with part k's colour on one side, in painting order; empty outside 0..9.
std::span<const int> partGroup(Side side, int part);

}  // namespace quarven::colours
