#include "rom/codecs.h"

namespace quarven::codec {

namespace {

enum SetBits : unsigned {
  kLetters = 1,
  kStop = 2,
  kSpace = 4,
  kLower = 8,
  kApostrophe = 16,
  kUnderscore = 32
};
constexpr unsigned kPlayerSet = kLetters | kStop | kSpace | kLower | kApostrophe;
constexpr unsigned kTeamSet = kLetters | kStop | kSpace | kLower | kUnderscore;
constexpr unsigned kAbbrevSet = kLetters | kStop | kSpace | kUnderscore;

// The set row a byte belongs to, 0 when none.
unsigned rowOfByte(std::uint8_t b) {
  if (b >= 0x41 && b <= 0x5A) return kLetters;
  if (b == 0x2E) return kStop;
  if (b == 0x20) return kSpace;
  if (b >= 0x61 && b <= 0x7A) return kLower;
  if (b == 0x27) return kApostrophe;
  if (b == 0x00) return kUnderscore;
  return 0;
}

std::string decode(std::uint8_t b, unsigned set) {
  if ((rowOfByte(b) & set) == 0) return hexText(b);
  if (b == 0x00) return "_";
  return std::string(1, static_cast<char>(b));
}

std::optional<std::uint8_t> encode(std::string_view character, unsigned set) {
  if (character.size() != 1) return std::nullopt;  // empty, several characters, or not ASCII
  const char c = character[0];
  if (c == '_') return (set & kUnderscore) ? std::optional<std::uint8_t>(0x00) : std::nullopt;
  if (c == 0) return std::nullopt;  // a NUL character is not "_"
  const auto b = static_cast<std::uint8_t>(c);
  if (rowOfByte(b) & set) return b;
  return std::nullopt;
}

// Length of the UTF-8 sequence that starts with byte b (1 for a stray continuation byte).
std::size_t sequenceLength(unsigned char b) {
  if (b >= 0xF0 && b < 0xF8) return 4;
  if (b >= 0xE0) return b < 0xF0 ? 3 : 1;
  if (b >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string hexText(std::uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  if (value >= 0x10) text += kDigits[value >> 4];
  text += kDigits[value & 0x0F];
  return text;
}

std::optional<std::uint8_t> hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  return std::nullopt;
}

std::string decodePlayerLetter(std::uint8_t value) {
  return decode(value, kPlayerSet);
}
std::string decodeTeamLetter(std::uint8_t value) {
  return decode(value, kTeamSet);
}
std::string decodeAbbrevLetter(std::uint8_t value) {
  return decode(value, kAbbrevSet);
}

std::string decodeAbbreviation(std::span<const std::uint8_t> field) {
  std::string text;
  for (const std::uint8_t b : field) text += decodeAbbrevLetter(b);
  return text;
}

std::optional<std::uint8_t> encodePlayerLetter(std::string_view c) {
  return encode(c, kPlayerSet);
}
std::optional<std::uint8_t> encodeTeamLetter(std::string_view c) {
  return encode(c, kTeamSet);
}
std::optional<std::uint8_t> encodeAbbrevLetter(std::string_view c) {
  return encode(c, kAbbrevSet);
}

std::string lineSlotText(std::uint8_t value, const std::array<std::string, 25>& numberTexts) {
  if (value < 1 || value > 25) return {};
  return numberTexts[value - 1];
}

std::vector<std::string> splitCharacters(std::string_view text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = sequenceLength(static_cast<unsigned char>(text[i]));
    if (i + n > text.size()) n = text.size() - i;
    out.emplace_back(text.substr(i, n));
    i += n;
  }
  return out;
}

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += sequenceLength(static_cast<unsigned char>(text[i]))) ++count;
  return count;
}

std::string upperCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace quarven::codec
