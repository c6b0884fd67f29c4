#include "skin/frmFancyfrm.h"

#include "skin/page_designs.h"
#include "skin/skin_colors.h"

namespace chelan {

namespace {

enum ControlId { kOption1 = 3001, kCommand7, kCommand15, kLabel1, kLabel2, kFirstPreset };

constexpr COLORREF kStatusText = RGB(255, 255, 255);

// The mixer's places beside the page, in twips: at load below the page, then at every paint.
constexpr int kMixerLoadLeft = 7800;
constexpr int kMixerLoadBelow = 5300;
constexpr int kMixerPaintLeft = 3800;
constexpr int kMixerPaintTop = 5300;

// The frames drawn around the page's two control groups and the slogan, in the status bar's twips.
constexpr forms::TwipRect kShapes[] = {{330, 540, 3015, 1185}, {7200, 450, 1155, 705}, {7050, 1380, 1485, 315}};

}  // namespace

frmFancyfrm::frmFancyfrm(Services& services, PageSet& pageSet, FrameClock& clock, Form3& mixer)
    : ColorPage(services, pageSet, clock, kPage1Design, L"ChelanFrmFancyfrm"), mixer_(mixer) {}

void frmFancyfrm::LoadColorControls() {
  const HWND form = hwnd();
  const HWND status = picStatusBar.hwnd();
  Option1.Create(form, L"选择澈岚设定的系统背景色彩", {420, 4890, 2895, 255}, kOption1);
  Option1.SetColors(RGB(0, 0, 0), Design().windowBack);
  WireOption(Option1);
  for (std::size_t i = 0; i < kPage1Presets.size(); ++i) {
    const Preset& preset = kPage1Presets[i];
    forms::Button& button = this->*kPresetButtons[i];
    const PresetPlace& place = preset.place;
    button.Create(place.onStatusBar ? status : form, std::wstring(preset.caption),
                  {place.left, place.top, place.width, place.height}, kFirstPreset + static_cast<int>(i));
    button.Click = [this, i] { PresetClick(i); };
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

void frmFancyfrm::PresetClick(std::size_t preset) { ApplyWrites(Model().Preset(preset)); }

void frmFancyfrm::Command15_Click() {
  // The mixer's colour is read after the step has written what was pending.
  ApplyWrites(Model().ConfirmMixer(Rgb(mixer_.Slider1.Value(), mixer_.Slider2.Value(), mixer_.Slider3.Value())));
}

void frmFancyfrm::Command7_Click() { ChooseSwatchColor(); }

void frmFancyfrm::Form_Paint() { PlaceMixer(false); }

void frmFancyfrm::HideMixer() {
  if (mixer_.Exists()) mixer_.Hide();
}

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
