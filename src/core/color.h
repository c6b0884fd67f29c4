#pragma once
// Colour values as Windows keeps them: red + 256 × green + 65536 × blue, top byte 0.
#include <algorithm>
#include <cstdint>

namespace chelan {

using ColorValue = std::uint32_t;

// A component above 255 is taken as 255 (and one below 0 as 0), so that a box holding "300" still
// gives a valid colour.
constexpr ColorValue Rgb(int red, int green, int blue) {
  auto clamp = [](int c) { return static_cast<ColorValue>(std::clamp(c, 0, 255)); };
  return clamp(red) | clamp(green) << 8 | clamp(blue) << 16;
}

constexpr int RedOf(ColorValue c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColorValue c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorValue c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace chelan
