#include "save/player_record_writer.h"

namespace quarven::save {

namespace {
constexpr std::array<std::uint8_t, 2> kEndMarker = {0x02, 0x00};
}

std::vector<std::uint8_t> playerRecordBlock(const std::vector<PlayerEntry>& players,
                                            const CarriedBytes& playerextra) {
  std::vector<std::uint8_t> block;
  for (std::size_t row = 0; row < players.size() && row < layout::kMaxPlayers; ++row) {
    const PlayerEntry& player = players[row];
    block.push_back(static_cast<std::uint8_t>(player.letters.size() + 2));
    block.push_back(0x00);
    block.insert(block.end(), player.letters.begin(), player.letters.end());
    block.push_back(player.number);
    for (const auto& carried : playerextra) block.push_back(carried[row]);
  }
  block.insert(block.end(), kEndMarker.begin(), kEndMarker.end());
  return block;
}

std::int64_t playerRecordBytes(const std::vector<PlayerEntry>& players) {
  std::int64_t total = 0;
  for (const PlayerEntry& player : players)
    total += static_cast<std::int64_t>(player.letters.size()) + layout::kRecordOverhead;
  return total;
}

bool saveplayernames(RomImage& rom, std::uint32_t firstRecord, const std::vector<PlayerEntry>& players,
                     const CarriedBytes& playerextra) {
  return rom.write(firstRecord, playerRecordBlock(players, playerextra));
}

}  // namespace quarven::save
