#pragma once
// The window of the mixer's "背景颜色" button: shows the mixer's current gradient in its picture box.
#include "forms/form.h"
#include "forms/picture_box.h"

namespace chelan {

class frmBackground : public forms::Form {
 public:
  // Shows the window (created on first use, owned by owner) and paints Picture1 with the gradient
  // from r, g, b in the given direction.
  void ShowGradient(HWND owner, int r, int g, int b, bool topDown);
  void Load() override;

  forms::PictureBox Picture1;

 protected:
  // Closing only hides the window, so that the next showing finds it again.
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace chelan
