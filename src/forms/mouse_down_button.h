#pragma once
// A push button that also reports a press of any mouse button at the moment it goes down, before
// the release that makes a click.
#include <windows.h>

#include <functional>

#include "forms/control.h"

namespace chelan::forms {

class MouseDownButton : public Button {
 public:
  MouseDownButton() = default;
  ~MouseDownButton() override;

  // Placed in pixels of the parent's client area.
  void CreatePixels(HWND parent, const std::wstring& caption, const RECT& bounds, int id, bool visible = true);

  // Runs after the button's own handling of the press (focus, pushed look, capture), so that the
  // handler may move the focus elsewhere or hide the button.
  std::function<void()> MouseDown;

 private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self);
  HWND subclassed_ = nullptr;
};

}  // namespace chelan::forms
