#include "mixer/Grad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace chelan {
namespace {

struct Fill {
  int left, top, right, bottom;
  ColorValue color;
};

// Records every fill in order.
class RecordingSurface : public Surface {
 public:
  RecordingSurface(double width, double height) : width_(width), height_(height) {}
  double OuterWidth() const override { return width_; }
  double OuterHeight() const override { return height_; }
  void FillRect(int left, int top, int right, int bottom, ColorValue color) override {
    fills.push_back({left, top, right, bottom, color});
  }
  std::vector<Fill> fills;

 private:
  double width_, height_;
};

// A pixel grid smaller than or equal to the outer size, as a box with a border is: fills are
// clipped to the grid and later fills paint over earlier ones.
class RasterSurface : public Surface {
 public:
  static constexpr ColorValue kBackground = Rgb(1, 2, 3);
  RasterSurface(int width, int outerHeight, int innerHeight)
      : width_(width), outerHeight_(outerHeight), innerHeight_(innerHeight),
        pixels_(static_cast<std::size_t>(width * innerHeight), kBackground) {}
  double OuterWidth() const override { return width_; }
  double OuterHeight() const override { return outerHeight_; }
  void FillRect(int left, int top, int right, int bottom, ColorValue color) override {
    for (int y = std::max(top, 0); y <= std::min(bottom, innerHeight_ - 1); ++y) {
      for (int x = std::max(left, 0); x <= std::min(right, width_ - 1); ++x) {
        pixels_[static_cast<std::size_t>(y * width_ + x)] = color;
      }
    }
  }
  ColorValue Row(int y) const { return pixels_[static_cast<std::size_t>(y * width_)]; }

 private:
  int width_, outerHeight_, innerHeight_;
  std::vector<ColorValue> pixels_;
};

// Band geometry ------------------------------------------------------------------------------

struct Geometry {
  const char* name;
  double width, height;
  bool topDown;
  int bandHeight;
  int firstTop;  // top of band 0
  int lastTop;   // top of band 62, worked out by hand
  int right;
};

class GradientGeometry : public ::testing::TestWithParam<Geometry> {};

TEST_P(GradientGeometry, SixtyThreeEqualBandsMarchFromTheStartingEdge) {
  const Geometry& c = GetParam();
  RecordingSurface surface(c.width, c.height);
  std::int32_t r = 0, g = 0, b = 255;
  Grad::Gradient(surface, r, g, b, c.topDown);

  ASSERT_EQ(surface.fills.size(), 63u);
  const int direction = c.topDown ? 1 : -1;
  for (int k = 0; k < 63; ++k) {
    const Fill& f = surface.fills[static_cast<std::size_t>(k)];
    const int top = c.firstTop + direction * k * c.bandHeight;
    EXPECT_EQ(f.left, 0) << "band " << k;
    EXPECT_EQ(f.right, c.right) << "band " << k;
    EXPECT_EQ(f.top, top) << "band " << k;
    EXPECT_EQ(f.bottom, top + c.bandHeight) << "band " << k;
  }
  EXPECT_EQ(surface.fills.back().top, c.lastTop);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, GradientGeometry,
    ::testing::Values(
        // 285 / 63 = 4.52 gives 5; 63 bands of 5 reach 315, past the box.
        Geometry{"box285TopDown", 1395, 285, true, 5, 0, 310, 1395},
        // First band 280 to 285, next 275 to 280; the last ones lie above 0.
        Geometry{"box285BottomUp", 1395, 285, false, 5, 280, -30, 1395},
        // 1515 / 63 = 24.05 gives 24; the bands end at 1512, short of the edge.
        Geometry{"window1515TopDown", 3135, 1515, true, 24, 0, 1488, 3135},
        Geometry{"window1515BottomUp", 3135, 1515, false, 24, 1491, 3, 3135},
        // 283.5 / 63 is exactly 4.5: the half goes to the even 4, not up to 5.
        Geometry{"halfBandHeightToEvenBelow", 100, 283.5, true, 4, 0, 248, 100},
        // 94.5 / 63 is exactly 1.5: the half goes up to the even 2.
        Geometry{"halfBandHeightToEvenAbove", 100, 94.5, true, 2, 0, 124, 100},
        // 157.5 / 63 = 2.5 gives 2; the start 155.5 rounds up to the even 156.
        Geometry{"bottomUpStartHalfRoundsUp", 100, 157.5, false, 2, 156, 32, 100},
        // 94.5 - 2 = 92.5 rounds down to the even 92.
        Geometry{"bottomUpStartHalfRoundsDown", 100, 94.5, false, 2, 92, -32, 100},
        // The width is rounded the same way: 1395.5 to 1396, 1396.5 to 1396, 1396.4 to 1396.
        Geometry{"widthHalfRoundsUp", 1395.5, 285, true, 5, 0, 310, 1396},
        Geometry{"widthHalfRoundsDown", 1396.5, 285, true, 5, 0, 310, 1396},
        Geometry{"widthBelowHalf", 1396.4, 285, true, 5, 0, 310, 1396},
        // Lower than 32: the band height is 0 and every fill falls on one line.
        Geometry{"lowerThan32TopDown", 1395, 31, true, 0, 0, 0, 1395},
        Geometry{"lowerThan32BottomUp", 1395, 31, false, 0, 31, 31, 1395},
        // 31.5 / 63 is exactly 0.5, which goes to the even 0; 32 / 63 = 0.508 gives 1.
        Geometry{"halfTwipAbove31StillFlat", 1395, 31.5, true, 0, 0, 0, 1395},
        Geometry{"height32GetsBandsOfOne", 1395, 32, true, 1, 0, 62, 1395},
        Geometry{"height32BottomUp", 1395, 32, false, 1, 31, -31, 1395},
        Geometry{"emptyTarget", 0, 0, true, 0, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Band colours and the in/out arguments ------------------------------------------------------

struct Colors {
  const char* name;
  std::int32_t r, g, b;        // passed in
  ColorValue first, last;      // colours of band 0 and band 62, by hand
  std::int32_t rAfter, gAfter, bAfter;
};

// Band k carries max(0, c - 4k) of a component c, shown with anything above 255 as 255.
int Expected(std::int32_t c, int k) {
  const std::int64_t value = std::max<std::int64_t>(0, std::int64_t{c} - 4 * k);
  return static_cast<int>(std::min<std::int64_t>(value, 255));
}

class GradientColors : public ::testing::TestWithParam<Colors> {};

TEST_P(GradientColors, EachBandIsFourDarkerDownToZeroAndTheArgumentsAreCountedDown) {
  const Colors& c = GetParam();
  for (const bool topDown : {true, false}) {
    SCOPED_TRACE(topDown ? "top down" : "bottom up");
    RecordingSurface surface(1395, 285);
    std::int32_t r = c.r, g = c.g, b = c.b;
    Grad::Gradient(surface, r, g, b, topDown);

    ASSERT_EQ(surface.fills.size(), 63u);
    EXPECT_EQ(surface.fills.front().color, c.first);
    EXPECT_EQ(surface.fills.back().color, c.last);
    for (int k = 0; k < 63; ++k) {
      const ColorValue color = surface.fills[static_cast<std::size_t>(k)].color;
      EXPECT_EQ(RedOf(color), Expected(c.r, k)) << "band " << k;
      EXPECT_EQ(GreenOf(color), Expected(c.g, k)) << "band " << k;
      EXPECT_EQ(BlueOf(color), Expected(c.b, k)) << "band " << k;
    }
    EXPECT_EQ(r, c.rAfter);
    EXPECT_EQ(g, c.gAfter);
    EXPECT_EQ(b, c.bAfter);
  }
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Starts, GradientColors,
    ::testing::Values(
        // 255 - 4 * 62 = 7 in the last band; 255 - 252 = 3 left in the argument.
        Colors{"blueDefault", 0, 0, 255, Rgb(0, 0, 255), Rgb(0, 0, 7), 0, 0, 3},
        Colors{"white", 255, 255, 255, Rgb(255, 255, 255), Rgb(7, 7, 7), 3, 3, 3},
        Colors{"black", 0, 0, 0, Rgb(0, 0, 0), Rgb(0, 0, 0), 0, 0, 0},
        Colors{"mixerStart", 220, 100, 120, Rgb(220, 100, 120), Rgb(0, 0, 0), 0, 0, 0},
        // Just around the 252 the call takes off.
        Colors{"aroundTheTotalStep", 252, 253, 256, Rgb(252, 253, 255), Rgb(4, 5, 8), 0, 1, 4},
        // Shown as 255 while above it, but counted down from the real value.
        Colors{"above255", 300, 0, 0, Rgb(255, 0, 0), Rgb(52, 0, 0), 48, 0, 0},
        Colors{"smallerThanOneStep", 3, 4, 5, Rgb(3, 4, 5), Rgb(0, 0, 0), 0, 0, 0},
        // Outside what callers pass: shown as black and floored, never wrapping around.
        Colors{"negativeStart", -5, kMin, 0, Rgb(0, 0, 0), Rgb(0, 0, 0), 0, 0, 0},
        Colors{"largest", kMax, 0, 0, Rgb(255, 0, 0), Rgb(255, 0, 0), kMax - 252, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GradientColors, AComponentOf100ReachesZeroInBand25AndStaysThere) {
  RecordingSurface surface(1395, 285);
  std::int32_t r = 100, g = 0, b = 0;
  Grad::Gradient(surface, r, g, b, true);
  ASSERT_EQ(surface.fills.size(), 63u);
  EXPECT_EQ(surface.fills[24].color, Rgb(4, 0, 0));
  for (std::size_t k = 25; k < 63; ++k) EXPECT_EQ(surface.fills[k].color, Rgb(0, 0, 0)) << k;
}

// What remains visible ----------------------------------------------------------------------

struct Visible {
  const char* name;
  int outerHeight, innerHeight;
  bool topDown;
  int row;
  int band;  // whose colour the row shows; -1 for the untouched background
};

class GradientVisible : public ::testing::TestWithParam<Visible> {};

TEST_P(GradientVisible, LaterBandsPaintOverSharedLinesAndTheSurfaceClips) {
  const Visible& c = GetParam();
  RasterSurface surface(4, c.outerHeight, c.innerHeight);
  std::int32_t r = 0, g = 0, b = 255;
  Grad::Gradient(surface, r, g, b, c.topDown);
  const ColorValue expected = c.band < 0 ? RasterSurface::kBackground : Rgb(0, 0, 255 - 4 * c.band);
  EXPECT_EQ(surface.Row(c.row), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GradientVisible,
    ::testing::Values(
        Visible{"topDownFirstRow", 285, 285, true, 0, 0},
        // Row 5 is band 0's bottom line and band 1's top line; band 1 comes later.
        Visible{"topDownSharedLine", 285, 285, true, 5, 1},
        Visible{"topDownLastRow", 285, 285, true, 284, 56},
        Visible{"bottomUpLastRow", 285, 285, false, 284, 0},
        Visible{"bottomUpSharedLine", 285, 285, false, 280, 1},
        // Band 57 spans -5 to 0; the bands after it are wholly above the box.
        Visible{"bottomUpFirstRow", 285, 285, false, 0, 57},
        // A border hides the outer bottom: the lowest drawable row already shows band 6.
        Visible{"bottomUpBehindABorder", 285, 255, false, 254, 6},
        // All 63 fills on row 0: the darkest, blue 7, is what remains.
        Visible{"flatTopDownKeepsTheDarkest", 31, 31, true, 0, 62},
        Visible{"flatTopDownLeavesTheRestAlone", 31, 31, true, 1, -1},
        // Bottom up the one line is row 31, just below the box: nothing shows.
        Visible{"flatBottomUpFallsOutside", 31, 31, false, 30, -1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chelan
