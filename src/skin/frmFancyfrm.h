#pragma once
// Skin page 1: the system background colour (button face) from nine presets or the mixer, and the
// title text colour from the colour dialog.
#include <array>

#include "forms/control.h"
#include "mixer/Form3.h"
#include "shell/skin_page.h"

namespace chelan {

class frmFancyfrm : public SkinPage {
 public:
  frmFancyfrm(Services& services, Form3& mixer);

  forms::OptionButton Option1;
  forms::Button Command2, Command5, Command6, Command8, Command9, Command10, Command11, Command12, Command13;
  forms::Button Command7, Command15;
  forms::Label Label1, Label2;

  // The nine presets.
  void Command2_Click();
  void Command5_Click();
  void Command6_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Command11_Click();
  void Command12_Click();
  void Command13_Click();
  void Command15_Click();
  void Command7_Click();
  // Every paint of the page brings the mixer back beside it.
  void Form_Paint() override;

 protected:
  void LoadPage() override;
  void ColourStep() override;
  void PlaceMixer(bool atLoad) override;

 private:
  // Writes the colour pending before the click and the swatch, then makes the given colour pending.
  void ApplyStep(ColorValue newPending);
  void PresetClick(std::size_t preset);
  void DrawShapes();

  Form3& mixer_;
};

}  // namespace chelan
