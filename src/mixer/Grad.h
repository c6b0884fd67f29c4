#pragma once
// The module Grad: paints a surface with 63 horizontal bands that darken from a starting colour.
#include <cstdint>

#include "core/surface.h"

namespace chelan::Grad {

inline constexpr int kBands = 63;
// Each band is this much darker in every component than the one before it, down to 0.
inline constexpr std::int32_t kStep = 4;

// Paints target from its top edge downwards when topDown is true, otherwise from its bottom edge
// upwards. r, g and b give the first band's colour and are counted down as the bands are drawn:
// each is left at max(0, value - 252). Bands are measured from the target's outer size; the far
// ones may fall outside its drawing area, where the target clips them.
void Gradient(Surface& target, std::int32_t& r, std::int32_t& g, std::int32_t& b, bool topDown);

}  // namespace chelan::Grad
