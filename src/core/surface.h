#pragma once
// A drawing target that knows its outer size and fills rectangles: GDI draws on it on Windows,
// recorders stand in for it in the tests.
#include "core/color.h"

namespace chelan {

class Surface {
 public:
  virtual ~Surface() = default;
  // Outer width, border or frame included, in the units of the surface's container.
  virtual double OuterWidth() const = 0;
  // Outer height, border or frame included, in the units of the surface's container.
  virtual double OuterHeight() const = 0;
  // Fills (left, top)-(right, bottom), both corners included, outline in the fill colour, in the
  // surface's own units; whatever lies outside its drawing area is clipped by the surface.
  virtual void FillRect(int left, int top, int right, int bottom, ColorValue color) = 0;
};

}  // namespace chelan
