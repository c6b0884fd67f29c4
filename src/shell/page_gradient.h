#pragma once
// The colour bands of a skin page's hidden canvas picBody: 7 pixels high, blue running from 150 at
// the top to about 0 at the bottom under a red and green fixed per page.
#include <vector>

#include "core/color.h"
#include "core/surface.h"

namespace chelan {

inline constexpr int kGradientBandHeight = 7;
inline constexpr int kGradientTopBlue = 150;

// The fixed red and green of a page's canvas.
struct GradientBase {
  int red;
  int green;
};

inline constexpr GradientBase kPage1Gradient{250, 50};
inline constexpr GradientBase kPage2Gradient{50, 200};
inline constexpr GradientBase kPage3Gradient{200, 225};

// One band, running across the full canvas width.
struct GradientBand {
  int top;
  int height;
  ColorValue color;
  bool operator==(const GradientBand&) const = default;
};

// The bands that show on a canvas of the given height in pixels, top first, each clipped to the
// canvas (so the last may be lower than 7). None when the height is 0 or less.
std::vector<GradientBand> PageGradientBands(GradientBase base, int canvasHeight);

// Fills those bands across a canvas of the given inner size, each with one rectangle, top first.
void PaintPageGradient(Surface& canvas, GradientBase base, int canvasWidth, int canvasHeight);

}  // namespace chelan
