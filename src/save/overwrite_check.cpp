#include "save/overwrite_check.h"

namespace quarven::save {

Comparison compareWithImage(RomImage& image, const KnownBytes& known,
                            const std::vector<LoggedWrite>& writes) {
  Comparison seen;
  for (const LoggedWrite& write : writes) {
    LoggedWrite& current = seen.current.emplace_back(LoggedWrite{write.offset, write.bytes});
    if (!image.read(write.offset, current.bytes)) return {Overwrites::ImageUnreadable, {}};
    for (std::size_t i = 0; i < current.bytes.size(); ++i) {
      const std::uint8_t now = current.bytes[i];
      if (write.bytes[i] != now && !known.accepts(write.offset + static_cast<std::uint32_t>(i), now))
        seen.found = Overwrites::ChangedOnDisk;
    }
  }
  return seen;
}

}  // namespace quarven::save
