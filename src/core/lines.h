#pragma once
// A target that draws straight lines with a current pen: the raised frame is drawn over it.
#include "core/color.h"

namespace chelan {

class LinePainter {
 public:
  virtual ~LinePainter() = default;
  // Sets the current position without drawing.
  virtual void MoveTo(int x, int y) = 0;
  // Draws from the current position to (x, y), that end point excluded, and moves there.
  virtual void LineTo(int x, int y) = 0;
  // Colour of the lines drawn from now on.
  virtual void SetPenColor(ColorValue color) = 0;
};

}  // namespace chelan
