#include "save/overwrite_check.h"

namespace quarven::save {

Overwrites findOverwrites(RomImage& image, const KnownBytes& known, const std::vector<LoggedWrite>& writes) {
  std::vector<std::uint8_t> current;
  for (const LoggedWrite& write : writes) {
    current.resize(write.bytes.size());
    if (!image.read(write.offset, current)) return Overwrites::ImageUnreadable;
    for (std::size_t i = 0; i < current.size(); ++i) {
      const auto was = known.at(write.offset + static_cast<std::uint32_t>(i));
      if (was && *was != current[i] && write.bytes[i] != current[i]) return Overwrites::ChangedOnDisk;
    }
  }
  return Overwrites::Nothing;
}

}  // namespace quarven::save
