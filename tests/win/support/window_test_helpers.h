#pragma once
// Driving real windows the way a user would, by messages, and reading back what they show.
#include <windows.h>

#include <string>

#include "forms/control.h"

namespace chelan::testing {

// BM_CLICK on a button; a press and release of the left mouse button on anything else.
void Click(const forms::Control& control);
// Types each character as a keyboard would (WM_CHAR), so that limits and filters apply.
void Type(const forms::Control& control, const std::wstring& text);
// Runs the messages already waiting, without waiting for more.
void PumpMessages();
// The control's rectangle in its parent's client pixels.
RECT PlaceInParent(HWND control);
// The colours the parent gives the control when it asks for them before painting.
struct ControlColors {
  COLORREF text;
  COLORREF back;
};
ControlColors ColorsOf(HWND control);
LOGFONTW FontOf(HWND control);
// The text of a menu's item at a position.
std::wstring MenuItemText(HMENU menu, int position);

}  // namespace chelan::testing
