#include "forms/painted_picture_box.h"

#include "forms/handler.h"
namespace chelan::forms {

std::optional<LRESULT> PaintedPictureBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) RunHandler(Paint);
  return PictureBox::OnMessage(message, wParam, lParam);
}

}  // namespace chelan::forms
