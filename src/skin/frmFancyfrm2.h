#pragma once
// Skin page 3: button text in sea blue with a light highlight edge, and the door to the puzzle.
#include <functional>

#include "forms/control.h"
#include "skin/color_page.h"

namespace chelan {

class frmFancyfrm2 : public ColorPage {
 public:
  // setPage1Pending writes skin page 1's three pending-colour boxes, red first; openPuzzle shows
  // the puzzle window.
  frmFancyfrm2(Services& services, PageSet& pageSet, FrameClock& clock, std::function<void(ColorValue)> setPage1Pending,
               std::function<void()> openPuzzle);

  forms::OptionButton Option1;
  forms::Button Command1, Command2;

  void Command1_Click();
  void Command2_Click();

 protected:
  void LoadColorControls() override;

 private:
  std::function<void(ColorValue)> setPage1Pending_;
  std::function<void()> openPuzzle_;
};

}  // namespace chelan
