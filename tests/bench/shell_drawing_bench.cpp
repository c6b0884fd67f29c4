// The page shell's portable drawing work at the design sizes: the canvas gradient and the logo
// tones, each done once per page load.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/pixels.h"
#include "core/surface.h"
#include "shell/page_gradient.h"
#include "shell/tones.h"

namespace chelan {
namespace {

class NullSurface : public Surface {
 public:
  double OuterWidth() const override { return 603; }
  double OuterHeight() const override { return 357; }
  void FillRect(int left, int top, int right, int bottom, ColorValue color) override {
    benchmark::DoNotOptimize(left + top + right + bottom + static_cast<int>(color));
  }
};

class Buffer : public PixelImage {
 public:
  Buffer(int width, int height) : width_(width), pixels_(static_cast<std::size_t>(width * height)) {
    for (std::size_t i = 0; i < pixels_.size(); ++i)
      pixels_[i] = static_cast<ColorValue>(i * 2654435761u) & 0xFFFFFF;
  }
  int Width() const override { return width_; }
  int Height() const override { return static_cast<int>(pixels_.size()) / width_; }
  ColorValue GetPixel(int x, int y) const override {
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
  }
  void SetPixel(int x, int y, ColorValue color) override {
    pixels_[static_cast<std::size_t>(y * width_ + x)] = color;
  }

 private:
  int width_;
  std::vector<ColorValue> pixels_;
};

void BM_PageGradient(benchmark::State& state) {
  NullSurface canvas;
  for (auto _ : state) PaintPageGradient(canvas, kPage1Gradient, 603, 357);
}
BENCHMARK(BM_PageGradient);

void BM_LogoTones(benchmark::State& state) {
  Buffer logo(32, 32);
  Buffer bright(32, 32);
  Buffer dark(32, 32);
  for (auto _ : state) {
    ScaleTones(logo, bright, 1.3f);
    ScaleTones(bright, dark, 0.4f);
    benchmark::DoNotOptimize(dark.GetPixel(31, 31));
  }
}
BENCHMARK(BM_LogoTones);

}  // namespace
}  // namespace chelan
