#include "shell/page_gradient.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace chelan {

std::vector<GradientBand> PageGradientBands(GradientBase base, int canvasHeight) {
  std::vector<GradientBand> bands;
  // A canvas without height has nothing to show, and would make the step a division by zero.
  if (canvasHeight <= 0) return bands;

  // The step spreads the fall from 150 to 0 over the canvas height (not over the bands that fit),
  // so the band that ends on the bottom edge is still a little blue. Blue is carried as a fraction
  // and added up band by band, as the painting always did, so each band is rounded from the same
  // running value.
  const double step = -static_cast<double>(kGradientTopBlue) * kGradientBandHeight / canvasHeight;
  double blue = kGradientTopBlue;
  bands.reserve(static_cast<std::size_t>(canvasHeight / kGradientBandHeight + 1));
  for (std::int64_t top = 0; top < canvasHeight; top += kGradientBandHeight) {
    blue = std::max(blue, 0.0);
    const int height =
        static_cast<int>(std::min<std::int64_t>(kGradientBandHeight, canvasHeight - top));
    // nearbyint under the default rounding mode takes a half to the even neighbour.
    const int roundedBlue = static_cast<int>(std::nearbyint(blue));
    bands.push_back({static_cast<int>(top), height, Rgb(base.red, base.green, roundedBlue)});
    blue += step;
  }
  return bands;
}

void PaintPageGradient(Surface& canvas, GradientBase base, int canvasWidth, int canvasHeight) {
  if (canvasWidth <= 0) return;
  for (const GradientBand& band : PageGradientBands(base, canvasHeight)) {
    // The surface includes both corners, so each band ends on its own last row and column.
    canvas.FillRect(0, band.top, canvasWidth - 1, band.top + band.height - 1, band.color);
  }
}

}  // namespace chelan
