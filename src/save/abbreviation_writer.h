#pragma once
// `saveteamabbrev`: the typed abbreviation into the team's abbreviation field.

#include <cstdint>
#include <vector>

#include "rom/rom_image.h"

namespace quarven::save {

// Writes one byte per letter from the field's first byte B on; bytes behind the letters keep what
// they hold, so an empty abbreviation writes nothing. False when a write fails.
bool saveteamabbrev(RomImage& rom, std::uint32_t abbrevaddress, const std::vector<std::uint8_t>& letters);

}  // namespace quarven::save
