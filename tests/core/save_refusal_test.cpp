#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "save/save_messages.h"
#include "save/save_pipeline.h"
#include "save_fixture.h"

namespace quarven::save {
namespace {

using testing::SaveFixture;

// A refused save shows its one message (a prefix here), opens nothing and writes nothing; an edit
// that no check applies to (no message) saves and leaves the image as it was.
TEST(SaveRefusal, EachCheckRefusesWithNothingWrittenOrLetsTheSaveThrough) {
  const std::vector<std::pair<std::function<void(SaveFixture&)>, std::string>> cases = {
      {[](SaveFixture& f) { f.input.teamNameText.clear(); }, kTeamNameEmpty},
      {[](SaveFixture& f) { f.input.teamNameText = std::string(21, 'A'), f.input.numberTexts[0] = ""; },
       kTeamNameTooLong},  // before a bad row
      {[](SaveFixture& f) { f.input.nameTexts[2] = std::string(28, 'a'); },
       "Player row 3: the name has 28 characters; a player name can have at most 27."},
      {[](SaveFixture& f) { f.input.nameTexts[0] = "Bob9"; },
       "Player row 1: the name holds the character \"9\", which player names cannot use. Use A to Z, a to z, "
       "space, full stop or apostrophe."},
      {[](SaveFixture& f) { f.input.nameTexts[1] = "Jos\xC3\xA9"; },
       "Player row 2: the name holds the character \"\xC3\xA9\""},
      {[](SaveFixture& f) { f.input.numberTexts[4] = ""; },
       "Player row 5: the number \"\" is not a jersey number. Use one or two digits."},
      {[](SaveFixture& f) { f.input.numberTexts[4] = "100"; }, "Player row 5: the number \"100\""},
      {[](SaveFixture& f) { f.input.numberTexts[4] = "1G"; }, "Player row 5: the number \"1G\""},
      {[](SaveFixture& f) { f.input.lineTexts[1][3] = "AB"; },  // numbers are decimal
       "SCORING 2, RD: no player has the number \"AB\". Enter the number of a player of this team."},
      {[](SaveFixture& f) { f.input.lineTexts[6][0] = "0" + f.input.numberTexts[0]; },  // text, not value
       "PEN. KILL 2, C: no player has the number"},
      {[](SaveFixture& f) { f.input.numberTexts[20] = f.input.lineTexts[5][3] = "A5"; },  // a hidden row
       "PEN. KILL 1, LD: no player has the number \"A5\""},
      {[](SaveFixture& f) { f.input.abbrevText = "ABCD"; },
       "The abbreviation \"ABCD\" has 4 characters; an abbreviation can have at most 3."},
      {[](SaveFixture& f) { f.input.abbrevText = "a-b"; },
       "The abbreviation holds the character \"-\", which abbreviations cannot use. Use A to Z, full stop, "
       "space or _."},
      {[](SaveFixture& f) { f.input.teamNameChangeOn = true, f.input.teamNameText = "O'Ducks"; },
       "The team name holds the character \"'\", which team names cannot use. Use A to Z, a to z, full stop "
       "or space."},
      {[](SaveFixture& f) { f.input.teamNameChangeOn = true, f.input.teamNameText = "DAL_LAS"; },
       "The team name holds the character \"_\", which ends a name in the ROM image's list of team names and "
       "so cannot be part of one. Use A to Z, a to z, full stop or space."},
      {[](SaveFixture& f) { f.input.recoloured[18] = true, f.input.sampleColours[18] = 0x008000; },
       "AWAY uniform, Helmet and jersey: this colour cannot be saved. Pick another colour for this part."},
      {[](SaveFixture& f) {  // before the empty rows they leave
         f = testing::makeSaveFixture("Mighty Ducks", false,
                                      testing::SyntheticRom().recordLengthByte("Mighty Ducks", 3, 0));
       },
       "The player records of MIGHTY DUCKS OF ANAHEIM could not be read when the team was loaded (the "
       "record of roster row 4 has the length byte 0, which is no record length), so this team cannot be "
       "saved."},
      {[](SaveFixture& f) { f.team.loaded = false; }, "Load a team before saving."},
      {[](SaveFixture& f) { f.input.teamNameText = "O'Ducks_9"; }, ""},  // team-name box disabled
      {[](SaveFixture& f) { f.input.abbrevChangeOn = false, f.input.abbrevText = "a-b-c"; }, ""},
      {[](SaveFixture& f) { f.input.teamNameText = " "; }, ""},
      {[](SaveFixture& f) { f.input.teamNameText = std::string(20, 'z'); }, ""},
      {[](SaveFixture& f) { f.input.nameTexts[18] = "9999", f.input.numberTexts[24] = "xyz"; }, ""},
  };
  for (const auto& [edit, message] : cases) {
    SCOPED_TRACE(message);
    SaveFixture f = testing::makeSaveFixture("Mighty Ducks");
    edit(f);
    const auto before = f.rom.bytes();
    testing::MemoryOpener opener(f.rom);
    testing::RecordingMessenger messages;
    const SaveOutcome outcome = runSave(opener, f.team, f.input, messages).outcome;
    EXPECT_EQ(f.rom.bytes(), before);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.titles[0], "QUARVEN EDITOR");
    if (message.empty()) {
      EXPECT_EQ(outcome, SaveOutcome::Saved);
      EXPECT_EQ(messages.texts[0], kSaved);
      continue;
    }
    EXPECT_NE(outcome, SaveOutcome::Saved);
    EXPECT_EQ(opener.opens, 0);
    EXPECT_EQ(messages.texts[0].rfind(message, 0), 0u) << messages.texts[0];
  }
}

}  // namespace
}  // namespace quarven::save
