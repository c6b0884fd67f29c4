#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/lines.h"
#include "core/pixels.h"
#include "core/surface.h"
#include "shell/frame3d.h"
#include "shell/page_gradient.h"
#include "shell/tones.h"

namespace chelan {
namespace {

// --- Recorders standing in for the picture boxes ---

// A pixel buffer that logs each write, so that tests can check order and bounds.
class BufferImage : public PixelImage {
 public:
  BufferImage(int width, int height, ColorValue fill)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  ColorValue GetPixel(int x, int y) const override { return pixels_.at(Index(x, y)); }
  void SetPixel(int x, int y, ColorValue color) override {
    log.push_back("set " + std::to_string(x) + " " + std::to_string(y));
    pixels_.at(Index(x, y)) = color;
  }

  const std::vector<ColorValue>& Pixels() const { return pixels_; }
  std::vector<std::string> log;

 private:
  std::size_t Index(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
      ADD_FAILURE() << "pixel (" << x << ", " << y << ") outside the image";
      return 0;
    }
    return static_cast<std::size_t>(y * width_ + x);
  }
  int width_;
  int height_;
  std::vector<ColorValue> pixels_;
};

class RecordingPainter : public LinePainter {
 public:
  void MoveTo(int x, int y) override { log.push_back(Point("move", x, y)); }
  void LineTo(int x, int y) override { log.push_back(Point("line", x, y)); }
  void SetPenColor(ColorValue color) override { log.push_back("pen " + std::to_string(color)); }
  std::vector<std::string> log;

 private:
  static std::string Point(const char* what, int x, int y) {
    return std::string(what) + " " + std::to_string(x) + " " + std::to_string(y);
  }
};

// Draws horizontal and vertical lines into a pixel map the way GDI does: the end point is left
// out. Lets a test look at the frame that comes out rather than at the calls.
class RasterPainter : public LinePainter {
 public:
  void MoveTo(int x, int y) override { at_ = {x, y}; }
  void SetPenColor(ColorValue color) override { pen_ = color; }
  void LineTo(int x, int y) override {
    if (x != at_.first && y != at_.second) ADD_FAILURE() << "slanted line";
    const int dx = x > at_.first ? 1 : x < at_.first ? -1 : 0;
    const int dy = y > at_.second ? 1 : y < at_.second ? -1 : 0;
    for (std::pair<int, int> p = at_; p != std::pair<int, int>{x, y};
         p = {p.first + dx, p.second + dy}) {
      pixels[p] = pen_;
    }
    at_ = {x, y};
  }
  std::map<std::pair<int, int>, ColorValue> pixels;

 private:
  std::pair<int, int> at_{0, 0};
  ColorValue pen_ = 0;
};

struct Fill {
  int left, top, right, bottom;
  ColorValue color;
  bool operator==(const Fill&) const = default;
};

class RecordingSurface : public Surface {
 public:
  double OuterWidth() const override { return 0; }
  double OuterHeight() const override { return 0; }
  void FillRect(int left, int top, int right, int bottom, ColorValue color) override {
    fills.push_back({left, top, right, bottom, color});
  }
  std::vector<Fill> fills;
};

// --- Gradient bands of picBody ---

// 150 - k × 1050 / 357, rounded half to even in exact whole-number arithmetic, clamped at 0.
int ExpectedBlueOn357(int k) {
  const std::int64_t numerator = 150 * 357 - 1050 * static_cast<std::int64_t>(k);
  if (numerator <= 0) return 0;
  std::int64_t whole = numerator / 357;
  const std::int64_t twiceRest = 2 * (numerator % 357);
  if (twiceRest > 357 || (twiceRest == 357 && whole % 2 == 1)) ++whole;
  return static_cast<int>(whole);
}

class GradientOnEachPage : public ::testing::TestWithParam<GradientBase> {};

TEST_P(GradientOnEachPage, DesignCanvasHasFiftyOneSevenPixelBandsFadingOutBlue) {
  const GradientBase base = GetParam();
  const std::vector<GradientBand> bands = PageGradientBands(base, 357);
  // 357 = 51 × 7: the band after the 51st starts on the bottom edge and shows nothing.
  ASSERT_EQ(bands.size(), 51u);
  for (int k = 0; k < 51; ++k) {
    const GradientBand& band = bands[static_cast<std::size_t>(k)];
    EXPECT_EQ(band.top, 7 * k) << "band " << k;
    EXPECT_EQ(band.height, 7) << "band " << k;
    EXPECT_EQ(RedOf(band.color), base.red) << "band " << k;
    EXPECT_EQ(GreenOf(band.color), base.green) << "band " << k;
    EXPECT_EQ(BlueOf(band.color), ExpectedBlueOn357(k)) << "band " << k;
  }
  // Worked by hand: 150, 147.06 → 147, …, 2.94 → 3.
  EXPECT_EQ(BlueOf(bands[0].color), 150);
  EXPECT_EQ(BlueOf(bands[1].color), 147);
  EXPECT_EQ(BlueOf(bands[50].color), 3);
}

INSTANTIATE_TEST_SUITE_P(Pages, GradientOnEachPage,
                         ::testing::Values(kPage1Gradient, kPage2Gradient, kPage3Gradient));

TEST(PageGradient, PageColorsAreTheDesignedRedAndGreen) {
  EXPECT_EQ(PageGradientBands(kPage1Gradient, 7).at(0).color, Rgb(250, 50, 150));
  EXPECT_EQ(PageGradientBands(kPage2Gradient, 7).at(0).color, Rgb(50, 200, 150));
  EXPECT_EQ(PageGradientBands(kPage3Gradient, 7).at(0).color, Rgb(200, 225, 150));
}

struct SmallCanvas {
  const char* name;
  int height;
  std::vector<GradientBand> expected;
};

class GradientOnSmallCanvas : public ::testing::TestWithParam<SmallCanvas> {};

TEST_P(GradientOnSmallCanvas, BandsAreClippedAndRoundedHalfToEven) {
  EXPECT_EQ(PageGradientBands({0, 0}, GetParam().height), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, GradientOnSmallCanvas,
    ::testing::Values(
        SmallCanvas{"noHeight", 0, {}}, SmallCanvas{"negativeHeight", -5, {}},
        SmallCanvas{"onePixel", 1, {{0, 1, Rgb(0, 0, 150)}}},
        SmallCanvas{"oneBand", 7, {{0, 7, Rgb(0, 0, 150)}}},
        // Step -87.5: the second band's 62.5 goes down to the even 62; it is cut to 5 rows.
        SmallCanvas{"twelve", 12, {{0, 7, Rgb(0, 0, 150)}, {7, 5, Rgb(0, 0, 62)}}},
        // Step -52.5: 97.5 goes up to the even 98.
        SmallCanvas{
            "twenty", 20, {{0, 7, Rgb(0, 0, 150)}, {7, 7, Rgb(0, 0, 98)}, {14, 6, Rgb(0, 0, 45)}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageGradient, BandsTileEveryCanvasFromTopToBottomGettingDarker) {
  for (int height = 1; height <= 800; ++height) {
    const std::vector<GradientBand> bands = PageGradientBands(kPage1Gradient, height);
    ASSERT_FALSE(bands.empty()) << "height " << height;
    EXPECT_EQ(BlueOf(bands.front().color), 150) << "height " << height;
    int nextTop = 0;
    int lastBlue = 255;
    for (const GradientBand& band : bands) {
      EXPECT_EQ(band.top, nextTop) << "height " << height;
      EXPECT_GE(band.height, 1) << "height " << height;
      EXPECT_LE(band.height, 7) << "height " << height;
      EXPECT_LE(BlueOf(band.color), lastBlue) << "height " << height;
      nextTop = band.top + band.height;
      lastBlue = BlueOf(band.color);
    }
    EXPECT_EQ(nextTop, height);
    // The fall is spread over the whole height, so the last band is still short of 0 by about a
    // band's step.
    EXPECT_LE(lastBlue, 150 * 7 / height + 1) << "height " << height;
  }
}

TEST(PageGradient, PaintingFillsEachBandAcrossTheCanvasTopFirst) {
  RecordingSurface canvas;
  PaintPageGradient(canvas, kPage2Gradient, 603, 357);
  ASSERT_EQ(canvas.fills.size(), 51u);
  // The surface includes both corners: a band's fill ends on its own last row and column.
  EXPECT_EQ(canvas.fills.front(), (Fill{0, 0, 602, 6, Rgb(50, 200, 150)}));
  EXPECT_EQ(canvas.fills.back(), (Fill{0, 350, 602, 356, Rgb(50, 200, 3)}));
  const std::vector<GradientBand> bands = PageGradientBands(kPage2Gradient, 357);
  for (std::size_t k = 0; k < bands.size(); ++k) {
    EXPECT_EQ(canvas.fills[k].top, bands[k].top);
    EXPECT_EQ(canvas.fills[k].color, bands[k].color);
  }
}

TEST(PageGradient, CanvasWithoutWidthIsNotPainted) {
  RecordingSurface canvas;
  PaintPageGradient(canvas, kPage1Gradient, 0, 357);
  EXPECT_TRUE(canvas.fills.empty());
}

// --- ScaleTones ---

struct ToneCase {
  const char* name;
  ColorValue source;
  float factor;
  ColorValue expected;
};

class ToneScaling : public ::testing::TestWithParam<ToneCase> {};

TEST_P(ToneScaling, EveryChannelIsScaledRoundedAndLimited) {
  const ToneCase& c = GetParam();
  BufferImage source(1, 1, c.source);
  BufferImage target(1, 1, Rgb(1, 2, 3));
  ScaleTones(source, target, c.factor);
  EXPECT_EQ(target.GetPixel(0, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Factors, ToneScaling,
    ::testing::Values(
        ToneCase{"brighterLimitsRedAt255", Rgb(200, 100, 10), 1.3f, Rgb(255, 130, 13)},
        ToneCase{"darker", Rgb(200, 100, 10), 0.4f, Rgb(80, 40, 4)},
        ToneCase{"whiteDarker", Rgb(255, 255, 255), 0.4f, Rgb(102, 102, 102)},
        // 2.5, 3.5 and 0.5 go to the even neighbour.
        ToneCase{"halvesToEven", Rgb(5, 7, 1), 0.5f, Rgb(2, 4, 0)},
        ToneCase{"doubleLimitsEachChannel", Rgb(100, 128, 127), 2.0f, Rgb(200, 255, 254)},
        ToneCase{"zeroGivesBlack", Rgb(200, 100, 10), 0.0f, Rgb(0, 0, 0)},
        ToneCase{"negativeGivesBlack", Rgb(200, 100, 10), -1.0f, Rgb(0, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScaleTones, FactorOneLeavesTheTargetUntouched) {
  BufferImage source(4, 3, Rgb(200, 100, 10));
  BufferImage target(4, 3, Rgb(7, 8, 9));
  target.SetPixel(2, 1, Rgb(11, 12, 13));
  target.log.clear();
  const std::vector<ColorValue> before = target.Pixels();
  int columns = 0;
  ScaleTones(source, target, 1.0f, [&] { ++columns; });
  EXPECT_EQ(target.Pixels(), before);
  EXPECT_TRUE(target.log.empty());
  EXPECT_EQ(columns, 0);
}

TEST(ScaleTones, WorksColumnByColumnAndYieldsAfterEachColumn) {
  BufferImage source(3, 2, 0);
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 2; ++y) source.SetPixel(x, y, Rgb(10 * x, 10 * y, 100));
  }
  BufferImage target(3, 2, 0);
  ScaleTones(source, target, 0.5f, [&] { target.log.push_back("yield"); });
  EXPECT_EQ(target.log,
            (std::vector<std::string>{"set 0 0", "set 0 1", "yield", "set 1 0", "set 1 1", "yield",
                                      "set 2 0", "set 2 1", "yield"}));
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 2; ++y) {
      EXPECT_EQ(target.GetPixel(x, y), Rgb(5 * x, 5 * y, 50)) << x << ", " << y;
    }
  }
}

TEST(ScaleTones, SmallerTargetTakesOnlyWhatFitsIt) {
  BufferImage source(4, 4, Rgb(100, 100, 100));
  BufferImage target(2, 3, Rgb(1, 1, 1));
  ScaleTones(source, target, 0.4f);  // BufferImage fails the test on any write outside it
  EXPECT_EQ(target.log.size(), 6u);
  EXPECT_EQ(target.GetPixel(1, 2), Rgb(40, 40, 40));
}

TEST(ScaleTones, LogoTonesChainFromTheStoredLogo) {
  // Logo box 1 = logo × 1.3; logo box 0 = logo box 1 × 0.4, so the darkest tone keeps the cap
  // that the brightest one took.
  BufferImage logo(2, 2, Rgb(200, 100, 10));
  BufferImage box1(2, 2, 0);
  BufferImage box0(2, 2, 0);
  ScaleTones(logo, box1, 1.3f);
  ScaleTones(box1, box0, 0.4f);
  EXPECT_EQ(box1.GetPixel(1, 1), Rgb(255, 130, 13));
  EXPECT_EQ(box0.GetPixel(1, 1), Rgb(102, 52, 5));
  EXPECT_EQ(logo.GetPixel(1, 1), Rgb(200, 100, 10));
}

// --- DrawFrame3D ---

constexpr ColorValue kA = Rgb(1, 2, 3);
constexpr ColorValue kB = Rgb(4, 5, 6);

TEST(DrawFrame3D, EachRingStartsLowerLeftAndChangesPenAtTheTopRight) {
  RecordingPainter painter;
  DrawFrame3D(painter, 10, 20, 30, 5, 2, kA, kB, [&] { painter.log.push_back("yield"); });
  const std::string a = "pen " + std::to_string(kA);
  const std::string b = "pen " + std::to_string(kB);
  EXPECT_EQ(painter.log,
            (std::vector<std::string>{
                // Ring 1: left 9, top 19, right 10 + 30 + 0, bottom 20 + 5 + 0.
                "move 9 25", a, "line 9 19", "line 40 19", b, "line 40 25", "line 9 25", "yield",
                // Ring 2, one pixel further out on every side.
                "move 8 26", a, "line 8 18", "line 41 18", b, "line 41 26", "line 8 26", "yield"}));
}

TEST(DrawFrame3D, ThicknessBelowOneDrawsOneRing) {
  RecordingPainter one;
  DrawFrame3D(one, 5, 5, 10, 10, 1, kA, kB);
  for (int thickness : {0, -3}) {
    RecordingPainter painter;
    int rings = 0;
    DrawFrame3D(painter, 5, 5, 10, 10, thickness, kA, kB, [&] { ++rings; });
    EXPECT_EQ(rings, 1) << "thickness " << thickness;
    EXPECT_EQ(painter.log, one.log) << "thickness " << thickness;
  }
}

TEST(DrawFrame3D, UpperAndLeftEdgesInColorALowerAndRightInColorB) {
  const int left = 10, top = 20, width = 6, height = 4, thickness = 3;
  RasterPainter painter;
  DrawFrame3D(painter, left, top, width, height, thickness, kA, kB);

  std::map<std::pair<int, int>, ColorValue> expected;
  for (int i = 1; i <= thickness; ++i) {
    const int l = left - i, t = top - i, r = left + width + i - 1, b = top + height + i - 1;
    for (int x = l; x <= r; ++x) {
      for (int y = t; y <= b; ++y) {
        if (x != l && x != r && y != t && y != b) continue;
        // The light half runs from the lower left corner up and across to just short of the
        // upper right corner, where the dark half begins.
        const bool light = x == l || (y == t && x != r);
        expected[{x, y}] = light ? kA : kB;
      }
    }
  }
  EXPECT_EQ(painter.pixels, expected);
}

TEST(DrawFrame3D, MusicLabelFrameSitsTwoPixelsOutWithTwoRings) {
  RecordingPainter direct;
  DrawFrame3D(direct, 98, 3, 54, 17, 2, Rgb(200, 100, 100), Rgb(200, 100, 200));
  RecordingPainter music;
  int rings = 0;
  DrawMusicLabelFrame(music, 100, 5, 50, 13, [&] { ++rings; });
  EXPECT_EQ(music.log, direct.log);
  EXPECT_EQ(rings, 2);
}

}  // namespace
}  // namespace chelan
