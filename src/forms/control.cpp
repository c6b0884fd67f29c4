#include "forms/control.h"

#include <vector>

#include "forms/handler.h"

namespace chelan::forms {

namespace {
// Marks a window as one of our control objects; windows without it are left alone.
constexpr wchar_t kControlProperty[] = L"chelan.control";
}  // namespace

Control::~Control() {
  // A handle can be reused once its window is gone: only our own window is destroyed.
  if (hwnd_ && IsWindow(hwnd_) && FromHwnd(hwnd_) == this) {
    RemovePropW(hwnd_, kControlProperty);
    DestroyWindow(hwnd_);
  }
}

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
    RunHandler(Click);
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
  KeepLabelsBeneath();
}

void Control::KeepLabelsBeneath() {
  const auto isLabel = [](HWND window) { return dynamic_cast<Label*>(FromHwnd(window)) != nullptr; };
  constexpr UINT kOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  if (isLabel(hwnd_)) {
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, kOrderOnly);
    return;
  }
  // A new control goes to the bottom, below the labels: it moves up to just above the first one.
  for (HWND sibling = GetWindow(hwnd_, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == hwnd_) return;
    if (isLabel(sibling)) {
      const HWND above = GetWindow(sibling, GW_HWNDPREV);
      SetWindowPos(hwnd_, above ? above : HWND_TOP, 0, 0, 0, 0, kOrderOnly);
      return;
    }
  }
}

void Label::Create(HWND parent, const std::wstring& caption, const TwipRect& place, int id, bool visible) {
  // Like text drawn on its container, a label lies beneath every other control there and is
  // clipped by the ones that cover it.
  CreateControl(parent, L"STATIC", caption, SS_LEFT | SS_NOTIFY | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), 0,
                place, id);
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
    RunHandler(Change);
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

void Button::SetPicture(HBITMAP picture) {
  picture_ = picture;
  // The classic button shows a picture or a caption, never both: the program draws it instead.
  if (!colored_) SendMessageW(hwnd(), BM_SETSTYLE, BS_OWNERDRAW, FALSE);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

bool Button::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (!colored_ && !picture_) return false;
  RECT area = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  // A button without colours of its own takes the system's face colour at every paint.
  FillRect(item.hDC, &area, colored_ ? BackBrush() : GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(item.hDC, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  if (pressed) OffsetRect(&area, 1, 1);

  BITMAP picture{};
  if (picture_ && GetObjectW(picture_, sizeof picture, &picture)) {
    constexpr int kMargin = 4;
    MemoryDc source(item.hDC);
    ScopedSelect selected(source.get(), picture_);
    const int top = area.top + (area.bottom - area.top - picture.bmHeight) / 2;
    BitBlt(item.hDC, area.left + kMargin, top, picture.bmWidth, picture.bmHeight, source.get(), 0, 0, SRCCOPY);
    area.left += kMargin + picture.bmWidth;
  }

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
