#include "forms/control.h"

#include <vector>

namespace chelan::forms {

namespace {
// Marks a window as one of our control objects; windows without it are left alone.
constexpr wchar_t kControlProperty[] = L"chelan.control";
}  // namespace

std::wstring Control::Text() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const int copied = GetWindowTextW(hwnd_, buffer.data(), length + 1);
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

void Control::SetText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }

void Control::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

void Control::SetColors(COLORREF fore, COLORREF back) {
  hasColors_ = true;
  fore_ = fore;
  back_ = back;
  backBrush_ = SolidBrush(back);
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

std::optional<LRESULT> Control::OnCommand(WORD code) {
  if (code == BN_CLICKED && Click) {  // STN_CLICKED has the same code
    // Copied first: the handler may replace or clear the control's handlers.
    auto handler = Click;
    handler();
    return 0;
  }
  return std::nullopt;
}

std::optional<LRESULT> Control::OnColor(HDC dc) {
  if (!hasColors_) return std::nullopt;
  SetTextColor(dc, fore_);
  SetBkColor(dc, back_);
  return reinterpret_cast<LRESULT>(backBrush_.get());
}

bool Control::OnDrawItem(const DRAWITEMSTRUCT&) { return false; }

std::optional<LRESULT> Control::OnScroll(WORD) { return std::nullopt; }

Control* Control::FromHwnd(HWND hwnd) {
  return hwnd ? static_cast<Control*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

void Control::CreateControl(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                            DWORD exStyle, const TwipRect& place, int id) {
  hwnd_ = CreateWindowExW(exStyle, className, text.c_str(), style | WS_CHILD, TwipsToPixelsX(place.left),
                          TwipsToPixelsY(place.top), TwipsToPixelsX(place.width),
                          TwipsToPixelsY(place.height), parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SetPropW(hwnd_, kControlProperty, this);
}

void Label::Create(HWND parent, const std::wstring& caption, const TwipRect& place, int id, bool visible) {
  CreateControl(parent, L"STATIC", caption, SS_LEFT | SS_NOTIFY | (visible ? WS_VISIBLE : 0), 0, place, id);
}

void TextBox::Create(HWND parent, const std::wstring& text, const TwipRect& place, int id, bool visible) {
  CreateControl(parent, L"EDIT", text, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | (visible ? WS_VISIBLE : 0),
                WS_EX_CLIENTEDGE, place, id);
}

void TextBox::SetPasswordChar(wchar_t shown) {
  SendMessageW(hwnd(), EM_SETPASSWORDCHAR, shown, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void TextBox::SetMaxLength(int characters) { SendMessageW(hwnd(), EM_LIMITTEXT, characters, 0); }

void TextBox::Select(int start, int length) { SendMessageW(hwnd(), EM_SETSEL, start, start + length); }

std::optional<LRESULT> TextBox::OnCommand(WORD code) {
  if (code == EN_CHANGE && Change) {
    auto handler = Change;
    handler();
    return 0;
  }
  return std::nullopt;
}

void Button::Create(HWND parent, const std::wstring& caption, const TwipRect& place, int id, bool visible) {
  CreateControl(parent, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP | (visible ? WS_VISIBLE : 0), 0,
                place, id);
}

void Button::CreateColored(HWND parent, const std::wstring& caption, const TwipRect& place, int id,
                           COLORREF back, bool visible) {
  colored_ = true;
  CreateControl(parent, L"BUTTON", caption, BS_OWNERDRAW | WS_TABSTOP | (visible ? WS_VISIBLE : 0), 0,
                place, id);
  SetColors(GetSysColor(COLOR_BTNTEXT), back);
}

bool Button::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (!colored_) return false;
  RECT area = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &area, BackBrush());
  DrawEdge(item.hDC, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  if (pressed) OffsetRect(&area, 1, 1);

  // The caption follows the system's button-text colour at every paint, as a plain button does.
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  const std::wstring caption = Text();
  DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(item.hDC, &focus);
  }
  return true;
}

void CheckBox::Create(HWND parent, const std::wstring& caption, const TwipRect& place, int id, bool visible) {
  CreateControl(parent, L"BUTTON", caption, BS_AUTOCHECKBOX | WS_TABSTOP | (visible ? WS_VISIBLE : 0), 0, place, id);
}

void OptionButton::Create(HWND parent, const std::wstring& caption, const TwipRect& place, int id, bool visible) {
  CreateControl(parent, L"BUTTON", caption, BS_AUTORADIOBUTTON | WS_TABSTOP | (visible ? WS_VISIBLE : 0), 0, place,
                id);
}

std::optional<LRESULT> ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (Control* control = Control::FromHwnd(reinterpret_cast<HWND>(lParam))) {
        return control->OnCommand(HIWORD(wParam));
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (Control* control = Control::FromHwnd(reinterpret_cast<HWND>(lParam))) {
        return control->OnColor(reinterpret_cast<HDC>(wParam));
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Control* control = Control::FromHwnd(reinterpret_cast<HWND>(lParam))) {
        return control->OnScroll(LOWORD(wParam));
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Control* control = Control::FromHwnd(item->hwndItem)) {
        if (control->OnDrawItem(*item)) return TRUE;
      }
      break;
    }
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace chelan::forms
