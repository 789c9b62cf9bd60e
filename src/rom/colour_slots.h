#pragma once
// The colour slots of a team's two uniforms: 0..9 the home palette's, 10..19 the away palette's,
// each side in the part order SL, PA, SO, SD, TS, BS, MS, SH, HJ, SS.

#include <array>

#include "rom/rom_layout.h"

namespace quarven {

inline constexpr int kSlotCount = 2 * layout::kColourSlots;

// One value per colour slot, home then away.
template <typename T>
using ColourSlots = std::array<T, kSlotCount>;

}  // namespace quarven
