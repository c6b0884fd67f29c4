#include "forms/painted_picture_box.h"

namespace chelan::forms {

std::optional<LRESULT> PaintedPictureBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && Paint) {
    // Copied first: the handler may replace the box's handlers.
    auto handler = Paint;
    handler();
  }
  return PictureBox::OnMessage(message, wParam, lParam);
}

}  // namespace chelan::forms
