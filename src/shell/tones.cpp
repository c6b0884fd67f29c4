#include "shell/tones.h"

#include <cmath>

namespace chelan {

namespace {

int ScaleChannel(int channel, float factor) {
  // Worked in double from the single factor, as a whole number times a single always was, so
  // 1.3 keeps its single-precision shortfall.
  const double scaled = std::nearbyint(channel * static_cast<double>(factor));
  // A negative or not-a-number factor gives black rather than a wrapped-around channel.
  if (!(scaled > 0.0)) return 0;
  return scaled >= 255.0 ? 255 : static_cast<int>(scaled);
}

}  // namespace

ColorValue ScaleTone(ColorValue color, float factor) {
  return Rgb(ScaleChannel(RedOf(color), factor), ScaleChannel(GreenOf(color), factor),
             ScaleChannel(BlueOf(color), factor));
}

void ScaleTones(const PixelImage& source, PixelImage& target, float factor,
                const std::function<void()>& afterColumn) {
  if (factor == 1.0f) return;
  const int width = source.Width();
  const int height = source.Height();
  for (int x = 0; x < width; ++x) {
    if (x < target.Width()) {
      for (int y = 0; y < height && y < target.Height(); ++y) {
        target.SetPixel(x, y, ScaleTone(source.GetPixel(x, y), factor));
      }
    }
    if (afterColumn) afterColumn();
  }
}

}  // namespace chelan
