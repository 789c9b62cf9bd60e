#pragma once
// What the edit fuzz target's edited SAVE meets besides the window, read from the script after the
// two team bytes when the image's flags ask for it (rom_patch.h):
//
//   kFailingWrite   write number (byte), mode (byte): bit 0 the put-back fails too, bit 1 the SAVEs
//                   that follow the failed one have the window as the load left it
//     with kSavesAfterFailure, then: count (byte, modulo 4) of SAVEs between the failed one and the
//                   last, each an options byte (bit 0 team-name change on, bit 1 abbreviation change
//                   on); then another program's write into a byte the failed SAVE left half written
//                   before them: kind (byte, modulo 4: none, the byte's value before the failed SAVE,
//                   the value it tried to write, the value that follows), which of those bytes
//                   (2 bytes, modulo their number), value (byte)
//   kSecondWriter   a write: place (byte, modulo 5: the team-name block with its pointers, then the
//                   team's line table with its record area, abbreviation field, home and away
//                   palette), offset in the place (2 bytes, modulo its size), the value another
//                   program writes there after the load
//     with kWhileAsked, then: mode (byte: bit 0 the other program renames another version over the
//                   image, the image as loaded with the write that follows, instead of writing into
//                   it; bit 1 a second question is answered Yes), a write as above, made while the
//                   first question is on screen
//
// A failing write is taken when both flags are set.

#include <cstdint>
#include <optional>
#include <vector>

#include "fuzz_reader.h"
#include "rom_patch.h"

namespace quarven::fuzz {

struct ByteWrite {
  std::uint32_t at = 0;  // file offset
  std::uint8_t value = 0;
};

// Options of a SAVE made after a failed one.
struct SaveOptions {
  bool teamNameChangeOn = false;
  bool abbrevChangeOn = false;
};

enum class HalfWrittenValue { None, Before, Tried, Given };

struct Mishap {
  int failingWrite = -1;  // counted from 0; -1: no write fails
  bool putBackFails = false;
  bool windowAsLoaded = false;
  std::vector<SaveOptions> savesBetween;                  // after the failed SAVE, before the last
  HalfWrittenValue outsideKind = HalfWrittenValue::None;  // another program's write after the failure
  std::uint32_t outsideIndex = 0;                         // among the bytes left half written
  std::uint8_t outsideValue = 0;

  std::optional<ByteWrite> secondWrite;
  std::optional<ByteWrite> whileAsked;
  bool renamed = false;          // whileAsked swaps the image for another version
  bool secondAnswerYes = false;  // the answer to a question asked after the first one
};

Mishap readMishap(FuzzReader& script, const FuzzImage& image, int team);

}  // namespace quarven::fuzz
