#include "forms/trackbar.h"

#include "forms/handler.h"
#include <commctrl.h>

namespace chelan::forms {

void Trackbar::Create(HWND parent, const TwipRect& place, int id, bool visible) {
  CreateControl(parent, TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP | (visible ? WS_VISIBLE : 0), 0,
                place, id);
}

void Trackbar::SetRange(int minimum, int maximum) {
  SendMessageW(hwnd(), TBM_SETRANGEMIN, FALSE, minimum);
  SendMessageW(hwnd(), TBM_SETRANGEMAX, TRUE, maximum);
}

void Trackbar::SetSmallChange(int step) { SendMessageW(hwnd(), TBM_SETLINESIZE, 0, step); }

void Trackbar::SetLargeChange(int step) { SendMessageW(hwnd(), TBM_SETPAGESIZE, 0, step); }

int Trackbar::Value() const { return static_cast<int>(SendMessageW(hwnd(), TBM_GETPOS, 0, 0)); }

void Trackbar::SetValue(int value) { SendMessageW(hwnd(), TBM_SETPOS, TRUE, value); }

std::optional<LRESULT> Trackbar::OnScroll(WORD code) {
  // TB_ENDTRACK follows every change and moves nothing.
  if (code == TB_ENDTRACK || !Scroll) return std::nullopt;
  RunHandler(Scroll);
  return 0;
}

}  // namespace chelan::forms
