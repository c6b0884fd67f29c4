#pragma once
// The gradient targets of the mixer: a window or a picture box measured and drawn in twips, with
// GDI on its device context.
#include <windows.h>

#include "core/surface.h"
#include "forms/picture_box.h"

namespace chelan {

class TwipsSurface final : public Surface {
 public:
  // dc draws in the target's client pixels; outer is the target's outer size in pixels (frame or
  // border included), inner the size of its drawing area, which clips every fill.
  TwipsSurface(HDC dc, SIZE outer, SIZE inner);

  double OuterWidth() const override;
  double OuterHeight() const override;
  void FillRect(int left, int top, int right, int bottom, ColorValue color) override;

 private:
  HDC dc_;
  SIZE outer_;
  SIZE inner_;
};

// Gradient(box, r, g, b, topDown) into the box's persistent image, then on the screen at once.
void PaintGradient(forms::PictureBox& box, int r, int g, int b, bool topDown);
// Gradient(window, r, g, b, topDown) on the window's client area through dc, a DC of that area.
void PaintGradient(HWND window, HDC dc, int r, int g, int b, bool topDown);

}  // namespace chelan
