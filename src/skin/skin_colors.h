#pragma once
// Every preset and fixed colour of the three skin pages, in one place.
#include <array>
#include <string_view>

#include "core/color.h"

namespace chelan {

// A pending colour as its three hidden boxes hold it: Text3 (red), Text4 (green), Text5 (blue).
using PendingTexts = std::array<std::wstring_view, 3>;

// Where a preset button lies: on the status bar or on the form, in twips of its container.
struct PresetPlace {
  bool onStatusBar;
  int left, top, width, height;
};

// A named preset button of skin page 1 and the pending colour it sets.
struct Preset {
  std::string_view control;  // the button's name on the page
  std::wstring_view caption;
  ColorValue color;
  PresetPlace place;
};

// Skin page 1: background colours (system background and title text).
// The nine presets, row by row as the page shows them from its status bar down.
inline constexpr std::array<Preset, 9> kPage1Presets = {{
    {"Command8", L"紫色", Rgb(150, 100, 220), {true, 390, 1140, 975, 285}},
    {"Command9", L"米黄", Rgb(250, 200, 50), {true, 1350, 1140, 975, 285}},
    {"Command10", L"粉红", Rgb(250, 100, 200), {true, 2310, 1140, 975, 285}},
    {"Command11", L"淡蓝", Rgb(80, 220, 230), {true, 390, 1410, 975, 285}},
    {"Command12", L"邮政绿", Rgb(50, 150, 150), {true, 1350, 1410, 975, 285}},
    {"Command13", L"桔红", Rgb(250, 120, 50), {true, 2310, 1410, 975, 285}},
    {"Command2", L"草绿", Rgb(150, 200, 50), {false, 420, 5160, 975, 285}},
    {"Command5", L"豆绿", Rgb(210, 250, 110), {false, 1380, 5160, 975, 285}},
    {"Command6", L"军绿", Rgb(110, 130, 80), {false, 2340, 5160, 975, 285}},
}};
inline constexpr PendingTexts kPage1DesignTexts = {L"50", L"200", L"110"};
inline constexpr ColorValue kPage1DesignPending = Rgb(50, 200, 110);
inline constexpr ColorValue kPage1DesignSwatch = Rgb(255, 255, 0);
// Title text at every background preview, whatever the swatch holds.
inline constexpr ColorValue kPage1PreviewTitle = Rgb(255, 255, 0);

// Skin page 2: menu colours (menu text and menu bar).
// Sea blue, the menu text colour; the page never changes its boxes.
inline constexpr PendingTexts kPage2DesignTexts = {L"10", L"10", L"250"};
inline constexpr ColorValue kPage2SeaBlue = Rgb(10, 10, 250);
inline constexpr ColorValue kPage2DesignSwatch = Rgb(255, 255, 128);
inline constexpr ColorValue kPage2PreviewMenuBar = Rgb(154, 245, 63);
// Page 1's pending colour after "确 定" on page 2.
inline constexpr PendingTexts kPage2ConfirmPage1Texts = {L"150", L"150", L"250"};
inline constexpr ColorValue kPage2ConfirmPage1 = Rgb(150, 150, 250);

// Skin page 3: button colours (button text and button highlight).
// Sea blue, the button text colour; the page never changes its boxes.
inline constexpr PendingTexts kPage3DesignTexts = {L"30", L"10", L"250"};
// The status-bar panel of page 3 has no colour role; it starts black.
inline constexpr ColorValue kPage3DesignSwatch = Rgb(0, 0, 0);
inline constexpr ColorValue kPage3SeaBlue = Rgb(30, 10, 250);
inline constexpr ColorValue kPage3PreviewHighlight = Rgb(255, 255, 0);
inline constexpr ColorValue kPage3ConfirmHighlight = Rgb(255, 192, 255);
// Page 1's pending colour after "确 定" on page 3.
inline constexpr PendingTexts kPage3ConfirmPage1Texts = {L"150", L"250", L"50"};
inline constexpr ColorValue kPage3ConfirmPage1 = Rgb(150, 250, 50);

}  // namespace chelan
