#pragma once
// A form's menu bar: pop-up menus of items with ids, handlers, check marks and bitmaps.
#include <windows.h>

#include <functional>
#include <map>
#include <string>

namespace chelan::forms {

class MenuBar {
 public:
  MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;
  // A bar that was never attached is the object's to destroy; an attached one goes with its window.
  ~MenuBar();

  HMENU handle() const { return bar_; }
  HMENU AddPopup(const std::wstring& title);
  void AddItem(HMENU popup, int id, const std::wstring& text, std::function<void()> click);
  void AddSeparator(HMENU popup);
  void SetChecked(int id, bool checked) const;
  bool Checked(int id) const;
  // Runs the item's handler; false when the id is not an item of this bar.
  bool Dispatch(int id) const;
  void MarkAttached() { attached_ = true; }

 private:
  HMENU bar_;
  bool attached_ = false;
  std::map<int, std::function<void()>> handlers_;
};

}  // namespace chelan::forms
