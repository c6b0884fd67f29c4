#include "mixer/frmBackground.h"

#include "mixer/twips_surface.h"

namespace chelan {

void frmBackground::ShowGradient(HWND owner, int r, int g, int b, bool topDown) {
  if (!Exists()) owner_ = owner;
  Show();
  PaintGradient(Picture1, r, g, b, topDown);
}

void frmBackground::Load() {
  if (Exists()) return;
  CreateForm(L"ChelanFrmBackground", L"背景颜色", 3135, 1890, RGB(81, 153, 119),
             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, owner_);
  // Bands of 26 twips: wider than a pixel, so each band shows in rows of its own.
  Picture1.Create(hwnd(), {120, 120, 2895, 1650}, RGB(0, 0, 0), true);
}

std::optional<LRESULT> frmBackground::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    Hide();
    return 0;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace chelan
