#pragma once
// Skin page 2: menu text in sea blue and the menu bar colour from the colour dialog.
#include <functional>

#include "forms/control.h"
#include "skin/color_page.h"

namespace chelan {

class frmFancyfrm1 : public ColorPage {
 public:
  // setPage1Pending writes skin page 1's three pending-colour boxes, red first.
  frmFancyfrm1(Services& services, PageSet& pageSet, FrameClock& clock,
               std::function<void(ColorValue)> setPage1Pending);

  forms::OptionButton Option1;
  forms::Button Command2, Command8;
  forms::Label Label2;

  void Command2_Click();
  void Command8_Click();

 protected:
  void LoadColorControls() override;

 private:
  std::function<void(ColorValue)> setPage1Pending_;
};

}  // namespace chelan
