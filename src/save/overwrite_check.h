#pragma once
// Before a save writes: would it overwrite bytes that another program changed in the image since the
// editor last knew them (at the team load, or when its own last save wrote them)?

#include <vector>

#include "rom/known_bytes.h"
#include "rom/rom_image.h"
#include "save/write_log.h"

namespace quarven::save {

enum class Overwrites {
  Nothing,          // every byte to be written holds what the editor knew, or is written as it is
  ChangedOnDisk,    // a byte changed since, and the save would write another value over it
  ImageUnreadable,  // a place could not be read to compare
};

// Bytes the editor does not know (outside the known places, or forgotten) are not compared.
Overwrites findOverwrites(RomImage& image, const KnownBytes& known, const std::vector<LoggedWrite>& writes);

}  // namespace quarven::save
