#include "skin/colour_page.h"

namespace chelan {

namespace {

enum ControlId { kText3 = 2901, kText4, kText5 };

constexpr wchar_t kApplicationTitle[] = L"澈岚皮肤6.1";
constexpr wchar_t kChooseAgainText[] = L"取消后重选";

}  // namespace

ColourPage::ColourPage(Services& services, PageSet& pageSet, const PageDesign& design, const wchar_t* className)
    : SkinPage(services, design, className), pageSet_(pageSet) {}

void ColourPage::LoadPage() {
  const HWND form = hwnd();
  const std::array<std::wstring, 3>& texts = Model().PendingTexts();
  Text3.Create(form, texts[0], {7980, 4290, 345, 285}, kText3, false);
  Text4.Create(form, texts[1], {8340, 4290, 345, 285}, kText4, false);
  Text5.Create(form, texts[2], {8700, 4290, 315, 285}, kText5, false);
  LoadColourControls();
}

void ColourPage::ShowPending() {
  if (!Exists()) return;  // the boxes take the texts when the page is created
  const std::array<std::wstring, 3>& texts = Model().PendingTexts();
  Text3.SetText(texts[0]);
  Text4.SetText(texts[1]);
  Text5.SetText(texts[2]);
}

void ColourPage::SetPending(ColorValue colour) {
  Model().SetPending(colour);
  ShowPending();
}

void ColourPage::ApplyWrites(const ColourWrites& writes) {
  // One element per call, in order: Windows repaints the desktop after each.
  for (const ColourWrite& write : writes) services_.SetSysColor(write.element, write.colour);
  ShowPending();
}

void ColourPage::ChooseSwatchColour() {
  PageSet::SystemDialogScope dialog(pageSet_);
  if (Model().TakeDialogAnswer(services_.PickColor(hwnd()))) {
    services_.ShowMessage(hwnd(), kChooseAgainText, kApplicationTitle, MessageIcon::Exclamation);
  } else {
    picSBPanel1.SetBackColor(Model().Swatch());
  }
}

void ColourPage::WireOption(forms::OptionButton& option) {
  option.Click = [this, &option] {
    if (option.Value()) Model().SelectOption();
  };
}

void ColourPage::ColourStep() { ApplyWrites(Model().Preview()); }

bool ColourPage::ActivationRuns(PreviousWindow previous) { return pageSet_.Activated(Design().number, previous); }

void ColourPage::ProgramActivated(bool active) { pageSet_.ProgramActivated(active); }

}  // namespace chelan
