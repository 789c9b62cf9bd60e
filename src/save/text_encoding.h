#pragma once
// Turns a whole text into ROM bytes with one of the character encoders, one byte per character.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarven::save {

using LetterEncoder = std::optional<std::uint8_t> (*)(std::string_view character);

struct EncodedText {
  std::vector<std::uint8_t> bytes;          // complete only when badCharacter is empty
  std::optional<std::string> badCharacter;  // the first character the encoder has no byte for
};

EncodedText encodeText(std::string_view text, LetterEncoder encoder);

// "_" shows the 0x00 byte that ends each name of the team-name block, so it cannot be part of a name.
inline constexpr std::string_view kTeamNameEnd = "_";

// A letter of a team name: the team-name set without "_".
std::optional<std::uint8_t> encodeTeamNameLetter(std::string_view character);

// Team names: A-Z, a-z, full stop and space; nothing for a text holding any other character.
std::optional<std::vector<std::uint8_t>> encodeTeamName(std::string_view text);

// True when the text is what the stored bytes show, i.e. the user has not changed the name. Bytes
// outside the team-name set show as hex text, which would not encode back to them.
bool showsTeamNameBytes(std::string_view text, const std::vector<std::uint8_t>& bytes);

}  // namespace quarven::save
