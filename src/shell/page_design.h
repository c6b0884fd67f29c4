#pragma once
// What differs between the three skin pages' shells; everything else of the shell is the same.
#include <string_view>

#include "core/color.h"
#include "shell/page_gradient.h"

namespace chelan {

struct NavigationButton {
  std::wstring_view caption;
  int left;   // twips in the tool bar
  int width;  // twips
  int target;  // the skin page it shows, 1 to 3
};

struct PageDesign {
  int number;  // 1 to 3
  ColorValue windowBack;
  ColorValue statusBack;
  ColorValue swatchStart;
  int swatchWidth, swatchHeight;  // twips
  GradientBase gradient;
  int cmdExitLeft;  // twips in the tool bar
  NavigationButton command3, command4;
  bool showsMixer;
};

// The shell's fixed design, in twips where not said otherwise.
inline constexpr std::wstring_view kPageCaption = L"澈岚皮肤v6.1版 欢迎使用";
inline constexpr int kPageClientWidth = 9045;
inline constexpr int kPageClientHeight = 6165;
inline constexpr int kToolBarHeight = 405;
inline constexpr int kStatusBarHeight = 1905;
inline constexpr int kBodyHeight = 5355;
inline constexpr int kToolButtonWidth = 1185;
inline constexpr int kToolButtonHeight = 345;
inline constexpr ColorValue kMusicLabelText = Rgb(0, 255, 255);
inline constexpr ColorValue kClockLabelText = Rgb(0, 255, 0);
inline constexpr ColorValue kLabelBack = Rgb(0, 0, 0);
// Labels of the status bar: their size and top in twips, so that they grow with their font on a
// screen of more dots per inch, and their distances from the panel and the right edge in pixels.
inline constexpr int kStatusLabelWidth = 960;
inline constexpr int kStatusLabelHeight = 240;
inline constexpr int kStatusLabelTop = 75;
inline constexpr int kMusicLabelGap = 4;
inline constexpr int kClockLabelMargin = 6;
// The clock button is designed on top of another tool bar button; it goes right after "退 出"
// instead, so that every button stays reachable.
inline constexpr int kClockAfterExit = 1200;

}  // namespace chelan
