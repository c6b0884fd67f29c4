#pragma once
// The shell of each skin page: its colours, gradient, tool bar and whether the mixer stands beside it.
#include "shell/page_design.h"
#include "skin/skin_colors.h"

namespace chelan {

inline constexpr PageDesign kPage1Design{
    1, Rgb(255, 255, 128), Rgb(114, 100, 193), kPage1DesignSwatch, 765, 360, kPage1Gradient, 3540,
    {L"菜单背景色", 1200, 1185, 2}, {L"按钮前景色", 2370, 1185, 3}, true};
inline constexpr PageDesign kPage2Design{
    2, Rgb(82, 250, 191), Rgb(81, 153, 119), kPage2DesignSwatch, 1455, 375, kPage2Gradient, 3600,
    {L"按钮前景色", 1200, 1185, 3}, {L"系统背景色", 2400, 1185, 1}, false};
inline constexpr PageDesign kPage3Design{
    3, Rgb(188, 244, 104), Rgb(222, 18, 105), kPage3DesignSwatch, 765, 360, kPage3Gradient, 3540,
    {L"系统背景色", 1200, 1155, 1}, {L"菜单背景色", 2370, 1155, 2}, false};

}  // namespace chelan
