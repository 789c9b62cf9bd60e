#include "rom/team_load.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>

#include "rom/codecs.h"
#include "rom/record_walk.h"
#include "rom/team_name_block.h"
#include "rom/team_table.h"

namespace quarven {

namespace {

constexpr std::size_t kPointerTableBytes = layout::kTeamNameBlockOffset - layout::kTeamNamePointerOffset;

// The bytes of one team, each structure read in one piece.
struct TeamBytes {
  std::vector<std::uint8_t> lines = std::vector<std::uint8_t>(layout::kLineTableSize);
  std::vector<std::uint8_t> records;
  std::vector<std::uint8_t> abbrev = std::vector<std::uint8_t>(layout::kAbbrevFieldSize);
  std::vector<std::uint8_t> home = std::vector<std::uint8_t>(layout::kPaletteBytesRead);
  std::vector<std::uint8_t> away = std::vector<std::uint8_t>(layout::kPaletteBytesRead);
};

std::string notLoaded(const TeamRow& row, const std::string& why) {
  return why + ", so " + std::string(row.fullName) + " was not loaded.";
}

// Reads a structure; on failure the message the user sees.
std::optional<std::string> readPlace(RomImage& rom, const TeamRow& row, std::uint32_t offset,
                                     std::vector<std::uint8_t>& out) {
  if (offset > rom.size() || out.size() > rom.size() - offset)
    return notLoaded(row, "The ROM image is too short to hold this team's data");
  if (!rom.read(offset, out)) return notLoaded(row, "The ROM image could not be read");
  return std::nullopt;
}

std::optional<std::string> readTeamPlaces(RomImage& rom, const TeamRow& row, TeamBytes& bytes) {
  bytes.records.resize(std::min<std::size_t>(static_cast<std::size_t>(row.recordBudget) + 2, kMaxRecordArea));
  const std::pair<std::uint32_t, std::vector<std::uint8_t>*> places[] = {
      {layout::lineTable(row.firstRecord), &bytes.lines},
      {row.firstRecord, &bytes.records},
      {row.abbrevOffset, &bytes.abbrev},
      {layout::homePalette(row.index), &bytes.home},
      {layout::awayPalette(row.index), &bytes.away},
  };
  for (const auto& [offset, out] : places)
    if (auto failure = readPlace(rom, row, offset, *out)) return failure;
  return std::nullopt;
}

// The bytes read at every place a SAVE of the team may write.
KnownBytes knownPlaces(const TeamRow& row, const std::vector<std::uint8_t>& names, const TeamBytes& bytes) {
  KnownBytes known;
  known.add(layout::kTeamNamePointerOffset, names);
  known.add(layout::lineTable(row.firstRecord), bytes.lines);
  known.add(row.firstRecord, bytes.records);
  known.add(row.abbrevOffset, bytes.abbrev);
  known.add(layout::homePalette(row.index), bytes.home);
  known.add(layout::awayPalette(row.index), bytes.away);
  return known;
}

TeamLoadResult unchanged(TeamLoadOutcome outcome, const SelectedTeam& state, std::string message) {
  TeamLoadResult result;
  result.outcome = outcome;
  result.state = state;
  result.message = std::move(message);
  return result;
}

// A team-name block that cannot be split into the 28 names stops the load.
std::string damagedNameBlock(const TeamRow& row, const std::string& problem) {
  return notLoaded(row, "The team-name block of the ROM image is damaged: it holds " + problem);
}

// A 29th terminator at block index `stop`.
std::string tooManyNames(const TeamRow& row, std::size_t stop) {
  char offset[16];
  std::snprintf(offset, sizeof offset, "0x%X", static_cast<unsigned>(layout::kTeamNameBlockOffset + stop));
  return damagedNameBlock(
      row, "more than 28 team names (a 29th name ends at file offset " + std::string(offset) + ")");
}

// Terminators in the block's 261 bytes (the last one, which the split does not read, only when the
// image holds it): a block the editor itself filled to its last byte ends its 28th name there.
std::size_t terminatorCount(std::span<const std::uint8_t> block) {
  return static_cast<std::size_t>(std::count(block.begin(), block.end(), std::uint8_t{0}));
}

TeamLoadResult unknownTeam(std::string_view key, const SelectedTeam& state) {
  return unchanged(TeamLoadOutcome::Failed, state, "There is no team \"" + std::string(key) + "\".");
}

// What stopped the record walk, for the load's message and for SAVE's refusal.
std::string recordsProblem(const RecordWalk& walk) {
  const std::string record = "the record of roster row " + std::to_string(walk.stoppedRow + 1);
  return walk.stop == RecordWalk::Stop::BadLengthByte
             ? record + " has the length byte " + std::to_string(walk.stoppedLength) +
                   ", which is no record length"
             : record + " would run past the team's record area";
}

// The colour words of a palette's slots into `words`.
void readColourWords(const std::vector<std::uint8_t>& palette, std::span<std::uint16_t> words) {
  for (int s = 0; s < layout::kColourSlots; ++s)
    words[s] =
        static_cast<std::uint16_t>(palette[layout::slotByte(s)] | palette[layout::slotByte(s) + 1] << 8);
}

void setTeamRow(SelectedTeam& state, const TeamRow& row) {
  state.loaded = true;
  state.teamIndex = row.index;
  state.fullName = std::string(row.fullName);
  state.playercount = static_cast<std::int16_t>(row.playerCount);
  state.playerletterlimit = static_cast<std::int16_t>(row.recordBudget);
  state.playeraddress = row.firstRecord + 1;
  state.homecoloraddress = layout::homePalette(row.index);
  state.awaycoloraddress = layout::awayPalette(row.index);
  state.abbrevaddress = row.abbrevOffset;
  state.abbrevLength = row.abbrevLength;
  state.teamnameLoaded = state.teamnameBytes[static_cast<std::size_t>(row.index)];
  state.teamNamesWritten = false;
}

void fillRoster(TeamLoadResult& result, const TeamRow& row, const RecordWalk& walk,
                const std::array<std::string, layout::kMaxPlayers>& shownNumbers) {
  result.numberTexts = shownNumbers;
  std::fill_n(result.numberTexts.begin(), row.playerCount, std::string());
  result.state.playerextra = {};
  result.state.playernameText = {};
  result.state.playernameBytes = {};
  result.state.playernumberBytes = {};
  result.state.rosterWritten = false;
  for (std::size_t i = 0; i < walk.rows.size(); ++i) {
    const PlayerRecord& record = walk.rows[i];
    result.rows.push_back({codec::hexText(record.number), record.name, codec::hexText(record.carried[0])});
    result.numberTexts[i] = result.rows.back().number;
    result.state.playernameText[i] = record.name;
    result.state.playernameBytes[i] = record.nameBytes;
    result.state.playernumberBytes[i] = record.number;
    for (int j = 0; j < layout::kCarriedBytes; ++j) result.state.playerextra[j][i] = record.carried[j];
  }
  result.state.recordsReadable = walk.stop == RecordWalk::Stop::None;
  result.state.recordsProblem = result.state.recordsReadable ? std::string() : recordsProblem(walk);
  if (!result.state.recordsReadable)
    result.message = "The player records of " + std::string(row.fullName) +
                     " cannot be read: " + result.state.recordsProblem +
                     ". The rows before it are shown; SAVE will not write this team.";
}

void fillLines(TeamLoadResult& result, const TeamRow& row, const std::vector<std::uint8_t>& lines) {
  const std::uint32_t table = layout::lineTable(row.firstRecord);
  for (int line = 0; line < layout::kLineCount; ++line)
    for (int box = 0; box < layout::kLineSlots[line]; ++box) {
      const std::uint32_t at = layout::lineSlot(row.firstRecord, line, layout::lineEntryByteOfBox(line, box));
      result.state.lineSlotBytes[line][box] = lines[at - table];
      result.lineBoxes[line][box] = codec::lineSlotText(lines[at - table], result.numberTexts);
    }
}

}  // namespace

TeamLoadResult loadTeam(RomImage& rom, std::string_view teamKey, const SelectedTeam& current,
                        const std::array<std::string, layout::kMaxPlayers>& shownNumbers) {
  const TeamRow* row = findTeamByKey(teamKey);
  if (!row) return unknownTeam(teamKey, current);

  // The pointer table and the block up to its 261st byte, where the image holds that byte.
  std::vector<std::uint8_t> names(layout::kTeamNamePlacesSize);
  if (rom.size() < layout::kTeamNameBlockOffset + layout::kTeamNameBlockSize) names.pop_back();
  if (auto failure = readPlace(rom, *row, layout::kTeamNamePointerOffset, names))
    return unchanged(TeamLoadOutcome::Failed, current, *failure);
  const auto block = std::span(names).subspan(kPointerTableBytes);
  SelectedTeam state = current;
  std::size_t stop = 0;
  if (!splitTeamNames(block.first(layout::kTeamNameBlockRead), state.teamname, state.teamnameBytes, &stop))
    return unchanged(TeamLoadOutcome::StoppedByTerminator, current, tooManyNames(*row, stop));
  if (const std::size_t count = terminatorCount(block); count < layout::kTeamCount)
    return unchanged(
        TeamLoadOutcome::StoppedByTerminator, current,
        damagedNameBlock(*row, "only " + std::to_string(count) + " team names where there must be 28"));

  TeamBytes bytes;
  if (auto failure = readTeamPlaces(rom, *row, bytes))
    return unchanged(TeamLoadOutcome::Failed, current, *failure);

  TeamLoadResult result;
  result.state = std::move(state);
  setTeamRow(result.state, *row);
  result.state.onDisk = knownPlaces(*row, names, bytes);
  result.state.unfinished = {};
  const RecordWalk walk = walkRecords(bytes.records, row->playerCount);
  fillRoster(result, *row, walk, shownNumbers);
  fillLines(result, *row, bytes.lines);
  std::copy_n(bytes.abbrev.begin(), layout::kAbbrevFieldSize, result.state.abbrevBytes.begin());
  result.abbreviation = codec::decodeAbbreviation(bytes.abbrev);
  const std::span<std::uint16_t> words(result.state.colourWords);
  readColourWords(bytes.home, words.first(layout::kColourSlots));
  readColourWords(bytes.away, words.last(layout::kColourSlots));
  result.outcome =
      result.state.recordsReadable ? TeamLoadOutcome::Loaded : TeamLoadOutcome::LoadedRecordsUnreadable;
  return result;
}

TeamLoadResult loadTeam(RomOpener& opener, std::string_view teamKey, const SelectedTeam& current,
                        const std::array<std::string, layout::kMaxPlayers>& shownNumbers) {
  const TeamRow* row = findTeamByKey(teamKey);
  if (!row) return unknownTeam(teamKey, current);
  std::string error;
  const std::unique_ptr<RomImage> rom = opener.open(FileRom::Mode::ReadOnly, &error);
  if (!rom)
    return unchanged(TeamLoadOutcome::Failed, current,
                     notLoaded(*row, "The ROM image could not be opened (" + error + ")"));
  return loadTeam(*rom, teamKey, current, shownNumbers);
}

}  // namespace quarven
