#pragma once
// The puzzle's random source: uniform values in [0, 1), seeded once per opening of the window.
#include <cstdint>
#include <functional>

#include "platform/services.h"

namespace chelan {

using UniformRandom = std::function<double()>;

// A generator that repeats its sequence for the same seed.
UniformRandom MakeUniformRandom(std::uint64_t seed);

// A seed from the clock's reading. Two openings within the same second shuffle alike, which is
// harmless; a fake clock makes a window's shuffles repeatable in tests.
std::uint64_t ClockSeed(const LocalTime& now);

}  // namespace chelan
