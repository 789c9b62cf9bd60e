#include "save_edits.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "colours/colour_model.h"
#include "colours/colour_word_table.h"
#include "colours/swatch_data.h"
#include "rom/codecs.h"
#include "save/save_validation.h"

namespace quarven::fuzz {

namespace {

using Letters = std::vector<std::string>;

// The characters an encoder has a byte for, found through the decoder, without `leftOut`.
template <typename Encode, typename Decode>
Letters lettersOf(Encode encode, Decode decode, std::string_view leftOut = {}) {
  Letters letters;
  for (int value = 0; value < 256; ++value) {
    const std::string letter = decode(static_cast<std::uint8_t>(value));
    if (encode(letter) == value && letter != leftOut) letters.push_back(letter);
  }
  return letters;
}

const Letters& playerLetters() {
  static const Letters letters = lettersOf(codec::encodePlayerLetter, codec::decodePlayerLetter);
  return letters;
}

// "_" is the block's terminator: a name cannot hold it.
const Letters& teamLetters() {
  static const Letters letters = lettersOf(codec::encodeTeamLetter, codec::decodeTeamLetter, "_");
  return letters;
}

const Letters& abbrevLetters() {
  static const Letters letters = lettersOf(codec::encodeAbbrevLetter, codec::decodeAbbrevLetter);
  return letters;
}

// A number below `range` (at least 1).
int pick(FuzzReader& in, int range) {
  return in.byte().value_or(0) % std::max(range, 1);
}

std::string word(FuzzReader& in, const Letters& letters, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) text += letters[pick(in, static_cast<int>(letters.size()))];
  return text;
}

class Editor {
 public:
  Editor(const TeamLoadResult& load, save::SaveInput input)
      : state_(load.state), rows_(std::clamp<int>(load.state.playercount, 0, layout::kMaxPlayers)) {
    edited_.input = std::move(input);
    edited_.abbrevField = state_.abbrevBytes;
    edited_.teamName = load.text10();
    edited_.colourWords = load.state.colourWords;
  }

  void apply(FuzzReader& in) {
    switch (in.byte().value_or(0) % kEditKinds) {
      case kName:
        return name(in);
      case kNumber:
        return number(in);
      case kLine:
        return line(in);
      case kAbbrev:
        return abbreviation(in);
      case kTeamName:
        return teamName(in);
      case kRecolour:
        return recolour(in);
    }
  }

  EditedTeam done() && {
    const std::size_t name =
        teamNameEdited_ ? edited_.teamName.size() : state_.teamnameBytes[state_.teamIndex].size();
    edited_.blockFits = blockWith(name) <= layout::kTeamNameBlockSize;
    return std::move(edited_);
  }

 private:
  save::SaveInput& input() { return edited_.input; }

  // Bytes the row's record takes: the bytes it was read from while unedited, a byte a letter once
  // edited (every letter edited in is in the set).
  int recordBytes(int row) {
    const bool unedited = !nameEdited_[row];
    const std::size_t letters =
        unedited ? state_.playernameBytes[row].size() : codec::characterCount(input().nameTexts[row]);
    return static_cast<int>(letters) + layout::kRecordOverhead;
  }

  void name(FuzzReader& in) {
    const int row = pick(in, rows_);
    std::string text = word(in, playerLetters(), pick(in, save::kMaxPlayerNameLength + 1));
    int others = 0;
    for (int r = 0; r < rows_; ++r) others += r == row ? 0 : recordBytes(r);
    const int room = state_.playerletterlimit - others - layout::kRecordOverhead;
    if (rows_ == 0 || room < 0) return;
    text.resize(std::min<std::size_t>(text.size(), static_cast<std::size_t>(room)));  // one byte a letter
    input().nameTexts[row] = text;
    nameEdited_[row] = true;
  }

  void number(FuzzReader& in) {
    const int row = pick(in, rows_);
    const std::string shown = codec::hexText(static_cast<std::uint8_t>(pick(in, 256)));
    if (rows_ == 0) return;
    const std::string before = std::exchange(input().numberTexts[row], shown);
    const auto roster = std::span(input().numberTexts).first(static_cast<std::size_t>(rows_));
    if (std::find(roster.begin(), roster.end(), before) != roster.end()) return;
    for (int line = 0; line < layout::kLineCount; ++line)
      for (int box = 0; box < layout::kLineSlots[line]; ++box)
        if (input().lineTexts[line][box] == before) retype(line, box, shown);
  }

  void line(FuzzReader& in) {
    const int line = pick(in, layout::kLineCount);
    const int box = pick(in, layout::kLineSlots[line]);
    const int row = pick(in, rows_);
    if (rows_ > 0) retype(line, box, input().numberTexts[row]);
  }

  void retype(int line, int box, const std::string& text) {
    input().lineTexts[line][box] = text;
    input().lineEdited[line][box] = true;
  }

  void abbreviation(FuzzReader& in) {
    const int length = pick(in, state_.abbrevLength + 1);
    std::string text;
    std::array<std::uint8_t, layout::kAbbrevFieldSize> field = state_.abbrevBytes;
    for (int i = 0; i < length; ++i) {
      const std::uint8_t choice = in.byte().value_or(0);
      const std::string& letter = abbrevLetters()[choice % abbrevLetters().size()];
      field[i] = *codec::encodeAbbrevLetter(letter);
      const bool lower = (choice & 0x80) && letter[0] >= 'A' && letter[0] <= 'Z';
      text += lower ? static_cast<char>(letter[0] - 'A' + 'a') : letter[0];
    }
    if (!input().abbrevChangeOn) return;
    input().abbrevText = text;
    // A text that reads as the field did leaves it as it was; an empty one writes nothing.
    const bool unedited = text == codec::decodeAbbreviation(state_.abbrevBytes);
    edited_.abbrevField = unedited ? state_.abbrevBytes : field;
  }

  // Bytes the team-name block takes with the team's name `nameBytes` long: SAVE ends every one of
  // the 28 names with a terminator, also where the block it was read from held fewer.
  std::size_t blockWith(std::size_t nameBytes) const {
    std::size_t block = layout::kTeamCount + nameBytes;
    for (int k = 0; k < layout::kTeamCount; ++k)
      block += k == state_.teamIndex ? 0 : state_.teamnameBytes[k].size();
    return block;
  }

  void teamName(FuzzReader& in) {
    const std::string text = word(in, teamLetters(), 1 + pick(in, save::kMaxTeamNameLength));
    if (!input().teamNameChangeOn || blockWith(text.size()) > layout::kTeamNameBlockSize) return;
    input().teamNameText = text;
    edited_.teamName = text;
    teamNameEdited_ = true;
  }

  void recolour(FuzzReader& in) {
    const int slot = pick(in, kSlotCount);
    const auto& swatches = colours::swatchColourList();
    const std::uint32_t colour = swatches[in.word(2).value_or(0) % swatches.size()].second;
    const std::optional<std::uint16_t> word = colours::colourWordOf(colour);
    if (!word) return;  // the one swatch SAVE refuses
    input().sampleColours[slot] = colour;
    input().recoloured[slot] = true;
    edited_.colourWords[slot] = *word;
  }

  const SelectedTeam& state_;
  const int rows_;
  std::array<bool, layout::kMaxPlayers> nameEdited_{};
  bool teamNameEdited_ = false;
  EditedTeam edited_;
};

}  // namespace

EditInput splitEditInput(std::span<const std::uint8_t> data) {
  FuzzReader in(data);
  const std::uint32_t length = in.word(2).value_or(0);
  EditInput parts;
  parts.image = in.bytes(length);
  parts.script = in.rest();
  return parts;
}

std::vector<std::uint8_t> joinEditInput(const std::vector<std::uint8_t>& image,
                                        const std::vector<std::uint8_t>& script) {
  std::vector<std::uint8_t> out = {static_cast<std::uint8_t>(image.size()),
                                   static_cast<std::uint8_t>(image.size() >> 8)};
  out.insert(out.end(), image.begin(), image.end());
  out.insert(out.end(), script.begin(), script.end());
  return out;
}

EditedTeam applyEdits(FuzzReader& script, const TeamLoadResult& load, save::SaveInput loaded) {
  Editor editor(load, std::move(loaded));
  while (!script.empty()) editor.apply(script);
  return std::move(editor).done();
}

}  // namespace quarven::fuzz
