#pragma once
// The raised frame: rings drawn one pixel further out each, upper and left edges in one colour,
// lower and right edges in another.
#include <functional>

#include "core/color.h"
#include "core/lines.h"

namespace chelan {

// Draws thickness rings (at least one) around the rectangle left, top, width, height in pixels.
// Ring i (from 1) starts at the lower left corner (left - i, top + height + i - 1), goes up the
// left edge and along the top in colorA, then down the right edge and back along the bottom in
// colorB. afterRing runs after each ring (the window lets pending messages run there).
void DrawFrame3D(LinePainter& target, int left, int top, int width, int height, int thickness,
                 ColorValue colorA, ColorValue colorB,
                 const std::function<void()>& afterRing = {});

inline constexpr int kMusicFrameMargin = 2;
inline constexpr int kMusicFrameThickness = 2;
inline constexpr ColorValue kMusicFrameColorA = Rgb(200, 100, 100);
inline constexpr ColorValue kMusicFrameColorB = Rgb(200, 100, 200);

// The frame around the music label, in the status bar's pixels: the label's rectangle grown by
// kMusicFrameMargin on every side, kMusicFrameThickness rings in the two frame colours.
void DrawMusicLabelFrame(LinePainter& statusBar, int labelLeft, int labelTop, int labelWidth,
                         int labelHeight, const std::function<void()>& afterRing = {});

}  // namespace chelan
