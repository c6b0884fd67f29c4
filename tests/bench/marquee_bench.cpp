// One marquee frame composed against a canvas that records nothing: the portable share of a tick.
#include <benchmark/benchmark.h>

#include "shell/marquee.h"
#include "shell/marquee_lines.h"

namespace chelan {
namespace {

// Measures like a canvas with fixed metrics and draws nothing, so only the composition is timed.
class NullCanvas final : public Canvas {
 public:
  void CopyBlock(CanvasSource, int, int, int, int) override {}
  void SetFontSize(int points) override { points_ = points; }
  TextSize TextExtent(std::wstring_view text) override {
    return {static_cast<int>(text.size()) * points_, points_ * 3 / 2};
  }
  void SetTextColor(ColorValue) override {}
  void DrawPlainText(int, int, std::wstring_view) override {}
  void DrawOutlinedText(int, int, std::wstring_view) override {}

 private:
  int points_ = 0;
};

void BM_MarqueeFrame(benchmark::State& s) {
  NullCanvas canvas;
  const MarqueeLayout layout = LayOutMarquee(canvas, MakeMarqueeLines(L"2024/5/6"));
  // The design canvas: 603 × 357 pixels under a 32 × 32 logo.
  MarqueeState state = MakeMarqueeState(603, 357, 32, 32);
  Canvas& target = canvas;  // through the interface, as the page calls it
  for (auto _ : s) {
    ComposeMarqueeFrame(target, layout, state);
    benchmark::DoNotOptimize(state.scrollPosition);
  }
}
BENCHMARK(BM_MarqueeFrame);

void BM_MarqueeAdvanceUndrawn(benchmark::State& s) {
  NullCanvas canvas;
  const MarqueeLayout layout = LayOutMarquee(canvas, MakeMarqueeLines(L"2024/5/6"));
  MarqueeState state = MakeMarqueeState(603, 357, 32, 32);
  for (auto _ : s) {
    AdvanceMarquee(layout, state);
    benchmark::DoNotOptimize(state.scrollPosition);
  }
}
BENCHMARK(BM_MarqueeAdvanceUndrawn);

}  // namespace
}  // namespace chelan
