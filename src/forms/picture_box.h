#pragma once
// A picture box: a child window that keeps its drawing in a persistent image (so it survives
// repaints), measures in pixels, and contains controls of its own.
#include <windows.h>

#include "forms/gdi.h"
#include "forms/twips.h"
#include "forms/window.h"

namespace chelan::forms {

class PictureBox : public Window {
 public:
  // Placed in twips within the parent's client area; with a border, the inner area is smaller by
  // the border on each side.
  void Create(HWND parent, const TwipRect& place, COLORREF back, bool border = false, bool visible = true);
  // Placed in pixels.
  void CreatePixels(HWND parent, const RECT& bounds, COLORREF back, bool border = false, bool visible = true);

  // Drawing goes into this DC; Refresh shows it.
  HDC Dc() const { return image_.get(); }
  void Refresh() const;
  // Fills the image with the back colour.
  void Cls();
  void SetBackColor(COLORREF color);
  // The inner (drawable) size and the outer size, in pixels.
  SIZE InnerSize() const;
  SIZE OuterSize() const;
  bool Visible() const { return hwnd() && IsWindowVisible(hwnd()); }
  void SetVisible(bool visible) const;

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void MatchImageToClient();

  // The bitmap outlives the DC it is selected into.
  Bitmap bitmap_;
  MemoryDc image_;
  HGDIOBJ originalBitmap_ = nullptr;
  SIZE imageSize_{0, 0};
};

}  // namespace chelan::forms
