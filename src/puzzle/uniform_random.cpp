#include "puzzle/uniform_random.h"

#include <random>

namespace chelan {

UniformRandom MakeUniformRandom(std::uint64_t seed) {
  return [engine = std::mt19937_64(seed)]() mutable {
    // The top 53 bits over 2^53: exactly representable, so the result can never round up to 1,
    // which std::generate_canonical does not promise on every library.
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
  };
}

std::uint64_t ClockSeed(const LocalTime& now) {
  std::uint64_t seed = static_cast<std::uint64_t>(now.year);
  for (int part : {now.month, now.day, now.hour, now.minute, now.second}) {
    seed = seed * 100 + static_cast<std::uint64_t>(part);
  }
  return seed;
}

}  // namespace chelan
