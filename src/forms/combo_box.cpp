#include "forms/combo_box.h"

#include "forms/handler.h"
#include <vector>

namespace chelan::forms {

void ComboBox::Create(HWND parent, const TwipRect& place, int id, bool visible) {
  // The window's height includes the dropped list.
  TwipRect withList = place;
  withList.height = place.height + PixelsToTwipsY(200);
  CreateControl(parent, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | (visible ? WS_VISIBLE : 0), 0,
                withList, id);
}

void ComboBox::AddItem(const std::wstring& item) {
  SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ComboBox::ListCount() const { return static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0)); }

int ComboBox::ListIndex() const { return static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)); }

void ComboBox::SetListIndex(int index) { SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::wstring ComboBox::ItemText(int index) const {
  const LRESULT length = SendMessageW(hwnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  SendMessageW(hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

std::optional<LRESULT> ComboBox::OnCommand(WORD code) {
  if (code == CBN_SELCHANGE && Click) {
    RunHandler(Click);
    return 0;
  }
  return std::nullopt;
}

}  // namespace chelan::forms
