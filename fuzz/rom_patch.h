#pragma once
// The compact form in which the image fuzz target receives a ROM image. Building a 1 MiB image
// from fuzz bytes alone would leave every team structure to chance, so an input is either a whole
// (small) image, or a list of patches laid over the synthetic builder's image at the places team
// load and SAVE use:
//
//   byte 0    flags (kRawImage, kTruncate, kTeamNameChange, kAbbrevChangeOff, kFailingWrite,
//             kSecondWriter, kWhileAsked, kSavesAfterFailure)
//   raw:      the rest of the input is the image
//   patches:  [kTruncate: 3 bytes, the image's new size, little endian; it only ever shrinks]
//             then patches: region byte, offset in the region (2 bytes), count byte, count bytes
//
// The region byte picks one of patchRegions() (modulo their number) and the offset is taken modulo
// the region's size; a patch may run on past its region, up to the end of the image.

#include <cstdint>
#include <span>
#include <vector>

namespace quarven::fuzz {

inline constexpr std::uint8_t kRawImage = 0x01;
inline constexpr std::uint8_t kTruncate = 0x02;
inline constexpr std::uint8_t kTeamNameChange = 0x04;   // saves run with team-name change on
inline constexpr std::uint8_t kAbbrevChangeOff = 0x08;  // saves run with abbreviation change off
// What the edit fuzz target's edited SAVE meets (save_edits.h): a write that fails, or another
// program writing into the image after the load.
inline constexpr std::uint8_t kFailingWrite = 0x10;
inline constexpr std::uint8_t kSecondWriter = 0x20;
// With kSecondWriter: the other program writes again while SAVE's question is on screen.
inline constexpr std::uint8_t kWhileAsked = 0x40;
// With kFailingWrite: more SAVEs, with the options toggled, after the failed one.
inline constexpr std::uint8_t kSavesAfterFailure = 0x80;

struct Region {
  std::uint32_t offset;
  std::uint32_t size;
};

// The signature byte, the pointer table with the team-name block, and per team the line table
// with the record area, the abbreviation field and both palettes.
const std::vector<Region>& patchRegions();

struct FuzzImage {
  std::vector<std::uint8_t> bytes;
  bool teamNameChangeOn = false;
  bool abbrevChangeOn = true;
  bool failingWrite = false;
  bool secondWriter = false;
  bool whileAsked = false;
  bool savesAfterFailure = false;
};

FuzzImage decodeImage(std::span<const std::uint8_t> input, const std::vector<std::uint8_t>& base);

// The input that decodes to `image` over `base`, for seeding the corpus. Differences outside every
// region are dropped (they are filler no operation reads); `flags` carries the option bits.
std::vector<std::uint8_t> encodeImage(const std::vector<std::uint8_t>& base,
                                      const std::vector<std::uint8_t>& image, std::uint8_t flags);

}  // namespace quarven::fuzz
