#include "forms/mouse_down_button.h"

#include "forms/handler.h"
#include <commctrl.h>

namespace chelan::forms {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// A quick second press arrives as a double click; it is a press like any other.
bool IsPress(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

}  // namespace

MouseDownButton::~MouseDownButton() {
  if (subclassed_ && IsWindow(subclassed_)) RemoveWindowSubclass(subclassed_, &MouseDownButton::Subclass, kSubclassId);
}

void MouseDownButton::CreatePixels(HWND parent, const std::wstring& caption, const RECT& bounds, int id,
                                   bool visible) {
  Create(parent, caption, TwipRect{0, 0, 0, 0}, id, visible);
  SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  subclassed_ = hwnd();
  SetWindowSubclass(hwnd(), &MouseDownButton::Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK MouseDownButton::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &MouseDownButton::Subclass, kSubclassId);
    auto* button = reinterpret_cast<MouseDownButton*>(self);
    if (button->subclassed_ == hwnd) button->subclassed_ = nullptr;
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
  if (IsPress(message)) {
    RunHandler(reinterpret_cast<MouseDownButton*>(self)->MouseDown);
  }
  return result;
}

}  // namespace chelan::forms
