#include "save/line_table_writer.h"

#include "rom/rom_layout.h"

namespace quarven::save {

bool savelinechanges(RomImage& rom, std::uint32_t firstRecord, const LineSlotValues& lineSlots) {
  for (int line = 0; line < layout::kLineCount; ++line)
    for (int box = 0; box < layout::kLineSlots[line]; ++box) {
      const std::uint32_t offset = layout::lineSlot(firstRecord, line, layout::lineEntryByteOfBox(line, box));
      if (!rom.writeByte(offset, lineSlots[line][box])) return false;
    }
  return true;
}

}  // namespace quarven::save
