#include "save/abbreviation_writer.h"

namespace quarven::save {

bool saveteamabbrev(RomImage& rom, std::uint32_t abbrevaddress, const std::vector<std::uint8_t>& letters) {
  return letters.empty() || rom.write(abbrevaddress, letters);
}

}  // namespace quarven::save
