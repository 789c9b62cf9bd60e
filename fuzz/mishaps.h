#pragma once
// What the edit fuzz target's edited SAVE meets besides the window, read from the script after the
// two team bytes when the image's flags ask for it (rom_patch.h):
//
//   kFailingWrite   write number (byte), mode (byte): bit 0 the put-back fails too, bit 1 the SAVE
//                   that follows the failed one has the window as the load left it
//   kSecondWriter   place (byte, modulo 5: the team-name block with its pointers, then the team's
//                   line table with its record area, abbreviation field, home and away palette),
//                   offset in the place (2 bytes, modulo its size), the value another program
//                   writes there after the load
//
// A failing write is taken when both flags are set.

#include <cstdint>
#include <optional>

#include "fuzz_reader.h"
#include "rom_patch.h"

namespace quarven::fuzz {

struct Mishap {
  int failingWrite = -1;  // counted from 0; -1: no write fails
  bool putBackFails = false;
  bool windowAsLoaded = false;
  std::optional<std::uint32_t> secondWriteAt;  // file offset
  std::uint8_t secondWriteValue = 0;
};

Mishap readMishap(FuzzReader& script, const FuzzImage& image, int team);

}  // namespace quarven::fuzz
