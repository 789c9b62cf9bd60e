#pragma once
// A small seeded generator for the synthetic ROM images: the same seed gives the same bytes on
// every machine and compiler (unlike the standard distributions).

#include <cstdint>

namespace quarven::testing {

class PseudoRandom {
 public:
  explicit PseudoRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() { return mix(state_ += 0x9E3779B97F4A7C15ull); }
  std::uint8_t byte() { return static_cast<std::uint8_t>(next() >> 32); }
  // Uniform enough in lo..hi (inclusive) for test data.
  int between(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
  }

  // A stateless value for a key: the filler byte at a file offset does not depend on what else
  // the image holds, so a truncated or altered image keeps the same filler elsewhere.
  static std::uint8_t byteAt(std::uint64_t seed, std::uint64_t key) {
    return static_cast<std::uint8_t>(mix(seed * 0x2545F4914F6CDD1Dull + key) >> 24);
  }

 private:
  static std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint64_t state_;
};

}  // namespace quarven::testing
