#pragma once
// A drop-down list: the user picks one of its items; Click runs after each pick.
#include "forms/control.h"

namespace chelan::forms {

class ComboBox : public Control {
 public:
  // The height is that of the closed box; the open list drops below it.
  void Create(HWND parent, const TwipRect& place, int id, bool visible = true);
  void AddItem(const std::wstring& item);
  int ListCount() const;
  // -1 when nothing is picked.
  int ListIndex() const;
  // Picks an item without running Click, as the program does it and not the user.
  void SetListIndex(int index);
  std::wstring ItemText(int index) const;

  std::optional<LRESULT> OnCommand(WORD code) override;
};

}  // namespace chelan::forms
