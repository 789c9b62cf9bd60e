#include "save/palette_writer.h"

#include "rom/rom_layout.h"

namespace quarven::save {

bool writeUniformPalettes(RomImage& rom, std::uint32_t homePalette, std::uint32_t awayPalette,
                          const ColourSlots<std::uint16_t>& slotWords) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const bool home = slot < layout::kColourSlots;
    const std::uint32_t palette = home ? homePalette : awayPalette;
    const std::uint16_t word = slotWords[slot];
    const std::array<std::uint8_t, 2> bytes = {static_cast<std::uint8_t>(word & 0xFF),
                                               static_cast<std::uint8_t>(word >> 8)};
    if (!rom.write(palette + layout::slotByte(slot % layout::kColourSlots), bytes)) return false;
  }
  return true;
}

}  // namespace quarven::save
