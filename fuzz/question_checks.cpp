#include "question_checks.h"

#include "rom/rom_layout.h"
#include "save_probe.h"

namespace quarven::fuzz {

namespace {
// The pointer table's high bytes are laid out from the first pointer's, read from the image.
constexpr std::uint32_t kFirstPointerHigh = layout::kTeamNamePointerOffset + 1;
}  // namespace

void checkChangeWhileAsked(MemoryRom& rom, const SelectedTeam& loaded, const save::SaveInput& input,
                           const std::vector<std::uint8_t>& asLoaded, const Mishap& mishap) {
  const ByteWrite first = *mishap.secondWrite;
  const ByteWrite during = *mishap.whileAsked;
  if (first.at >= rom.size() || during.at >= rom.size()) return;
  rom.bytes()[first.at] = first.value;
  const std::vector<std::uint8_t> firstAsked = rom.bytes();
  std::vector<std::uint8_t> afterQuestion;  // the image once the other program is done
  const auto otherProgram = [&](MemoryRom& image) {
    if (!afterQuestion.empty()) return;  // only while the first question is on screen
    if (mishap.renamed) image.bytes() = asLoaded;
    image.bytes()[during.at] = during.value;
    afterQuestion = image.bytes();
  };

  SelectedTeam team = loaded;
  int questions = 0;
  WrittenRanges written;
  save::SaveResult result = checkedSave(rom, team, input,
                                        {.questions = &questions,
                                         .answers = {true, mishap.secondAnswerYes},
                                         .duringQuestion = otherProgram,
                                         .written = &written});
  if (questions == 0) return;  // the first write is not overwritten: no question to change things in
  const bool askedAgain = questions > 1;
  if (result.outcome == save::SaveOutcome::ChangedOnDisk) {
    // Answered No the second time (checkedSave: nothing written). What would Yes have written?
    result = checkedSave(rom, team, input, {.answers = {true, true}, .written = &written});
  }
  require(result.outcome == save::SaveOutcome::Saved || result.outcome == save::SaveOutcome::OverBudget,
          "SAVE did not take valid edits after Yes");

  // Asked again exactly when it writes another value over a byte changed during the question to
  // a value the editor neither read at the load nor was asked about.
  const auto values = writtenValues(written, rom.bytes());
  bool overwrites = false;
  for (const std::uint32_t at : {first.at, during.at}) {
    const std::uint8_t now = afterQuestion[at];
    const auto value = values.find(at);
    overwrites = overwrites || (now != asLoaded[at] && now != firstAsked[at] && value != values.end() &&
                                value->second != now);
  }
  require(askedAgain == overwrites,
          askedAgain ? "SAVE asked again, though it overwrites nothing changed during the question"
                     : "SAVE overwrote a change made during its question without asking again");

  // Saved into the image as it is after the question: what the save writes over the image as
  // loaded, and the other program's bytes elsewhere.
  if (afterQuestion[kFirstPointerHigh] != asLoaded[kFirstPointerHigh]) return;
  const ReferenceSave reference = referenceSave(asLoaded, loaded, input);
  std::vector<std::uint8_t> expected = afterQuestion;
  for (const auto& [at, value] : writtenValues(reference.written, reference.after)) expected[at] = value;
  require(rom.bytes() == expected, "the image at the path does not hold what SAVE wrote after the question");
}

}  // namespace quarven::fuzz
