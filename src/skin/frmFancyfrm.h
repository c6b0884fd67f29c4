#pragma once
// Skin page 1: the system background colour (button face) from nine presets or the mixer, and the
// title text colour from the colour dialog.
#include <array>

#include "forms/control.h"
#include "mixer/Form3.h"
#include "skin/color_page.h"

namespace chelan {

class frmFancyfrm : public ColorPage {
 public:
  frmFancyfrm(Services& services, PageSet& pageSet, FrameClock& clock, Form3& mixer);

  forms::OptionButton Option1;
  forms::Button Command2, Command5, Command6, Command8, Command9, Command10, Command11, Command12, Command13;
  forms::Button Command7, Command15;
  forms::Label Label1, Label2;

  // The nine presets, in the order of the preset table.
  static constexpr std::array<forms::Button frmFancyfrm::*, 9> kPresetButtons = {
      &frmFancyfrm::Command8,  &frmFancyfrm::Command9, &frmFancyfrm::Command10,
      &frmFancyfrm::Command11, &frmFancyfrm::Command12, &frmFancyfrm::Command13,
      &frmFancyfrm::Command2,  &frmFancyfrm::Command5, &frmFancyfrm::Command6};
  // The preset at the given place of the preset table.
  void PresetClick(std::size_t preset);
  void Command15_Click();
  void Command7_Click();
  // Every paint of the page brings the mixer back beside it.
  void Form_Paint() override;

 protected:
  void LoadColorControls() override;
  void PlaceMixer(bool atLoad) override;
  void HideMixer() override;

 private:
  void DrawShapes();

  Form3& mixer_;
};

}  // namespace chelan
