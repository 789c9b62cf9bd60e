#include "colours/uniform_figure_data.h"

#include <vector>

namespace quarven::colours {

namespace {

// One HOME box with its AWAY counterpart. The AWAY box stands at the same place unless it has a
// place of its own.
struct BoxPair {
  int part;
  int home;
  int away;
  TwipsRect place;
  std::optional<TwipsRect> awayPlace;
};

// clang-format off
constexpr std::array<BoxPair, 89> kBoxPairs{{
    {0, 37, 142, {612, 468, 48, 48}, std::nullopt},
    {0, 38, 141, {648, 432, 84, 120}, TwipsRect{660, 435, 90, 120}},
    {0, 39, 140, {684, 396, 48, 48}, std::nullopt},
    {0, 40, 139, {720, 360, 48, 156}, std::nullopt},
    {0, 41, 138, {756, 324, 48, 156}, std::nullopt},
    {0, 42, 137, {792, 360, 48, 84}, std::nullopt},
    {0, 43, 136, {396, 540, 48, 156}, std::nullopt},
    {0, 44, 135, {432, 576, 84, 120}, std::nullopt},
    {1, 78, 120, {720, 576, 48, 48}, std::nullopt},
    {1, 79, 119, {684, 576, 48, 84}, std::nullopt},
    {1, 80, 118, {648, 612, 48, 84}, std::nullopt},
    {1, 81, 117, {828, 540, 48, 120}, std::nullopt},
    {1, 82, 116, {792, 612, 48, 84}, std::nullopt},
    {1, 83, 115, {756, 648, 48, 84}, std::nullopt},
    {1, 84, 114, {720, 684, 48, 48}, std::nullopt},
    {2, 85, 113, {540, 648, 120, 48}, std::nullopt},
    {2, 86, 112, {648, 684, 84, 48}, std::nullopt},
    {2, 87, 111, {684, 720, 120, 84}, std::nullopt},
    {2, 88, 110, {684, 864, 156, 84}, std::nullopt},
    {2, 89, 109, {612, 792, 84, 48}, std::nullopt},
    {2, 90, 108, {540, 756, 120, 48}, std::nullopt},
    {3, 23, 175, {504, 180, 48, 48}, std::nullopt},
    {3, 24, 176, {504, 216, 84, 48}, std::nullopt},
    {3, 25, 177, {504, 252, 120, 84}, std::nullopt},
    {4, 45, 134, {648, 324, 48, 48}, TwipsRect{660, 330, 45, 45}},
    {4, 46, 132, {684, 288, 48, 48}, TwipsRect{684, 285, 45, 45}},
    {4, 47, 131, {720, 252, 48, 48}, std::nullopt},
    {4, 48, 128, {396, 432, 48, 48}, std::nullopt},
    {4, 49, 127, {432, 468, 84, 48}, std::nullopt},
    {4, 50, 124, {504, 504, 48, 48}, TwipsRect{504, 510, 45, 45}},
    {4, 51, 97, {792, 432, 48, 48}, std::nullopt},
    {4, 52, 96, {756, 468, 48, 48}, std::nullopt},
    {4, 53, 107, {540, 684, 120, 48}, std::nullopt},
    {4, 54, 105, {648, 720, 48, 48}, std::nullopt},
    {4, 55, 106, {684, 792, 120, 48}, std::nullopt},
    {4, 56, 95, {684, 648, 48, 48}, std::nullopt},
    {4, 57, 94, {720, 612, 48, 48}, std::nullopt},
    {4, 58, 93, {756, 576, 48, 48}, TwipsRect{750, 590, 45, 60}},
    {5, 59, 130, {720, 324, 48, 48}, std::nullopt},
    {5, 60, 129, {756, 288, 48, 48}, TwipsRect{756, 285, 45, 45}},
    {5, 61, 133, {684, 360, 48, 48}, TwipsRect{684, 360, 45, 45}},
    {5, 62, 125, {432, 540, 84, 48}, std::nullopt},
    {5, 63, 126, {396, 504, 48, 48}, std::nullopt},
    {5, 64, 9, {792, 504, 84, 48}, std::nullopt},
    {5, 65, 8, {720, 540, 84, 48}, TwipsRect{720, 540, 90, 45}},
    {6, 66, 104, {720, 288, 48, 48}, std::nullopt},
    {6, 67, 103, {684, 324, 48, 48}, std::nullopt},
    {6, 68, 101, {432, 504, 84, 48}, std::nullopt},
    {6, 69, 102, {396, 468, 48, 48}, std::nullopt},
    {6, 70, 122, {720, 504, 84, 48}, TwipsRect{720, 510, 90, 45}},
    {6, 71, 123, {792, 468, 84, 48}, std::nullopt},
    {6, 72, 98, {684, 828, 156, 48}, std::nullopt},
    {6, 73, 99, {648, 756, 48, 48}, std::nullopt},
    {6, 74, 100, {540, 720, 120, 48}, std::nullopt},
    {6, 75, 121, {792, 540, 48, 84}, std::nullopt},
    {6, 76, 91, {756, 612, 48, 48}, std::nullopt},
    {6, 77, 92, {720, 648, 48, 48}, std::nullopt},
    {7, 0, 166, {360, 108, 48, 84}, std::nullopt},
    {7, 1, 169, {468, 108, 48, 120}, std::nullopt},
    {7, 2, 167, {396, 144, 48, 48}, std::nullopt},
    {7, 3, 168, {396, 72, 84, 48}, TwipsRect{396, 75, 90, 45}},
    {7, 4, 170, {432, 180, 48, 84}, std::nullopt},
    {7, 5, 158, {432, 324, 84, 48}, std::nullopt},
    {7, 6, 152, {504, 360, 48, 84}, std::nullopt},
    {7, 7, 157, {468, 360, 48, 48}, std::nullopt},
    {7, 10, 156, {612, 324, 48, 156}, std::nullopt},
    {7, 11, 155, {660, 360, 45, 90}, TwipsRect{648, 360, 48, 84}},
    {7, 12, 153, {540, 432, 48, 84}, std::nullopt},
    {7, 13, 154, {576, 468, 48, 84}, std::nullopt},
    {8, 26, 165, {396, 108, 84, 48}, std::nullopt},
    {8, 27, 164, {432, 144, 48, 48}, std::nullopt},
    {8, 28, 144, {576, 180, 48, 48}, std::nullopt},
    {8, 29, 145, {612, 216, 48, 48}, std::nullopt},
    {8, 30, 146, {648, 216, 48, 120}, std::nullopt},
    {8, 31, 143, {684, 252, 48, 48}, std::nullopt},
    {8, 32, 151, {432, 360, 48, 120}, std::nullopt},
    {8, 33, 150, {468, 396, 48, 84}, std::nullopt},
    {8, 34, 149, {504, 432, 48, 84}, TwipsRect{540, 435, 45, 90}},
    {8, 35, 148, {576, 360, 48, 120}, std::nullopt},
    {8, 36, 147, {540, 360, 48, 84}, std::nullopt},
    {9, 18, 163, {432, 288, 84, 48}, std::nullopt},
    {9, 19, 162, {504, 324, 120, 48}, std::nullopt},
    {9, 20, 159, {612, 252, 48, 84}, std::nullopt},
    {9, 21, 160, {576, 216, 48, 48}, TwipsRect{576, 210, 45, 45}},
    {9, 22, 161, {540, 180, 48, 48}, std::nullopt},
    {kNoPart, 14, 171, {360, 180, 84, 120}, std::nullopt},
    {kNoPart, 15, 174, {396, 288, 48, 48}, std::nullopt},
    {kNoPart, 16, 172, {432, 252, 48, 48}, std::nullopt},
    {kNoPart, 17, 173, {468, 216, 48, 84}, std::nullopt},
}};

constexpr std::uint32_t kDesktop = 0xFFFFFFFF;  // marks a piece in the desktop colour

struct PiecePair {
  int home;
  int away;
  TwipsRect place;
  std::uint32_t colour;
};

constexpr std::array<PiecePair, 26> kPiecePairs{{
    {101, 25, {540, 540, 192, 48}, kDesktop},
    {102, 24, {540, 576, 156, 48}, kDesktop},
    {103, 23, {576, 612, 84, 48}, kDesktop},
    {104, 22, {612, 504, 48, 48}, kDesktop},
    {105, 21, {468, 684, 48, 48}, kDesktop},
    {106, 20, {468, 756, 48, 84}, kDesktop},
    {107, 19, {432, 828, 48, 48}, kDesktop},
    {108, 18, {396, 684, 84, 156}, kDesktop},
    {109, 17, {540, 864, 48, 48}, kDesktop},
    {110, 16, {576, 828, 120, 84}, kDesktop},
    {111, 15, {684, 936, 156, 120}, kDesktop},
    {112, 14, {576, 1008, 120, 48}, kDesktop},
    {113, 13, {648, 972, 48, 48}, kDesktop},
    {114, 12, {72, 972, 156, 84}, 0x000000},
    {115, 11, {576, 1044, 264, 48}, 0xFFFFFF},
    {116, 10, {540, 900, 156, 48}, 0xFFFFFF},
    {117, 9, {36, 972, 48, 84}, 0x404080},
    {118, 8, {216, 972, 48, 84}, 0x404080},
    {119, 7, {252, 936, 48, 84}, 0x404080},
    {120, 6, {288, 900, 48, 84}, 0x404080},
    {121, 5, {324, 864, 48, 84}, 0x404080},
    {122, 4, {360, 828, 48, 84}, 0x404080},
    {123, 3, {396, 828, 48, 48}, 0x404080},
    {124, 2, {468, 720, 48, 48}, 0x404080},
    {125, 1, {504, 648, 48, 84}, 0x404080},
    {126, 0, {540, 612, 48, 48}, 0x404080},
}};

constexpr std::array<PartSlot, kPartCount> kPartSlots{{
    {"SL", "Sleeve", 2, 37, 135},
    {"PA", "Pant", 3, 78, 114},
    {"SO", "Socks", 4, 85, 108},
    {"SD", "Shoulder", 5, 23, 175},
    {"TS", "Top Stripe", 7, 45, 131},
    {"BS", "Bottom Stripe", 8, 59, 125},
    {"MS", "Middle Stripe", 9, 66, 91},
    {"SH", "Shading", 10, 0, 166},
    {"HJ", "Helmet/Jersey", 11, 26, 143},
    {"SS", "Shoulder Stripe", 12, 18, 159},
}};

// Part box groups in painting order, HOME then AWAY per part.
constexpr int kHomeSL[] = {37, 38, 39, 40, 41, 42, 43, 44};
constexpr int kAwaySL[] = {135, 136, 137, 138, 139, 140, 141, 142};
constexpr int kHomePA[] = {78, 79, 80, 81, 82, 83, 84};
constexpr int kAwayPA[] = {114, 115, 116, 117, 118, 119, 120};
constexpr int kHomeSO[] = {85, 86, 87, 88, 89, 90};
constexpr int kAwaySO[] = {108, 109, 110, 111, 112, 113};
constexpr int kHomeSD[] = {23, 24, 25};
constexpr int kAwaySD[] = {175, 176, 177};
constexpr int kHomeTS[] = {45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58};
constexpr int kAwayTS[] = {93, 94, 95, 96, 97, 105, 106, 107, 124, 127, 128, 131, 132, 134};
constexpr int kHomeBS[] = {59, 60, 61, 62, 63, 64, 65};
constexpr int kAwayBS[] = {8, 9, 125, 126, 129, 130, 133};
constexpr int kHomeMS[] = {66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77};
constexpr int kAwayMS[] = {98, 99, 100, 101, 102, 103, 104, 121, 122, 123, 91, 92};
constexpr int kHomeSH[] = {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13};
constexpr int kAwaySH[] = {152, 153, 154, 155, 156, 157, 158, 166, 167, 168, 169, 170};
constexpr int kHomeHJ[] = {26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36};
constexpr int kAwayHJ[] = {143, 144, 145, 146, 147, 148, 149, 150, 151, 164, 165};
constexpr int kHomeSS[] = {18, 19, 20, 21, 22};
constexpr int kAwaySS[] = {159, 160, 161, 162, 163};
// clang-format on

const std::array<std::array<std::span<const int>, kPartCount>, 2> kGroups{{
    {kHomeSL, kHomePA, kHomeSO, kHomeSD, kHomeTS, kHomeBS, kHomeMS, kHomeSH, kHomeHJ, kHomeSS},
    {kAwaySL, kAwayPA, kAwaySO, kAwaySD, kAwayTS, kAwayBS, kAwayMS, kAwaySH, kAwayHJ, kAwaySS},
}};

bool validPart(int part) {
  return part >= 0 && part < kPartCount;
}

std::array<std::optional<FigureBox>, kFigureBoxCount> buildFigureBoxes() {
  std::array<std::optional<FigureBox>, kFigureBoxCount> boxes;
  for (const BoxPair& pair : kBoxPairs) {
    boxes.at(pair.home) = FigureBox{Side::Home, pair.part, pair.place};
    boxes.at(pair.away) = FigureBox{Side::Away, pair.part, pair.awayPlace.value_or(pair.place)};
  }
  return boxes;
}

std::vector<FixedPiece> buildPieces(Side side) {
  std::vector<FixedPiece> pieces;
  for (const PiecePair& pair : kPiecePairs) {
    const bool desktop = pair.colour == kDesktop;
    pieces.push_back(FixedPiece{side == Side::Home ? pair.home : pair.away, pair.place, desktop,
                                desktop ? 0u : pair.colour});
  }
  return pieces;
}

}  // namespace

std::optional<FigureBox> figureBox(int index) {
  static const auto boxes = buildFigureBoxes();
  if (index < 0 || index >= kFigureBoxCount) return std::nullopt;
  return boxes[static_cast<std::size_t>(index)];
}

std::span<const FixedPiece> fixedPieces(Side side) {
  static const std::vector<FixedPiece> home = buildPieces(Side::Home);
  static const std::vector<FixedPiece> away = buildPieces(Side::Away);
  return side == Side::Home ? home : away;
}

std::optional<PartSlot> partSlot(int part) {
  if (!validPart(part)) return std::nullopt;
  return kPartSlots[static_cast<std::size_t>(part)];
}

std::optional<int> sampleBox(Side side, int part) {
  const auto slot = partSlot(part);
  if (!slot) return std::nullopt;
  return side == Side::Home ? slot->homeSampleBox : slot->awaySampleBox;
}

std::span<const int> partGroup(Side side, int part) {
  if (!validPart(part) || (side != Side::Home && side != Side::Away)) return {};
  return kGroups[static_cast<std::size_t>(side)][static_cast<std::size_t>(part)];
}

}  // namespace quarven::colours
