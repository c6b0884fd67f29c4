#include "window_test_helpers.h"

namespace chelan::testing {

void Click(const forms::Control& control) {
  wchar_t className[32] = {};
  GetClassNameW(control.hwnd(), className, 32);
  if (lstrcmpiW(className, L"Button") == 0) {
    SendMessageW(control.hwnd(), BM_CLICK, 0, 0);
  } else {
    SendMessageW(control.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(control.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  }
  PumpMessages();
}

void Type(const forms::Control& control, const std::wstring& text) {
  for (wchar_t c : text) SendMessageW(control.hwnd(), WM_CHAR, c, 1);
  PumpMessages();
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

RECT PlaceInParent(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

ControlColors ColorsOf(HWND control) {
  wchar_t className[32] = {};
  GetClassNameW(control, className, 32);
  const UINT message = lstrcmpiW(className, L"Edit") == 0 ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  SendMessageW(GetParent(control), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  const ControlColors colors{GetTextColor(dc), GetBkColor(dc)};
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return colors;
}

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof font, &font);
  return font;
}

std::wstring MenuItemText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

}  // namespace chelan::testing
