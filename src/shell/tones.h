#pragma once
// The logo's tones: every colour channel of an image multiplied by one factor.
#include <functional>

#include "core/color.h"
#include "core/pixels.h"

namespace chelan {

// Each channel times factor, to the nearest whole number (a half to the even neighbour), limited
// to 0 to 255. The factor is single precision: 1.3 is then a little less than 1.3, so a channel of
// 15 gives 19, not 20.
ColorValue ScaleTone(ColorValue color, float factor);

// Writes every source pixel, scaled, to the same place in the target, column by column from the
// left and each column from the top; places outside the target are skipped. afterColumn runs
// after each column (the window lets pending messages run there). A factor of exactly 1 does
// nothing at all: the target keeps what it holds.
void ScaleTones(const PixelImage& source, PixelImage& target, float factor,
                const std::function<void()>& afterColumn = {});

}  // namespace chelan
