#include "save/save_validation.h"

#include <algorithm>

#include "rom/codecs.h"
#include "rom/team_table.h"
#include "save/save_labels.h"
#include "save/save_messages.h"
#include "save/text_encoding.h"

namespace quarven::save {

namespace {

// Number of roster rows of the selected team, kept within the grid.
int rosterRows(const SelectedTeam& team) {
  return std::clamp<int>(team.playercount, 0, layout::kMaxPlayers);
}

// A character as a message shows it: quoted, or by its code when it cannot be seen.
std::string shown(const std::string& character) {
  const auto c = static_cast<unsigned char>(character.empty() ? 0 : character[0]);
  if (character.size() == 1 && (c < 0x20 || c == 0x7F)) return "the character with code " + std::to_string(c);
  return "the character \"" + character + "\"";
}

std::string rowName(int row) {
  return "Player row " + std::to_string(row + 1);
}

// A jersey number text: one or two hexadecimal digits, read as a hexadecimal number (12 gives 0x12).
std::optional<std::uint8_t> numberByte(std::string_view text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int value = 0;
  for (char c : text) {
    const auto digit = codec::hexDigitValue(c);
    if (!digit) return std::nullopt;
    value = value * 16 + *digit;
  }
  return static_cast<std::uint8_t>(value);
}

std::string badNumber(int row, const std::string& text) {
  return rowName(row) + ": the number \"" + text + "\" is not a jersey number. Use one or two digits.";
}

// A number box still showing the hex text of the byte read for its row goes back as that byte; any
// other text is read as a jersey number.
std::optional<std::uint8_t> rowNumber(const SelectedTeam& team, const SaveInput& input, int row) {
  const std::uint8_t loaded = team.playernumberBytes[row];
  if (input.numberTexts[row] == codec::hexText(loaded)) return loaded;
  return numberByte(input.numberTexts[row]);
}

std::optional<std::string> playerEntries(const SelectedTeam& team, const SaveInput& input, SavePlan& plan) {
  for (int row = 0; row < rosterRows(team); ++row) {
    const std::string& name = input.nameTexts[row];
    const auto number = rowNumber(team, input, row);
    if (name == team.playernameText[row] && !team.playernameBytes[row].empty()) {
      // Unedited: the bytes it was read from, also those shown as hex text.
      if (!number) return badNumber(row, input.numberTexts[row]);
      plan.players.push_back({team.playernameBytes[row], *number});
      continue;
    }
    const std::size_t length = codec::characterCount(name);
    if (length > kMaxPlayerNameLength)
      return rowName(row) + ": the name has " + std::to_string(length) +
             " characters; a player name can have at most 27.";
    EncodedText letters = encodeText(name, codec::encodePlayerLetter);
    if (letters.badCharacter)
      return rowName(row) + ": the name holds " + shown(*letters.badCharacter) +
             ", which player names cannot use. Use A to Z, a to z, space, full stop or apostrophe.";
    if (!number) return badNumber(row, input.numberTexts[row]);
    plan.players.push_back({std::move(letters.bytes), *number});
  }
  return std::nullopt;
}

// Fills the plan's players, and notes whether any of them differs from what the load read.
std::optional<std::string> checkPlayers(const SelectedTeam& team, const SaveInput& input, SavePlan& plan) {
  auto problem = playerEntries(team, input, plan);
  plan.rosterEdited = false;
  for (std::size_t row = 0; row < plan.players.size(); ++row)
    if (plan.players[row].letters != team.playernameBytes[row] ||
        plan.players[row].number != team.playernumberBytes[row])
      plan.rosterEdited = true;
  return problem;
}

// Each line box names the last roster row whose number text equals its text exactly. A box the
// user did not type into keeps its byte when it pointed outside the roster at load, or when the
// player it pointed at still wears the number it shows (another player may wear it too).
std::optional<std::string> checkLines(const SelectedTeam& team, const SaveInput& input, SavePlan& plan) {
  for (int line = 0; line < layout::kLineCount; ++line) {
    for (int box = 0; box < layout::kLineSlots[line]; ++box) {
      const std::uint8_t loaded = team.lineSlotBytes[line][box];
      const std::string& text = input.lineTexts[line][box];
      const bool outsideRoster = loaded < 1 || loaded > rosterRows(team);
      if (!input.lineEdited[line][box] && (outsideRoster || input.numberTexts[loaded - 1] == text)) {
        plan.lineSlots[line][box] = loaded;
        continue;
      }
      int match = -1;
      for (int row = 0; row < rosterRows(team); ++row)
        if (input.numberTexts[row] == text) match = row;
      if (match < 0)
        return std::string(kLineCaptions[line]) + ", " + std::string(linePositionName(line, box)) +
               ": no player has the number \"" + text + "\". Enter the number of a player of this team.";
      plan.lineSlots[line][box] = static_cast<std::uint8_t>(match + 1);
    }
  }
  return std::nullopt;
}

std::optional<std::string> checkAbbreviation(const SelectedTeam& team, const SaveInput& input,
                                             SavePlan& plan) {
  if (!input.abbrevChangeOn) return std::nullopt;
  if (input.abbrevText == codec::decodeAbbreviation(team.abbrevBytes)) {
    // Unedited: the bytes it was read from, also those shown as hex text.
    plan.abbrevLetters.assign(team.abbrevBytes.begin(), team.abbrevBytes.end());
    return std::nullopt;
  }
  const std::size_t length = codec::characterCount(input.abbrevText);
  if (length > layout::kAbbrevFieldSize)
    return "The abbreviation \"" + input.abbrevText + "\" has " + std::to_string(length) +
           " characters; an abbreviation can have at most 3.";
  EncodedText letters = encodeText(codec::upperCaseAscii(input.abbrevText), codec::encodeAbbrevLetter);
  if (letters.badCharacter)
    return "The abbreviation holds " + shown(*letters.badCharacter) +
           ", which abbreviations cannot use. Use A to Z, full stop, space or _.";
  plan.abbrevLetters = std::move(letters.bytes);
  return std::nullopt;
}

std::optional<std::string> checkTeamNameCharacters(const SelectedTeam& team, const SaveInput& input) {
  if (!input.teamNameChangeOn) return std::nullopt;
  const auto k = teamIndexByFullName(team.fullName);
  if (k && showsTeamNameBytes(input.teamNameText, team.teamnameBytes[*k])) return std::nullopt;  // unedited
  const EncodedText name = encodeText(input.teamNameText, encodeTeamNameLetter);
  if (name.badCharacter)
    return "The team name holds " + shown(*name.badCharacter) +
           (*name.badCharacter == kTeamNameEnd
                ? ", which ends a name in the ROM image's list of team names and so cannot be part of one."
                : ", which team names cannot use.") +
           " Use A to Z, a to z, full stop or space.";
  return std::nullopt;
}

// A slot the user did not recolour keeps the word the load read; a recoloured one takes the word of
// the colour its figure shows.
std::optional<std::string> checkColours(const SelectedTeam& team, const SaveInput& input,
                                        const SlotWordLookup& slotWords, SavePlan& plan) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!input.recoloured[slot]) {
      plan.slotWords[slot] = team.colourWords[slot];
      continue;
    }
    if (!slotWords[slot]) {
      const bool home = slot < layout::kColourSlots;
      return std::string(home ? "HOME" : "AWAY") + " uniform, " +
             std::string(kPartNames[slot % layout::kColourSlots]) +
             ": this colour cannot be saved. Pick another colour for this part.";
    }
    plan.slotWords[slot] = *slotWords[slot];
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> checkTeamNameLength(std::string_view text) {
  if (text.empty()) return kTeamNameEmpty;
  if (codec::characterCount(text) > kMaxTeamNameLength) return kTeamNameTooLong;
  return std::nullopt;
}

PlanResult prepareSave(const SelectedTeam& team, const SaveInput& input, const SlotWordLookup& slotWords) {
  PlanResult result;
  if (!team.loaded) {
    result.problem = "Load a team before saving.";
    return result;
  }
  if (!team.recordsReadable) {
    // Checked first: the rows the load could not read are empty and would be reported instead.
    result.problem = "The player records of " + team.fullName +
                     " could not be read when the team was loaded (" + team.recordsProblem +
                     "), so this team cannot be saved.";
    return result;
  }
  SavePlan plan;
  std::optional<std::string> problem = checkPlayers(team, input, plan);
  if (!problem) problem = checkLines(team, input, plan);
  if (!problem) problem = checkAbbreviation(team, input, plan);
  if (!problem) problem = checkTeamNameCharacters(team, input);
  if (!problem) problem = checkColours(team, input, slotWords, plan);
  if (problem)
    result.problem = std::move(*problem);
  else
    result.plan = std::move(plan);
  return result;
}

}  // namespace quarven::save
