#pragma once
// A picture box with a Paint event: it runs whenever the system asks the box to redraw (its first
// showing, being uncovered, a Refresh), just before the box shows its image.
#include <functional>

#include "forms/picture_box.h"

namespace chelan::forms {

class PaintedPictureBox : public PictureBox {
 public:
  // Drawing done here goes into the image and is shown by the same repaint.
  std::function<void()> Paint;

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace chelan::forms
