#include "repair_checks.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "colours/colour_word_table.h"
#include "rom/codecs.h"
#include "rom/rom_layout.h"
#include "rom/team_table.h"
#include "rom/unfinished_writes.h"
#include "save/player_record_writer.h"
#include "save/save_stages.h"
#include "save/save_validation.h"
#include "save_probe.h"

namespace quarven::fuzz {

namespace {

save::SavePlan planOf(const SelectedTeam& loaded, const save::SaveInput& input) {
  const save::PlanResult prepared =
      save::prepareSave(loaded, input, colours::editthecolor(input.sampleColours));
  require(prepared.plan.has_value(), "SAVE refused valid edits");
  return *prepared.plan;
}

std::span<const std::uint8_t> range(const std::vector<std::uint8_t>& image, std::uint32_t from,
                                    std::size_t count) {
  return std::span(image).subspan(from, count);
}

// What the failed SAVE tried and could not put back: of its writes up to the one that failed, each
// whose range no longer holds what it held before; of those, the bytes it tried to change, with
// what they held before.
using ByteValues = std::map<std::uint32_t, std::uint8_t>;
ByteValues expectedUnfinished(const std::vector<std::uint8_t>& now, const FailedSave& failed,
                              const ReferenceSave& reference) {
  ByteValues left;
  const auto& writes = reference.written;
  for (std::size_t i = 0; i < writes.size() && i <= static_cast<std::size_t>(failed.failingWrite); ++i) {
    const auto [offset, count] = writes[i];
    if (std::ranges::equal(range(now, offset, count), range(failed.asLoaded, offset, count))) continue;
    for (std::uint32_t at = offset; at < offset + count; ++at)
      if (reference.after[at] != failed.asLoaded[at]) left.emplace(at, failed.asLoaded[at]);
  }
  return left;
}

ByteValues valuesOf(const std::vector<ByteRun>& runs) {
  ByteValues values;
  for (const ByteRun& run : runs)
    for (std::size_t i = 0; i < run.bytes.size(); ++i)
      values.emplace(run.offset + static_cast<std::uint32_t>(i), run.bytes[i]);
  return values;
}

struct Place {
  std::uint32_t offset;
  std::size_t count;
};

bool unchanged(const std::vector<std::uint8_t>& now, const std::vector<std::uint8_t>& before, Place place) {
  return std::ranges::equal(range(now, place.offset, place.count), range(before, place.offset, place.count));
}

// After a SAVE between: the places the failed SAVE left half written hold the window's contents;
// the unedited places it never touched hold what they held at the load.
void checkPlaces(MemoryRom& rom, const FailedSave& failed, const EditedTeam& shown,
                 const save::HalfWritten& half, save::SaveOutcome outcome) {
  const SelectedTeam& loaded = failed.load.state;
  const Place names{layout::kTeamNamePointerOffset, layout::kTeamNamePlacesSize};
  const Place abbreviation{loaded.abbrevaddress, layout::kAbbrevFieldSize};
  const Place records{loaded.firstRecord(), static_cast<std::size_t>(loaded.playerletterlimit) + 2};
  const std::vector<std::uint8_t>& before = failed.asLoaded;
  if (!half.teamNames && shown.teamName == failed.load.text10())
    require(unchanged(rom.bytes(), before, names),
            "an unedited team-name block the failed SAVE never touched changed");
  if (!half.abbreviation && shown.abbrevField == loaded.abbrevBytes)
    require(unchanged(rom.bytes(), before, abbreviation),
            "an unedited abbreviation the failed SAVE never touched changed");
  if (!half.records && !planOf(loaded, shown.input).rosterEdited)
    require(unchanged(rom.bytes(), before, records),
            "an unedited roster the failed SAVE never touched changed");

  // Over the budget the roster is not written: it may still be half written, and not load.
  if (outcome != save::SaveOutcome::Saved) return;
  const TeamLoadResult reload = checkedLoad(rom, teamByIndex(loaded.teamIndex).key, {}, {});
  require(reload.loaded(), "the team no longer loads after a SAVE that finished a failed one");
  if (half.teamNames) {
    // Written from the window's names (unless the block it lays out does not fit: then put back).
    const bool written = shown.blockFits;
    for (int k = 0; k < layout::kTeamCount; ++k)
      if (k != loaded.teamIndex || !written || shown.teamName == failed.load.text10())
        require(reload.state.teamnameBytes[k] == loaded.teamnameBytes[k],
                "a half-written team-name block was not written from the window's names");
    require(reload.text10() == (written ? shown.teamName : failed.load.text10()),
            "a half-written team-name block was not written from the window's name");
  }
  if (half.abbreviation)
    require(reload.abbreviation == codec::decodeAbbreviation(shown.abbrevField),
            "a half-written abbreviation was not written from the window");
  if (half.records)
    for (int row = 0; row < loaded.playercount; ++row)
      require(reload.rows[row].name == shown.input.nameTexts[row] &&
                  reload.rows[row].number == shown.input.numberTexts[row],
              "a half-written roster was not written from the window");
}

}  // namespace

save::SaveOutcome expectedOutcome(const SelectedTeam& loaded, const save::SaveInput& input,
                                  bool recordsHalfWritten) {
  const save::SavePlan plan = planOf(loaded, input);
  const bool writesRoster = plan.rosterEdited || recordsHalfWritten;
  return writesRoster && save::playerRecordBytes(plan.players) > loaded.playerletterlimit
             ? save::SaveOutcome::OverBudget
             : save::SaveOutcome::Saved;
}

void checkSavesAfterFailure(MemoryRom& rom, SelectedTeam& state, const FailedSave& failed,
                            const EditedTeam& shown, const Mishap& mishap) {
  const ReferenceSave reference = referenceSave(failed.asLoaded, failed.load.state, failed.input);
  const ByteValues left = expectedUnfinished(rom.bytes(), failed, reference);
  require(valuesOf(state.unfinished.before()) == left,
          "the bytes left half written are not those the failed SAVE changed or tried to change");
  const save::HalfWritten half = save::halfWritten(state);

  // Another program writes into a byte left half written: its value before the failed SAVE and the
  // one tried are known, any other is asked about where SAVE would write over it.
  std::optional<ByteWrite> outside;
  if (mishap.outsideKind != HalfWrittenValue::None && !left.empty()) {
    const std::uint32_t at = std::next(left.begin(), mishap.outsideIndex % left.size())->first;
    const std::uint8_t value = mishap.outsideKind == HalfWrittenValue::Before  ? failed.asLoaded[at]
                               : mishap.outsideKind == HalfWrittenValue::Tried ? reference.after[at]
                                                                               : mishap.outsideValue;
    rom.bytes()[at] = value;
    outside = ByteWrite{at, value};
  }
  std::vector<SaveOptions> saves = mishap.savesBetween;
  if (outside && saves.empty()) saves.push_back({shown.input.teamNameChangeOn, shown.input.abbrevChangeOn});

  for (const SaveOptions& options : saves) {
    save::SaveInput input = shown.input;
    input.teamNameChangeOn = options.teamNameChangeOn;
    input.abbrevChangeOn = options.abbrevChangeOn;
    int questions = 0;
    WrittenRanges written;
    save::SaveResult result = checkedSave(rom, state, input, {.questions = &questions, .written = &written});
    if (questions > 0) result = checkedSave(rom, state, input, {.answerYes = true, .written = &written});
    if (outside) {
      const auto values = writtenValues(written, rom.bytes());
      const auto value = values.find(outside->at);
      const bool overwrites = value != values.end() && value->second != outside->value &&
                              outside->value != failed.asLoaded[outside->at] &&
                              outside->value != reference.after[outside->at];
      require((questions > 0) == overwrites,
              questions > 0
                  ? "SAVE asked about a byte holding the value before the failed SAVE or the one it tried"
                  : "SAVE wrote over another program's byte unasked after a failed SAVE");
      outside.reset();
    } else {
      require(questions == 0, "SAVE asked, though no other program wrote to the image");
    }
    const save::SaveOutcome expected = expectedOutcome(failed.load.state, input, half.records);
    require(result.outcome == expected, expected == save::SaveOutcome::Saved
                                            ? "SAVE did not take valid edits after a failed one"
                                            : "SAVE took a roster over its budget after a failed one");
    if (result.outcome == save::SaveOutcome::Saved)
      require(state.unfinished.empty(), "a SAVE after a failed one saved and left a place half written");
    checkPlaces(rom, failed, shown, half, result.outcome);
  }
}

}  // namespace quarven::fuzz
