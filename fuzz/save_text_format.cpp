#include "save_text_format.h"

#include "fuzz_reader.h"

namespace quarven::fuzz {

namespace {

void readText(FuzzReader& in, std::string& field) {
  if (auto text = in.text()) field = std::move(*text);
}

// Every text field in input order.
template <typename Input, typename Visit>
void forEachText(Input& input, Visit visit) {
  visit(input.teamNameText);
  visit(input.abbrevText);
  for (int row = 0; row < layout::kMaxPlayers; ++row) {
    visit(input.numberTexts[row]);
    visit(input.nameTexts[row]);
  }
  for (auto& line : input.lineTexts)
    for (auto& box : line) visit(box);
}

void putText(std::vector<std::uint8_t>& out, const std::string& text) {
  const std::size_t n = std::min<std::size_t>(text.size(), 255);
  out.push_back(static_cast<std::uint8_t>(n));
  out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
}

}  // namespace

SaveTextCase decodeSaveText(std::span<const std::uint8_t> data,
                            const std::array<save::SaveInput, layout::kTeamCount>& loaded) {
  FuzzReader in(data);
  const std::uint8_t flags = in.byte().value_or(0);
  SaveTextCase c;
  c.teamIndex = in.byte().value_or(0) % layout::kTeamCount;
  c.input = loaded[c.teamIndex];
  c.input.teamNameChangeOn = flags & kTextTeamNameChange;
  c.input.abbrevChangeOn = !(flags & kTextAbbrevChangeOff);
  forEachText(c.input, [&](std::string& field) { readText(in, field); });
  for (auto& colour : c.input.sampleColours)
    if (in.byte().value_or(0) & kOwnColour) colour = in.word(4).value_or(colour);
  return c;
}

std::vector<std::uint8_t> encodeSaveText(const SaveTextCase& c) {
  std::vector<std::uint8_t> out;
  out.push_back(static_cast<std::uint8_t>((c.input.teamNameChangeOn ? kTextTeamNameChange : 0) |
                                          (c.input.abbrevChangeOn ? 0 : kTextAbbrevChangeOff)));
  out.push_back(static_cast<std::uint8_t>(c.teamIndex));
  forEachText(c.input, [&](const std::string& field) { putText(out, field); });
  for (const std::uint32_t colour : c.input.sampleColours) {
    out.push_back(kOwnColour);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(colour >> (8 * i)));
  }
  return out;
}

}  // namespace quarven::fuzz
