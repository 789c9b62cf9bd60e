#include "save/text_encoding.h"

#include "rom/codecs.h"

namespace quarven::save {

EncodedText encodeText(std::string_view text, LetterEncoder encoder) {
  EncodedText out;
  for (const std::string& character : codec::splitCharacters(text)) {
    const auto byte = encoder(character);
    if (!byte) {
      out.badCharacter = character;
      return out;
    }
    out.bytes.push_back(*byte);
  }
  return out;
}

bool showsTeamNameBytes(std::string_view text, const std::vector<std::uint8_t>& bytes) {
  std::string shown;
  for (const std::uint8_t b : bytes) shown += codec::decodeTeamLetter(b);
  return shown == text;
}

std::optional<std::uint8_t> encodeTeamNameLetter(std::string_view character) {
  if (character == kTeamNameEnd) return std::nullopt;
  return codec::encodeTeamLetter(character);
}

std::optional<std::vector<std::uint8_t>> encodeTeamName(std::string_view text) {
  EncodedText encoded = encodeText(text, encodeTeamNameLetter);
  if (encoded.badCharacter) return std::nullopt;
  return std::move(encoded.bytes);
}

}  // namespace quarven::save
