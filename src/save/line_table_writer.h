#pragma once
// `savelinechanges`: the seven line-ups into the line table below the first player record.

#include <cstdint>

#include "rom/rom_image.h"
#include "save/save_plan.h"

namespace quarven::save {

// Writes the 33 line slot bytes, line by line and within a line by ascending box index; entry
// bytes that are not line slots are not touched. False when a write fails.
bool savelinechanges(RomImage& rom, std::uint32_t firstRecord, const LineSlotValues& lineSlots);

}  // namespace quarven::save
