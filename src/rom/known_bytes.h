#pragma once
// The bytes at the places SAVE may write, as this editor last knew them: what team load read there,
// then what each SAVE wrote. A byte may be known with more than one value: a write that failed and
// could not be put back left either the old or the new one. Before it writes, SAVE compares the
// image with them, so that what another program changed since is not overwritten unasked.

#include <cstdint>
#include <span>
#include <vector>

namespace quarven {

class KnownBytes {
 public:
  // A place read: its bytes become known.
  void add(std::uint32_t offset, std::span<const std::uint8_t> bytes);
  // Bytes written: known with these values only, where they lie within a place.
  void update(std::uint32_t offset, std::span<const std::uint8_t> bytes);
  // Bytes that may now hold these values too (a write not put back; a change the user let stand).
  void allow(std::uint32_t offset, std::span<const std::uint8_t> bytes);
  // True when the byte at the offset may hold the value: always outside the places.
  bool accepts(std::uint32_t offset, std::uint8_t value) const;

  bool operator==(const KnownBytes&) const = default;

 private:
  // The values a byte may hold, one bit each.
  struct Values {
    std::uint64_t bits[4] = {};
    bool operator==(const Values&) const = default;
  };
  struct Place {
    std::uint32_t offset = 0;
    std::vector<Values> bytes;
    bool operator==(const Place&) const = default;
  };
  const Values* find(std::uint32_t offset) const;
  Values* find(std::uint32_t offset) {
    return const_cast<Values*>(static_cast<const KnownBytes*>(this)->find(offset));
  }

  std::vector<Place> places_;
};

}  // namespace quarven
