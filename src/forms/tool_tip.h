#pragma once
// Tool tips for a window's controls: one tip window, a text per control, set and changed at will.
#include <windows.h>

#include <string>

namespace chelan::forms {

class ToolTip {
 public:
  ToolTip() = default;
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;
  ~ToolTip();

  // Shows text when the mouse rests on the control; a later call changes it.
  void SetText(HWND control, const std::wstring& text);
  // The control's tip, empty when it has none.
  std::wstring Text(HWND control) const;

 private:
  HWND tip_ = nullptr;
};

}  // namespace chelan::forms
