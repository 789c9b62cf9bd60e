#include "rom/hex_procedures.h"

#include "rom/codecs.h"

namespace quarven {

namespace {

constexpr std::size_t kHexWidth = 8;

bool hasHexPrefix(std::string_view text) {
  return text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h');
}

}  // namespace

std::string changeletter(std::uint8_t value) {
  return codec::decodePlayerLetter(value);
}

std::uint32_t ConvertHex(std::string_view H) {
  std::string_view digits = hasHexPrefix(H) ? H.substr(2) : H;
  if (digits.size() > kHexWidth) digits = digits.substr(digits.size() - kHexWidth);
  std::uint32_t value = 0;
  for (const char c : digits) {
    const auto digit = codec::hexDigitValue(c);
    if (!digit) return 0;
    value = value << 4 | *digit;
  }
  return value;
}

std::int32_t HextoDec(std::string_view HexNum, Messenger& messenger) {
  std::uint64_t value = 0;
  for (const char c : HexNum) {
    const auto digit = codec::hexDigitValue(c);
    if (!digit || value > 0x0FFFFFFF) {  // not a digit, or the value no longer fits 32 bits
      messenger.show(UserMessage{codec::upperCaseAscii(HexNum) + " is Not a valid hexadecimal number",
                                 "Hex_to_Dec", UserMessage::Icon::Critical});
      return 0;
    }
    value = value << 4 | *digit;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string fixhex(std::uint8_t value) {
  return value == 0 ? "00" : codec::hexText(value);
}

std::optional<std::string> changeteampointer(int length) {
  if (length < 1 || length > 99) return std::nullopt;
  return std::string{static_cast<char>('0' + length / 10), static_cast<char>('0' + length % 10)};
}

}  // namespace quarven
