#pragma once
// A slider (common-controls trackbar) with a range, small and large steps and a position; Scroll
// runs at every change the user makes, by keyboard or mouse, also while the thumb is dragged.
#include "forms/control.h"

namespace chelan::forms {

class Trackbar : public Control {
 public:
  void Create(HWND parent, const TwipRect& place, int id, bool visible = true);
  void SetRange(int minimum, int maximum);
  void SetSmallChange(int step);
  void SetLargeChange(int step);
  int Value() const;
  // Moves the thumb without running Scroll.
  void SetValue(int value);

  std::function<void()> Scroll;
  std::optional<LRESULT> OnScroll(WORD code) override;
};

}  // namespace chelan::forms
