#include "mixer/Grad.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chelan::Grad {

namespace {

// Sizes become whole numbers as the 16-bit integer conversion makes them: to the nearest, and a
// half to the even neighbour, so 283.5 / 63 = 4.5 gives 4 while 94.5 / 63 = 1.5 gives 2.
// Out-of-range values saturate at the bounds instead of overflowing.
std::int64_t RoundHalfEven(double value, std::int64_t low, std::int64_t high) {
  if (std::isnan(value)) return 0;
  value = std::clamp(value, static_cast<double>(low), static_cast<double>(high));
  const double lower = std::floor(value);
  const double fraction = value - lower;
  const bool lowerIsOdd = std::fmod(lower, 2.0) != 0.0;
  const bool up = fraction > 0.5 || (fraction == 0.5 && lowerIsOdd);
  return static_cast<std::int64_t>(lower) + (up ? 1 : 0);
}

// Positions are kept wide so that no band arithmetic can overflow; a coordinate beyond int range
// is far outside any drawing area, so pinning it to the range changes nothing visible.
int ToCoordinate(std::int64_t position) {
  return static_cast<int>(std::clamp<std::int64_t>(position, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// The floor keeps every band after the first at 0 or above, whatever the first band's value.
void Darken(std::int32_t& component) { component = component > kStep ? component - kStep : 0; }

}  // namespace

void Gradient(Surface& target, std::int32_t& r, std::int32_t& g, std::int32_t& b, bool topDown) {
  constexpr std::int64_t kInt16Min = std::numeric_limits<std::int16_t>::min();
  constexpr std::int64_t kInt16Max = std::numeric_limits<std::int16_t>::max();
  constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

  const double height = target.OuterHeight();
  const std::int64_t bandHeight = RoundHalfEven(height / kBands, kInt16Min, kInt16Max);
  // Bottom up, the first band sits on the outer bottom edge; the second rounding matters when the
  // height is fractional.
  std::int64_t top = topDown ? 0 : RoundHalfEven(height - static_cast<double>(bandHeight),
                                                 kInt32Min, kInt32Max);
  const int right = ToCoordinate(RoundHalfEven(target.OuterWidth(), kInt32Min, kInt32Max));
  const int left = 0;
  std::int64_t bottom = bandHeight + top;

  for (int band = 0; band < kBands; ++band) {
    target.FillRect(left, ToCoordinate(top), right, ToCoordinate(bottom), Rgb(r, g, b));
    Darken(r);
    Darken(g);
    Darken(b);
    // Top down, each band starts on the previous band's bottom line and paints over it; bottom up,
    // each band ends on the previous band's top line and paints over that.
    top = topDown ? bottom : top - bandHeight;
    bottom = bandHeight + top;
  }
}

}  // namespace chelan::Grad
