#include "rom/team_name_block.h"

#include "rom/codecs.h"

namespace quarven {

bool splitTeamNames(std::span<const std::uint8_t> block, TeamNames& names, TeamNameBytes& bytes) {
  std::size_t n = 0;  // terminators seen
  std::string text;
  std::vector<std::uint8_t> raw;
  for (const std::uint8_t b : block) {
    if (n == names.size()) return false;
    if (b == 0x00) {
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
