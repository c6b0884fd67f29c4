#include "skin/color_page.h"

namespace chelan {

namespace {

enum ControlId { kText3 = 2901, kText4, kText5 };

constexpr wchar_t kApplicationTitle[] = L"澈岚皮肤6.1";
constexpr wchar_t kChooseAgainText[] = L"取消后重选";

}  // namespace

ColorPage::ColorPage(Services& services, PageSet& pageSet, FrameClock& clock, const PageDesign& design,
                     const wchar_t* className)
    : SkinPage(services, clock, design, className), pageSet_(pageSet) {}

void ColorPage::LoadPage() {
  const HWND form = hwnd();
  const std::array<std::wstring, 3>& texts = Model().PendingTexts();
  Text3.Create(form, texts[0], {7980, 4290, 345, 285}, kText3, false);
  Text4.Create(form, texts[1], {8340, 4290, 345, 285}, kText4, false);
  Text5.Create(form, texts[2], {8700, 4290, 315, 285}, kText5, false);
  LoadColorControls();
}

void ColorPage::ShowPending() {
  if (!Exists()) return;  // the boxes take the texts when the page is created
  const std::array<std::wstring, 3>& texts = Model().PendingTexts();
  Text3.SetText(texts[0]);
  Text4.SetText(texts[1]);
  Text5.SetText(texts[2]);
}

void ColorPage::SetPending(ColorValue color) {
  Model().SetPending(color);
  ShowPending();
}

void ColorPage::ApplyWrites(const ColorWrites& writes) {
  // The way back falls back on the colours from before the program's first write.
  pageSet_.Restore().RememberStart(services_);
  // One element per call, in order: Windows repaints the desktop after each.
  for (const ColorWrite& write : writes) services_.SetSysColor(write.element, write.color);
  ShowPending();
}

void ColorPage::ChooseSwatchColor() {
  PageSet::SystemDialogScope dialog(pageSet_);
  if (Model().TakeDialogAnswer(services_.PickColor(hwnd()))) {
    services_.ShowMessage(hwnd(), kChooseAgainText, kApplicationTitle, MessageIcon::Exclamation);
  } else {
    picSBPanel1.SetBackColor(Model().Swatch());
  }
}

void ColorPage::WireOption(forms::OptionButton& option) {
  option.Click = [this, &option] {
    if (option.Value()) Model().SelectOption();
  };
}

void ColorPage::ColorStep() { ApplyWrites(Model().Preview()); }

void ColorPage::RestoreColors() { pageSet_.Restore().Restore(services_); }

bool ColorPage::ActivationRuns(PreviousWindow previous) { return pageSet_.Activated(Design().number, previous); }

void ColorPage::ProgramActivated(bool active) { pageSet_.ProgramActivated(active); }

}  // namespace chelan
