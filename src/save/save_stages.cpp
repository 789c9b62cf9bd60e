#include "save/save_stages.h"

#include "save/abbreviation_writer.h"
#include "save/line_table_writer.h"
#include "save/palette_writer.h"
#include "save/player_record_writer.h"
#include "save/text_encoding.h"

namespace quarven::save {

HalfWritten halfWritten(const SelectedTeam& team) {
  const UnfinishedWrites& u = team.unfinished;
  const std::uint32_t records = team.firstRecord();
  return {
      u.within(layout::kTeamNamePointerOffset, layout::kTeamNamePointerOffset + layout::kTeamNamePlacesSize),
      u.within(team.abbrevaddress, team.abbrevaddress + layout::kAbbrevFieldSize),
      u.within(records, records + static_cast<std::uint32_t>(team.playerletterlimit) + 2)};
}

SaveInput withHalfWrittenPlaces(SaveInput input, const HalfWritten& half) {
  input.teamNameChangeOn = input.teamNameChangeOn || half.teamNames;
  input.abbrevChangeOn = input.abbrevChangeOn || half.abbreviation;
  return input;
}

Decisions decide(const SelectedTeam& team, const SaveInput& input, const SavePlan& plan,
                 const TeamNameLayout& names, std::int64_t playerletters, const HalfWritten& half) {
  Decisions d;
  // Names are laid out again only for a new name: a block that another tool laid out otherwise
  // (filler, pointer high bytes, names out of place) stays as it is while the name is as loaded.
  const bool teamNameEdited = !showsTeamNameBytes(input.teamNameText, team.teamnameLoaded);
  d.writesTeamNames = input.teamNameChangeOn && fitsTeamNameBlock(names) &&
                      (teamNameEdited || team.teamNamesWritten || half.teamNames);
  // An unedited roster stays as it is: rewriting it would put what the window cannot show (a length
  // word's high byte, an odd record length, a missing end marker) into the normal form.
  d.writesRoster = plan.rosterEdited || team.rosterWritten || half.records;
  // The record budget limits what the roster writer lays out: a stored roster that is not written
  // again (another tool may have laid it out past the budget) holds no other save back.
  d.withinBudget = !d.writesRoster || playerletters <= team.playerletterlimit;
  return d;
}

bool Stages::palettes(RomImage& rom) const {
  return writeUniformPalettes(rom, team.homecoloraddress, team.awaycoloraddress, plan.slotWords);
}

bool Stages::teamNames(RomImage& rom) const {
  return !decided.writesTeamNames || writeTeamNameBlock(rom, names);
}

bool Stages::roster(RomImage& rom) const {
  const std::uint32_t firstRecord = team.firstRecord();
  return saveteamabbrev(rom, team.abbrevaddress, plan.abbrevLetters) &&
         (!decided.writesRoster || saveplayernames(rom, firstRecord, plan.players, team.playerextra)) &&
         savelinechanges(rom, firstRecord, plan.lineSlots);
}

bool Stages::rest(WriteLog& rom) const {
  if (!roster(rom)) return false;
  UnfinishedWrites left = team.unfinished;
  for (const LoggedWrite& write : rom.writes()) left.finish(write.offset, write.bytes.size());
  for (const ByteRun& run : left.before())
    if (!rom.write(run.offset, run.bytes)) return false;
  return true;
}

std::vector<Place> Stages::places() const {
  std::vector<Place> places = {{team.homecoloraddress, layout::kPaletteSize},
                               {team.awaycoloraddress, layout::kPaletteSize}};
  if (decided.writesTeamNames)
    places.push_back({layout::kTeamNamePointerOffset, layout::kTeamNamePlacesSize});
  if (!decided.withinBudget) return places;
  places.push_back({team.abbrevaddress, plan.abbrevLetters.size()});
  const std::uint64_t records =
      decided.writesRoster ? static_cast<std::uint64_t>(playerRecordBytes(plan.players)) + 2 : 0;
  places.push_back({layout::lineTable(team.firstRecord()), layout::kLineTableSize + records});
  for (const ByteRun& run : team.unfinished.before()) places.push_back({run.offset, run.bytes.size()});
  return places;
}

}  // namespace quarven::save
