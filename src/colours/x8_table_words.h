#pragma once
// The palette words that both colour tables hold by the x8 rule: the key table maps each word's colour
// text to its x8 colour, the word table maps that x8 colour back to the word.

#include <cstdint>
#include <span>

namespace quarven::colours {

std::span<const std::uint16_t> x8TableWords();

}  // namespace quarven::colours
