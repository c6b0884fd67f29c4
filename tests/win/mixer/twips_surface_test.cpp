#include "mixer/twips_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "forms/gdi.h"
#include "forms/twips.h"

namespace chelan {
namespace {

constexpr COLORREF kUntouched = RGB(255, 255, 255);
constexpr ColorValue kFill = Rgb(10, 20, 30);

// A 20 × 20 pixel image whose drawing area is only its top-left 10 × 10, as a picture box's image
// may be larger than the box after it has shrunk.
class TwipsSurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(forms::ScreenDpiX(), 96);
    ASSERT_EQ(forms::ScreenDpiY(), 96);
    forms::ClientDc screen(nullptr);
    dc_ = forms::MemoryDc(screen.get());
    bitmap_ = forms::Bitmap(CreateCompatibleBitmap(screen.get(), 20, 20));
    original_ = SelectObject(dc_.get(), bitmap_.get());
    RECT all{0, 0, 20, 20};
    SetDCBrushColor(dc_.get(), kUntouched);
    FillRect(dc_.get(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  void TearDown() override { SelectObject(dc_.get(), original_); }

  // The filled pixels' bounds, right and bottom excluded; all zero when nothing was filled.
  RECT FilledBounds() const {
    RECT bounds{20, 20, 0, 0};
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        if (GetPixel(dc_.get(), x, y) == kUntouched) continue;
        EXPECT_EQ(GetPixel(dc_.get(), x, y), RGB(10, 20, 30));
        bounds = RECT{std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                      std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
      }
    }
    return bounds.right == 0 ? RECT{0, 0, 0, 0} : bounds;
  }

  forms::MemoryDc dc_;
  forms::Bitmap bitmap_;
  HGDIOBJ original_ = nullptr;
};

TEST_F(TwipsSurfaceTest, MeasuresTheOuterSizeInTwips) {
  TwipsSurface surface(dc_.get(), SIZE{30, 19}, SIZE{10, 10});
  EXPECT_EQ(surface.OuterWidth(), 450);
  EXPECT_EQ(surface.OuterHeight(), 285);
}

struct Fill {
  const char* name;
  int left, top, right, bottom;  // twips
  RECT pixels;                    // filled, right and bottom excluded
};

void PrintTo(const Fill& fill, std::ostream* out) { *out << fill.name; }

class TwipsSurfaceFills : public TwipsSurfaceTest, public ::testing::WithParamInterface<Fill> {};

TEST_P(TwipsSurfaceFills, FillsThePixelsHoldingBothCornersWithinTheDrawingArea) {
  const Fill& f = GetParam();
  TwipsSurface surface(dc_.get(), SIZE{30, 30}, SIZE{10, 10});
  surface.FillRect(f.left, f.top, f.right, f.bottom, kFill);
  const RECT filled = FilledBounds();
  EXPECT_EQ(filled.left, f.pixels.left);
  EXPECT_EQ(filled.top, f.pixels.top);
  EXPECT_EQ(filled.right, f.pixels.right);
  EXPECT_EQ(filled.bottom, f.pixels.bottom);
}

// 15 twips a pixel: twips 0 to 14 are pixel 0, 15 to 29 pixel 1, -15 to -1 pixel -1.
INSTANTIATE_TEST_SUITE_P(
    Rules, TwipsSurfaceFills,
    ::testing::Values(Fill{"withinOnePixel", 0, 0, 14, 14, {0, 0, 1, 1}},
                      Fill{"aCornerOnAPixelsFirstTwipTakesThatPixel", 0, 0, 15, 15, {0, 0, 2, 2}},
                      Fill{"bandsOfFiveTwipsShareRows", 0, 5, 149, 10, {0, 0, 10, 1}},
                      Fill{"cornersInEitherOrder", 44, 44, 15, 15, {1, 1, 3, 3}},
                      Fill{"justAboveTheTopEdgeIsOutside", 0, -15, 14, -1, {0, 0, 0, 0}},
                      Fill{"aBandReachingDownFromAboveFillsTheTopRow", 0, -5, 14, 0, {0, 0, 1, 1}},
                      Fill{"clippedAtTheDrawingAreaNotTheImage", 0, 0, 1000, 1000, {0, 0, 10, 10}},
                      Fill{"beyondTheDrawingAreaFillsNothing", 150, 0, 300, 14, {0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chelan
