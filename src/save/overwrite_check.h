#pragma once
// Before a save writes: would it overwrite bytes that another program changed in the image since the
// editor last knew them (at the team load, or when its own last save wrote them)?

#include <vector>

#include "rom/known_bytes.h"
#include "rom/rom_image.h"
#include "save/write_log.h"

namespace quarven::save {

enum class Overwrites {
  Nothing,          // every byte to be written holds a value the editor knows, or is written as it is
  ChangedOnDisk,    // a byte changed since, and the save would write another value over it
  ImageUnreadable,  // a place could not be read to compare
};

struct Comparison {
  Overwrites found = Overwrites::Nothing;
  // The image's bytes under each write, in the writes' order (all of them unless unreadable): what
  // the writes will replace, and what the user let stand when asked.
  std::vector<LoggedWrite> current;
};

// Bytes outside the known places are not compared.
Comparison compareWithImage(RomImage& image, const KnownBytes& known, const std::vector<LoggedWrite>& writes);

}  // namespace quarven::save
