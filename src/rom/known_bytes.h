#pragma once
// The bytes at the places SAVE may write, as this editor last knew them: what team load read there,
// then what each SAVE wrote that was not put back. Before it writes, SAVE compares the image with
// them, so that what another program changed since is not overwritten unasked.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quarven {

class KnownBytes {
 public:
  // A place read: its bytes become known.
  void add(std::uint32_t offset, std::span<const std::uint8_t> bytes);
  // Bytes written: known from now on where they lie within a place.
  void update(std::uint32_t offset, std::span<const std::uint8_t> bytes);
  // Bytes no longer known: a write that failed and could not be put back may have changed them.
  void forget(std::uint32_t offset, std::size_t count);
  // The byte known at an offset; nothing outside the places, or where forgotten.
  std::optional<std::uint8_t> at(std::uint32_t offset) const;

  bool operator==(const KnownBytes&) const = default;

 private:
  struct Place {
    std::uint32_t offset = 0;
    std::vector<std::optional<std::uint8_t>> bytes;
    bool operator==(const Place&) const = default;
  };
  std::optional<std::uint8_t>* find(std::uint32_t offset);

  std::vector<Place> places_;
};

}  // namespace quarven
