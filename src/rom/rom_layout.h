#pragma once
// Every place in the ROM image that the editor reads or writes, as file offsets (counted from 0).

#include <array>
#include <cstdint>

namespace quarven::layout {

inline constexpr std::uint32_t kSignatureOffset = 0x210;
inline constexpr std::uint8_t kSignatureValue = 0xAF;

inline constexpr std::uint32_t kTeamNameBlockOffset = 0xE1881;
inline constexpr std::uint32_t kTeamNameBlockSize = 261;  // written by SAVE
inline constexpr std::uint32_t kTeamNameBlockRead = 260;  // read by team load
inline constexpr std::uint32_t kTeamNamePointerOffset = 0xE1849;
// The pointer table and the block behind it, as one range.
inline constexpr std::uint32_t kTeamNamePlacesSize =
    kTeamNameBlockOffset + kTeamNameBlockSize - kTeamNamePointerOffset;
inline constexpr int kTeamCount = 28;

inline constexpr std::uint32_t kAwayPaletteBase = 0xB4BD0;
inline constexpr std::uint32_t kHomePaletteBase = 0xB4F50;
inline constexpr std::uint32_t kPaletteSize = 32;
inline constexpr std::uint32_t kPaletteBytesRead = 30;
inline constexpr int kColourSlots = 10;
// Palette word of colour slot 0..9 (SL, PA, SO, SD, TS, BS, MS, SH, HJ, SS).
inline constexpr std::array<int, kColourSlots> kSlotPaletteWord = {2, 3, 4, 5, 7, 8, 9, 10, 11, 12};

inline constexpr int kMaxPlayers = 25;
inline constexpr std::uint32_t kLineTableSize = 56;
inline constexpr int kLineCount = 7;
inline constexpr int kLineEntrySize = 8;
// Slots per line: five for the scoring, checking and power-play lines, four for penalty kills.
inline constexpr std::array<int, kLineCount> kLineSlots = {5, 5, 5, 5, 5, 4, 4};
inline constexpr int kCarriedBytes = 7;
inline constexpr int kRecordOverhead = 10;  // length word, number byte, carried bytes
inline constexpr int kAbbrevFieldSize = 3;

inline constexpr std::uint32_t awayPalette(int teamIndex) {
  return kAwayPaletteBase + kPaletteSize * teamIndex;
}
inline constexpr std::uint32_t homePalette(int teamIndex) {
  return kHomePaletteBase + kPaletteSize * teamIndex;
}
// Low byte of colour slot s within a palette; the high byte follows it.
inline constexpr std::uint32_t slotByte(int slot) {
  return 2 * kSlotPaletteWord[slot];
}
inline constexpr std::uint32_t lineTable(std::uint32_t firstRecord) {
  return firstRecord - kLineTableSize;
}
// Entry byte j (1..5, or 1..4 for entries 5 and 6) of line entry e.
inline constexpr std::uint32_t lineSlot(std::uint32_t firstRecord, int entry, int j) {
  return firstRecord - kLineTableSize + kLineEntrySize * entry + j;
}
// Box index k of a line's box array shows entry byte slots - k (box 0 is RW, or C on a four-slot line).
inline constexpr int lineEntryByteOfBox(int line, int box) {
  return kLineSlots[line] - box;
}
inline constexpr std::uint32_t pointerLowByte(int teamIndex) {
  return kTeamNamePointerOffset + 2 * teamIndex;
}

}  // namespace quarven::layout
