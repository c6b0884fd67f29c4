#include "forms/menu.h"

#include "forms/handler.h"

namespace chelan::forms {

MenuBar::MenuBar() : bar_(CreateMenu()) {}

MenuBar::~MenuBar() {
  if (!attached_) DestroyMenu(bar_);
}

HMENU MenuBar::AddPopup(const std::wstring& title) {
  HMENU popup = CreatePopupMenu();
  AppendMenuW(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title.c_str());
  return popup;
}

void MenuBar::AddItem(HMENU popup, int id, const std::wstring& text, std::function<void()> click) {
  AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(id), text.c_str());
  handlers_[id] = std::move(click);
}

void MenuBar::AddSeparator(HMENU popup) { AppendMenuW(popup, MF_SEPARATOR, 0, nullptr); }

void MenuBar::SetChecked(int id, bool checked) const {
  CheckMenuItem(bar_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool MenuBar::Checked(int id) const {
  return (GetMenuState(bar_, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool MenuBar::Dispatch(int id) const {
  const auto found = handlers_.find(id);
  if (found == handlers_.end()) return false;
  RunHandler(found->second);
  return true;
}

}  // namespace chelan::forms
