#include "rom/team_name_block.h"

#include "rom/codecs.h"

namespace quarven {

bool splitTeamNames(std::span<const std::uint8_t> block, TeamNames& names, TeamNameBytes& bytes,
                    std::size_t* stop) {
  std::size_t n = 0;     // terminators seen
  std::size_t last = 0;  // index of the latest terminator
  std::string text;
  std::vector<std::uint8_t> raw;
  for (std::size_t k = 0; k < block.size(); ++k) {
    const std::uint8_t b = block[k];
    if (n == names.size()) {
      if (stop) *stop = last;
      return false;
    }
    if (b == 0x00) {
      last = k;
      names[n] = text;
      bytes[n] = raw;
      ++n;
      text.clear();
      raw.clear();
      continue;
    }
    text += codec::decodeTeamLetter(b);
    raw.push_back(b);
    names[n] = text;
    bytes[n] = raw;
  }
  return true;
}

}  // namespace quarven
