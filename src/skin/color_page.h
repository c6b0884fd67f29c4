#pragma once
// What the three skin pages share on top of the page shell: the hidden pending-colour boxes, the
// page's colour model in the page set, the swatch dialog, and the activation rule of the set.
#include "forms/control.h"
#include "shell/skin_page.h"
#include "skin/page_set.h"

namespace chelan {

class ColorPage : public SkinPage {
 public:
  ColorPage(Services& services, PageSet& pageSet, FrameClock& clock, const PageDesign& design,
            const wchar_t* className);

  // The page's pending colour, never shown: red, green, blue as decimal text.
  forms::TextBox Text3, Text4, Text5;

  SkinPageModel& Model() { return pageSet_.Page(Design().number); }
  const SkinPageModel& Model() const { return pageSet_.Page(Design().number); }
  ColorValue PendingColor() const { return Model().Pending(); }
  // The model and the three boxes take the colour, red first.
  void SetPending(ColorValue color);

 protected:
  // The page's own colour controls, after the boxes.
  virtual void LoadColorControls() = 0;
  void ApplyWrites(const ColorWrites& writes);
  // The colour dialog for the swatch: on OK the swatch takes the colour, on cancel the user is told
  // to choose again. Closing either is no activation of the page.
  void ChooseSwatchColor();
  // Selecting the option arms the page's buttons for good.
  void WireOption(forms::OptionButton& option);

  PageSet& pageSet_;

 private:
  void LoadPage() final;
  void ColorStep() final;
  void RestoreColors() final;
  bool ActivationRuns(PreviousWindow previous) final;
  void ProgramActivated(bool active) final;
  void ShowPending();
};

}  // namespace chelan
