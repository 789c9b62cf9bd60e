#include "synthetic_rom.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <numeric>
#include <stdexcept>

#include "pseudo_random.h"
#include "rom/codecs.h"
#include "rom/rom_layout.h"
#include "rom/team_table.h"

namespace quarven::testing {

namespace {

constexpr std::array<const char*, 28> kAbbreviations = {
    "ANA", "BOS", "BUF", "CGY", "CHI", "DAL", "DET", "EDM", "FLA", "HFD", "LAK", "MTL", "NJD", "NYI",
    "NYR", "OTT", "PHI", "PIT", "QUE", "SJS", "STL", "TBL", "TOR", "VAN", "WSH", "WPG", "ASE", "ASW"};

// Name lengths handed out in turn (rotated per team), then shortened to fit the record budget.
constexpr std::array<int, 25> kNameLengths = {25, 0, 7,  12, 5,  18, 9,  3, 14, 10, 22, 6, 1,
                                              11, 8, 16, 4,  13, 2,  20, 9, 7,  15, 11, 6};

std::uint64_t teamSeed(std::uint64_t seed, int team) {
  return seed * 1000003u + static_cast<std::uint64_t>(team) + 1;
}

constexpr std::array<const char*, 20> kSyllables = {"ber", "ko",  "lund", "ov",   "stro", "ma",  "ric",
                                                    "son", "vi",  "ne",   "dahl", "an",   "ten", "gau",
                                                    "mi",  "tre", "ska",  "rio",  "lai",  "che"};

// "K. O'Berlund..." cut to the length: initial, stop, space, surname; only player-name characters.
std::string makePlayerName(PseudoRandom& rng, int length) {
  std::string name = {static_cast<char>('A' + rng.between(0, 25)), '.', ' '};
  if (rng.between(0, 4) == 0) name += "O'";
  name += static_cast<char>('A' + rng.between(0, 25));
  while (name.size() < static_cast<std::size_t>(length)) name += kSyllables[rng.between(0, 19)];
  name.resize(static_cast<std::size_t>(length));
  return name;
}

std::uint8_t bcd(int number) {
  return static_cast<std::uint8_t>((number / 10) << 4 | (number % 10));
}

template <typename Decoder>
std::string decodeAll(const std::vector<std::uint8_t>& bytes, Decoder decode) {
  std::string text;
  for (std::uint8_t b : bytes) text += decode(b);
  return text;
}

void setPlayerName(PlayerContent& p, std::vector<std::uint8_t> bytes) {
  p.nameBytes = std::move(bytes);
  p.name = decodeAll(p.nameBytes, codec::decodePlayerLetter);
  p.lengthByte = static_cast<std::uint8_t>(p.nameBytes.size() + 2);
}

void setBlockName(TeamContent& t, std::vector<std::uint8_t> bytes) {
  t.blockNameBytes = std::move(bytes);
  t.blockName = decodeAll(t.blockNameBytes, codec::decodeTeamLetter);
}

// Records follow one another from F, each name length + 10 bytes; they must stay in the budget.
void layOutRecords(TeamContent& team) {
  std::uint32_t offset = 0;
  for (PlayerContent& p : team.players) {
    p.recordOffset = offset;
    offset += static_cast<std::uint32_t>(p.nameBytes.size()) + layout::kRecordOverhead;
  }
  if (offset > static_cast<std::uint32_t>(teamByIndex(team.index).recordBudget))
    throw std::invalid_argument("player records of " + team.key + " exceed the record budget");
}

std::vector<int> fittedNameLengths(const TeamRow& row) {
  std::vector<int> lengths(static_cast<std::size_t>(row.playerCount));
  for (std::size_t i = 0; i < lengths.size(); ++i)
    lengths[i] = kNameLengths[(i + static_cast<std::size_t>(row.index)) % kNameLengths.size()];
  const int letters = row.recordBudget - layout::kRecordOverhead * row.playerCount;
  while (std::accumulate(lengths.begin(), lengths.end(), 0) > letters)
    --*std::max_element(lengths.begin(), lengths.end());
  return lengths;
}

// The colour words slots are drawn from; each colour text has a colour key.
constexpr std::array<std::uint16_t, 16> kColourWords = {0x7080, 0x2800, 0x00D7, 0x02DA, 0x001C, 0x2108,
                                                        0x7C84, 0x0000, 0x7BDD, 0x000F, 0x0139, 0x5294,
                                                        0x3C00, 0x6F7B, 0x0178, 0x4E73};

TeamContent makeTeam(std::uint64_t seed, int index) {
  const TeamRow& row = teamByIndex(index);
  PseudoRandom rng(teamSeed(seed, index));
  TeamContent t;
  t.index = index;
  t.key = std::string(row.key);
  t.firstRecord = row.firstRecord;
  const std::string blockName = codec::upperCaseAscii(row.key);  // letters and spaces: stored as ASCII
  setBlockName(t, {blockName.begin(), blockName.end()});

  std::vector<int> numbers(99);
  std::iota(numbers.begin(), numbers.end(), 1);
  for (std::size_t i = numbers.size() - 1; i > 0; --i)
    std::swap(numbers[i], numbers[rng.between(0, static_cast<int>(i))]);

  const std::vector<int> lengths = fittedNameLengths(row);
  t.players.resize(lengths.size());
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    PlayerContent& p = t.players[i];
    const std::string name = makePlayerName(rng, lengths[i]);
    setPlayerName(p, {name.begin(), name.end()});
    p.number = bcd(numbers[i]);
    for (std::uint8_t& b : p.carried) b = rng.byte();
  }
  layOutRecords(t);

  for (int e = 0; e < layout::kLineCount; ++e)
    for (int j = 1; j <= layout::kLineSlots[e]; ++j)
      t.lines[e][j - 1] = static_cast<std::uint8_t>(rng.between(1, row.playerCount));

  std::copy_n(kAbbreviations[index], 3, t.abbrev.begin());

  for (int s = 0; s < layout::kColourSlots; ++s) {
    t.home[s] = kColourWords[rng.between(0, 15)];
    t.away[s] = kColourWords[rng.between(0, 15)];
  }
  return t;
}

void put(std::vector<std::uint8_t>& image, std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

void putWord(std::vector<std::uint8_t>& image, std::uint32_t offset, std::uint16_t word) {
  image[offset] = static_cast<std::uint8_t>(word & 0xFF);
  image[offset + 1] = static_cast<std::uint8_t>(word >> 8);
}

void writeTeam(std::vector<std::uint8_t>& image, const TeamContent& t) {
  const TeamRow& row = teamByIndex(t.index);
  for (int s = 0; s < layout::kColourSlots; ++s) {
    putWord(image, layout::homePalette(t.index) + layout::slotByte(s), t.home[s]);
    putWord(image, layout::awayPalette(t.index) + layout::slotByte(s), t.away[s]);
  }
  for (int e = 0; e < layout::kLineCount; ++e)
    for (int j = 1; j <= layout::kLineSlots[e]; ++j)
      image[layout::lineSlot(t.firstRecord, e, j)] = t.lines[e][j - 1];

  std::uint32_t at = t.firstRecord;
  for (const PlayerContent& p : t.players) {
    image[at] = p.lengthByte;
    image[at + 1] = 0;
    put(image, at + 2, p.nameBytes);
    at += 2 + static_cast<std::uint32_t>(p.nameBytes.size());
    image[at] = p.number;
    put(image, at + 1, p.carried);
    at += 1 + layout::kCarriedBytes;
  }
  image[at] = 0x02;
  image[at + 1] = 0x00;
  put(image, row.abbrevOffset, t.abbrev);
}

}  // namespace

std::uint32_t TeamContent::recordBytes() const {
  std::uint32_t total = 0;
  for (const PlayerContent& p : players)
    total += static_cast<std::uint32_t>(p.nameBytes.size()) + layout::kRecordOverhead;
  return total;
}

std::vector<std::uint8_t> noiseImage(std::size_t size, std::uint64_t seed) {
  std::vector<std::uint8_t> image(size);
  for (std::size_t i = 0; i < size; ++i) image[i] = PseudoRandom::byteAt(seed, i);
  return image;
}

std::vector<std::uint32_t> differingOffsets(const std::vector<std::uint8_t>& a,
                                            const std::vector<std::uint8_t>& b) {
  std::vector<std::uint32_t> out;
  const std::size_t common = std::min(a.size(), b.size());
  // Equal chunks are skipped whole: the fuzz targets compare whole images often.
  constexpr std::size_t kChunk = 4096;
  for (std::size_t chunk = 0; chunk < common; chunk += kChunk) {
    const std::size_t end = std::min(common, chunk + kChunk);
    if (std::memcmp(a.data() + chunk, b.data() + chunk, end - chunk) == 0) continue;
    for (std::size_t i = chunk; i < end; ++i)
      if (a[i] != b[i]) out.push_back(static_cast<std::uint32_t>(i));
  }
  for (std::size_t i = common; i < std::max(a.size(), b.size()); ++i)
    out.push_back(static_cast<std::uint32_t>(i));
  return out;
}

TeamRef::TeamRef(int teamIndex) : index(static_cast<std::size_t>(teamIndex)) {
  if (teamIndex < 0 || teamIndex >= layout::kTeamCount)
    throw std::invalid_argument("no team index " + std::to_string(teamIndex));
}

TeamRef::TeamRef(std::string_view key) {
  const TeamRow* row = findTeamByKey(key);
  if (!row) throw std::invalid_argument("no team key " + std::string(key));
  index = static_cast<std::size_t>(row->index);
}

SyntheticRom::SyntheticRom(std::uint64_t seed) : seed_(seed) {
  for (int i = 0; i < layout::kTeamCount; ++i) teams_[i] = makeTeam(seed, i);
}

SyntheticRom& SyntheticRom::teamNameBytes(TeamRef team, std::vector<std::uint8_t> bytes) {
  std::size_t used = bytes.size() + 1;
  for (const TeamContent& t : teams_)
    if (t.index != static_cast<int>(team.index)) used += t.blockNameBytes.size() + 1;
  if (used > layout::kTeamNameBlockSize) throw std::invalid_argument("team names exceed the team-name block");
  setBlockName(mutableTeam(team), std::move(bytes));
  return *this;
}

// Changes the name on a copy, so a refused change leaves the team as it was.
SyntheticRom& SyntheticRom::playerNameBytes(TeamRef team, int row, std::vector<std::uint8_t> bytes) {
  TeamContent t = mutableTeam(team);
  setPlayerName(t.players.at(static_cast<std::size_t>(row)), std::move(bytes));
  layOutRecords(t);
  mutableTeam(team) = std::move(t);
  return *this;
}

SyntheticRom& SyntheticRom::playerNumbers(TeamRef team, const std::vector<std::uint8_t>& numbers) {
  TeamContent& t = mutableTeam(team);
  for (std::size_t i = 0; i < numbers.size() && i < t.players.size(); ++i) t.players[i].number = numbers[i];
  return *this;
}

SyntheticRom& SyntheticRom::recordLengthByte(TeamRef team, int row, std::uint8_t value) {
  mutableTeam(team).players.at(static_cast<std::size_t>(row)).lengthByte = value;
  return *this;
}

SyntheticRom& SyntheticRom::lineSlot(TeamRef team, int entry, int j, std::uint8_t value) {
  if (entry < 0 || entry >= layout::kLineCount || j < 1 || j > layout::kLineSlots[entry])
    throw std::invalid_argument("no line slot " + std::to_string(entry) + "/" + std::to_string(j));
  mutableTeam(team).lines[entry][j - 1] = value;
  return *this;
}

SyntheticRom& SyntheticRom::abbrevBytes(TeamRef team, std::array<std::uint8_t, 3> bytes) {
  mutableTeam(team).abbrev = bytes;
  return *this;
}

SyntheticRom& SyntheticRom::homeWord(TeamRef team, int slot, std::uint16_t word) {
  mutableTeam(team).home.at(static_cast<std::size_t>(slot)) = word;
  return *this;
}

SyntheticRom& SyntheticRom::awayWord(TeamRef team, int slot, std::uint16_t word) {
  mutableTeam(team).away.at(static_cast<std::size_t>(slot)) = word;
  return *this;
}

SyntheticRom& SyntheticRom::nameBlockByte(int k, std::uint8_t value) {
  if (k < 0 || k >= static_cast<int>(layout::kTeamNameBlockSize))
    throw std::invalid_argument("outside the team-name block");
  return poke(layout::kTeamNameBlockOffset + static_cast<std::uint32_t>(k), {value});
}

SyntheticRom& SyntheticRom::recordsOverBudget(TeamRef team, int excess) {
  const TeamRow& row = teamByIndex(static_cast<int>(team.index));
  std::vector<std::uint8_t> records;
  int letters = row.recordBudget + excess - layout::kRecordOverhead * row.playerCount;
  for (int p = 0; p < row.playerCount; ++p, letters -= 27) {
    const auto n = static_cast<std::size_t>(std::clamp(letters, 0, 27));
    records.insert(records.end(), {static_cast<std::uint8_t>(n + 2), 0});
    records.insert(records.end(), n, 'w');
    records.insert(records.end(), 8, static_cast<std::uint8_t>(p + 1));
  }
  records.insert(records.end(), {0x02, 0x00});
  return poke(row.firstRecord, std::move(records));
}

SyntheticRom& SyntheticRom::poke(std::uint32_t offset, std::vector<std::uint8_t> bytes) {
  if (offset > kRomSize || bytes.size() > kRomSize - offset)
    throw std::invalid_argument("poke outside the image");
  pokes_.emplace_back(offset, std::move(bytes));
  return *this;
}

SyntheticRom& SyntheticRom::signature(std::uint8_t value) {
  return poke(layout::kSignatureOffset, {value});
}

SyntheticRom& SyntheticRom::truncate(std::size_t size) {
  size_ = size;
  return *this;
}

std::vector<std::uint8_t> SyntheticRom::bytes() const {
  std::vector<std::uint8_t> image = noiseImage(kRomSize, seed_);
  image[layout::kSignatureOffset] = layout::kSignatureValue;

  std::uint32_t at = layout::kTeamNameBlockOffset;
  for (const TeamContent& t : teams_) {
    // LoROM address behind a 512-byte copier header.
    putWord(image, layout::pointerLowByte(t.index),
            static_cast<std::uint16_t>(0x8000 | ((at - 0x200) & 0x7FFF)));
    put(image, at, t.blockNameBytes);
    at += static_cast<std::uint32_t>(t.blockNameBytes.size());
    image[at++] = 0x00;
  }
  std::fill(image.begin() + at, image.begin() + layout::kTeamNameBlockOffset + layout::kTeamNameBlockSize,
            0x20);

  for (const TeamContent& t : teams_) writeTeam(image, t);
  for (const auto& [offset, bytes] : pokes_) put(image, offset, bytes);

  if (size_ > image.size()) {
    const std::vector<std::uint8_t> tail = noiseImage(size_, seed_);
    image.insert(image.end(), tail.begin() + static_cast<std::ptrdiff_t>(image.size()), tail.end());
  }
  image.resize(size_);
  return image;
}

void SyntheticRom::writeTo(const std::filesystem::path& path) const {
  const std::vector<std::uint8_t> image = bytes();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace quarven::testing
