#include "shell/frame3d.h"

#include <algorithm>

namespace chelan {

void DrawFrame3D(LinePainter& target, int left, int top, int width, int height, int thickness,
                 ColorValue colorA, ColorValue colorB, const std::function<void()>& afterRing) {
  thickness = std::max(thickness, 1);
  for (int i = 1; i <= thickness; ++i) {
    const int ringLeft = left - i;
    const int ringTop = top - i;
    const int ringRight = left + width + i - 1;
    const int ringBottom = top + height + i - 1;
    // Starting at the lower left corner lets one pen change split the ring into its light and
    // dark halves; a line leaves out its end point, and the next line starts on it.
    target.MoveTo(ringLeft, ringBottom);
    target.SetPenColor(colorA);
    target.LineTo(ringLeft, ringTop);
    target.LineTo(ringRight, ringTop);
    target.SetPenColor(colorB);
    target.LineTo(ringRight, ringBottom);
    target.LineTo(ringLeft, ringBottom);
    if (afterRing) afterRing();
  }
}

void DrawMusicLabelFrame(LinePainter& statusBar, int labelLeft, int labelTop, int labelWidth,
                         int labelHeight, const std::function<void()>& afterRing) {
  DrawFrame3D(statusBar, labelLeft - kMusicFrameMargin, labelTop - kMusicFrameMargin,
              labelWidth + 2 * kMusicFrameMargin, labelHeight + 2 * kMusicFrameMargin,
              kMusicFrameThickness, kMusicFrameColorA, kMusicFrameColorB, afterRing);
}

}  // namespace chelan
