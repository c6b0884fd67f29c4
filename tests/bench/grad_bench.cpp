// One gradient, as the mixer paints into a preview box, against surfaces that cost nothing to draw.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "mixer/Grad.h"

namespace chelan {
namespace {

class NullSurface : public Surface {
 public:
  double OuterWidth() const override { return 1395; }
  double OuterHeight() const override { return 285; }
  void FillRect(int left, int top, int right, int bottom, ColorValue color) override {
    benchmark::DoNotOptimize(left + top + right + bottom + static_cast<int>(color));
  }
};

struct Fill {
  int left, top, right, bottom;
  ColorValue color;
};

class RecordingSurface : public Surface {
 public:
  RecordingSurface() { fills.reserve(Grad::kBands); }
  double OuterWidth() const override { return 1395; }
  double OuterHeight() const override { return 285; }
  void FillRect(int left, int top, int right, int bottom, ColorValue color) override {
    fills.push_back({left, top, right, bottom, color});
  }
  std::vector<Fill> fills;
};

void BM_GradientNullSurface(benchmark::State& state) {
  NullSurface surface;
  for (auto _ : state) {
    std::int32_t r = 220, g = 100, b = 120;
    Grad::Gradient(surface, r, g, b, true);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_GradientNullSurface);

void BM_GradientRecordingSurface(benchmark::State& state) {
  RecordingSurface surface;
  for (auto _ : state) {
    surface.fills.clear();
    std::int32_t r = 220, g = 100, b = 120;
    Grad::Gradient(surface, r, g, b, false);
    benchmark::DoNotOptimize(surface.fills.data());
  }
}
BENCHMARK(BM_GradientRecordingSurface);

}  // namespace
}  // namespace chelan
