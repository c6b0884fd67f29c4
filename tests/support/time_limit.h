#pragma once
// Time limits of the tests that run under Wine, stretched by CHELAN_TIME_FACTOR (a whole number from
// 1 to 100; 1 when missing or anything else) where everything runs slower: tools/test sets it for
// the 32-bit build under user-mode emulation. A limit only bounds a wait that ends as soon as what
// it waits for has happened, so a larger one costs nothing where the test passes.
#include <chrono>
#include <cstdlib>

namespace chelan {

inline int TimeFactor() {
  static const int factor = [] {
    const char* text = std::getenv("CHELAN_TIME_FACTOR");
    if (!text) return 1;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= 1 && value <= 100 ? static_cast<int>(value) : 1;
  }();
  return factor;
}

inline std::chrono::milliseconds TimeLimit(std::chrono::milliseconds limit) { return limit * TimeFactor(); }

}  // namespace chelan
