#include "skin/frmFancyfrm.h"

#include "skin/skin_colours.h"
#include "skin/system_colours.h"

namespace chelan {

namespace {

enum ControlId {
  kOption1 = 3001, kCommand2, kCommand5, kCommand6, kCommand8, kCommand9, kCommand10, kCommand11, kCommand12,
  kCommand13, kCommand7, kCommand15, kLabel1, kLabel2
};

constexpr COLORREF kStatusText = RGB(255, 255, 255);

// The mixer's places beside the page, in twips: at load below the page, then at every paint.
constexpr int kMixerLoadLeft = 7800;
constexpr int kMixerLoadBelow = 5300;
constexpr int kMixerPaintLeft = 3800;
constexpr int kMixerPaintTop = 5300;

// The frames drawn around the page's two control groups and the slogan, in the status bar's twips.
constexpr forms::TwipRect kShapes[] = {{330, 540, 3015, 1185}, {7200, 450, 1155, 705}, {7050, 1380, 1485, 315}};

}  // namespace

frmFancyfrm::frmFancyfrm(Services& services, Form3& mixer)
    : SkinPage(services, kPage1Design, L"ChelanFrmFancyfrm"), mixer_(mixer) {}

void frmFancyfrm::LoadPage() {
  const HWND form = hwnd();
  const HWND status = picStatusBar.hwnd();
  struct PresetButton {
    forms::Button& button;
    HWND parent;
    forms::TwipRect place;
    int id;
    void (frmFancyfrm::*click)();
  };
  // In the order of the preset table: the status bar's two rows, then the row on the form.
  const std::array<PresetButton, 9> presets = {{
      {Command8, status, {390, 1140, 975, 285}, kCommand8, &frmFancyfrm::Command8_Click},
      {Command9, status, {1350, 1140, 975, 285}, kCommand9, &frmFancyfrm::Command9_Click},
      {Command10, status, {2310, 1140, 975, 285}, kCommand10, &frmFancyfrm::Command10_Click},
      {Command11, status, {390, 1410, 975, 285}, kCommand11, &frmFancyfrm::Command11_Click},
      {Command12, status, {1350, 1410, 975, 285}, kCommand12, &frmFancyfrm::Command12_Click},
      {Command13, status, {2310, 1410, 975, 285}, kCommand13, &frmFancyfrm::Command13_Click},
      {Command2, form, {420, 5160, 975, 285}, kCommand2, &frmFancyfrm::Command2_Click},
      {Command5, form, {1380, 5160, 975, 285}, kCommand5, &frmFancyfrm::Command5_Click},
      {Command6, form, {2340, 5160, 975, 285}, kCommand6, &frmFancyfrm::Command6_Click},
  }};
  Option1.Create(form, L"选择澈岚设定的系统背景色彩", {420, 4890, 2895, 255}, kOption1);
  Option1.SetColors(RGB(0, 0, 0), Design().windowBack);
  for (std::size_t i = 0; i < presets.size(); ++i) {
    presets[i].button.Create(presets[i].parent, std::wstring(kPage1Presets[i].caption), presets[i].place,
                             presets[i].id);
    presets[i].button.Click = [this, click = presets[i].click] { (this->*click)(); };
  }
  Command15.Create(status, L"确认选择", {7260, 810, 1035, 285}, kCommand15);
  Label1.Create(status, L"自定义背景色", {7230, 510, 1095, 285}, kLabel1);
  Command7.Create(status, L"选择系统标题颜色", {750, 0, 1605, 375}, kCommand7);
  Label2.Create(status, L"随心所欲选皮肤", {7080, 1440, 1395, 195}, kLabel2);
  for (forms::Label* label : {&Label1, &Label2}) label->SetColors(kStatusText, Design().statusBack);
  for (forms::Control* control : std::initializer_list<forms::Control*>{
           &Option1, &Command2, &Command5, &Command6, &Command8, &Command9, &Command10, &Command11, &Command12,
           &Command13, &Command7, &Command15, &Label1, &Label2}) {
    control->SetFont(font_.get());
  }
  Command15.Click = [this] { Command15_Click(); };
  Command7.Click = [this] { Command7_Click(); };
  BringToFront({&Option1, &Command2, &Command5, &Command6});
  DrawShapes();
}

void frmFancyfrm::DrawShapes() {
  const HDC bar = picStatusBar.Dc();
  HGDIOBJ pen = SelectObject(bar, GetStockObject(BLACK_PEN));
  HGDIOBJ brush = SelectObject(bar, GetStockObject(NULL_BRUSH));
  for (const forms::TwipRect& shape : kShapes) {
    const int left = forms::TwipsToPixelsX(shape.left);
    const int top = forms::TwipsToPixelsY(shape.top);
    Rectangle(bar, left, top, left + forms::TwipsToPixelsX(shape.width), top + forms::TwipsToPixelsY(shape.height));
  }
  SelectObject(bar, brush);
  SelectObject(bar, pen);
  picStatusBar.Refresh();
}

void frmFancyfrm::ApplyStep(ColorValue newPending) {
  WriteColourStep(services_, kBackgroundStep, PendingColour(), picSBPanel1.BackColor());
  SetPending(newPending);
}

void frmFancyfrm::PresetClick(std::size_t preset) {
  // Before the option is selected the presets are not armed.
  if (!Option1.Value()) return;
  ApplyStep(kPage1Presets[preset].colour);
}

void frmFancyfrm::Command8_Click() { PresetClick(0); }
void frmFancyfrm::Command9_Click() { PresetClick(1); }
void frmFancyfrm::Command10_Click() { PresetClick(2); }
void frmFancyfrm::Command11_Click() { PresetClick(3); }
void frmFancyfrm::Command12_Click() { PresetClick(4); }
void frmFancyfrm::Command13_Click() { PresetClick(5); }
void frmFancyfrm::Command2_Click() { PresetClick(6); }
void frmFancyfrm::Command5_Click() { PresetClick(7); }
void frmFancyfrm::Command6_Click() { PresetClick(8); }

void frmFancyfrm::Command15_Click() {
  // Works whether or not the option is selected.
  ApplyStep(Rgb(mixer_.Slider1.Value(), mixer_.Slider2.Value(), mixer_.Slider3.Value()));
}

void frmFancyfrm::Command7_Click() { ChooseSwatchColour(); }

void frmFancyfrm::ColourStep() {
  WriteColourStep(services_, kBackgroundStep, PendingColour(), kPage1PreviewTitle);
}

void frmFancyfrm::Form_Paint() { PlaceMixer(false); }

void frmFancyfrm::PlaceMixer(bool atLoad) {
  RECT page{};
  GetWindowRect(hwnd(), &page);
  // Shown without taking the activation from the page that is loading or painting.
  mixer_.ShowBeside(hwnd());
  if (atLoad) {
    mixer_.SetLeft(forms::PixelsToTwipsX(page.left) + kMixerLoadLeft);
    mixer_.SetTop(forms::PixelsToTwipsY(page.bottom - page.top) + kMixerLoadBelow);
  } else {
    mixer_.SetLeft(forms::PixelsToTwipsX(page.left) + kMixerPaintLeft);
    mixer_.SetTop(forms::PixelsToTwipsY(page.top) + kMixerPaintTop);
  }
  // An owned window stays in front of its owner; Wine without a window manager needs telling.
  SetWindowPos(mixer_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace chelan
