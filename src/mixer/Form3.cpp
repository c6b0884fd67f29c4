#include "mixer/Form3.h"

#include <commctrl.h>

#include <initializer_list>

#include "forms/twips.h"
#include "mixer/twips_surface.h"

namespace chelan {

namespace {

constexpr COLORREF kFormBack = RGB(81, 153, 119);
constexpr COLORREF kPanelBack = RGB(255, 255, 192);
constexpr COLORREF kPreviewBack = RGB(0, 0, 0);
constexpr COLORREF kButtonBack = RGB(255, 192, 255);
constexpr COLORREF kRedText = RGB(255, 0, 0);
constexpr COLORREF kGreenText = RGB(0, 192, 0);
constexpr COLORREF kBlueText = RGB(0, 0, 192);
constexpr COLORREF kMixedText = RGB(0, 0, 128);
constexpr COLORREF kShape1Line = RGB(222, 18, 105);

// The sliders end at 225, not 255.
constexpr int kSliderMax = 225;
constexpr int kSmallStep = 1;
constexpr int kLargeStep = 5;
constexpr int kTickEvery = 25;

constexpr forms::TwipRect kShape1{30, 30, 2955, 1335};
constexpr forms::TwipRect kShape2{150, 1440, 2775, 435};

constexpr wchar_t kAboutText[] = L"澈岚皮肤 6.1";
constexpr wchar_t kAboutTitle[] = L"关于";

enum ControlId {
  kSlider1 = 101,
  kSlider2,
  kSlider3,
  kLabel1,
  kLabel2,
  kLabel3,
  kLabel4,
  kLabel5,
  kLabel6,
  kLabel7,
  kLabel8,
  kCheck1,
  kCommand1,
  kCommand2,
  kCommand3,
  kCommand4
};

void AddStyle(HWND window, LONG_PTR style) {
  SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | style);
}

forms::Font ItalicSansSerif() {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(825, forms::ScreenDpiY(), 7200);  // 8.25 points
  font.lfWeight = FW_NORMAL;
  font.lfItalic = TRUE;
  font.lfCharSet = ANSI_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
  return forms::Font(CreateFontIndirectW(&font));
}

// A shape's outline, inside its bounds, as the panel draws it behind its controls.
void DrawOutline(HDC dc, const forms::TwipRect& place, COLORREF line) {
  SetDCPenColor(dc, line);
  const int left = forms::TwipsToPixelsX(place.left);
  const int top = forms::TwipsToPixelsY(place.top);
  Rectangle(dc, left, top, left + forms::TwipsToPixelsX(place.width), top + forms::TwipsToPixelsY(place.height));
}

}  // namespace

Form3::Form3(Services& services) : services_(services) {}

// The window goes while the controls it reflects messages to still exist.
void Form3::Show(HWND owner) {
  if (!Exists()) owner_ = owner;
  Form::Show();
}

void Form3::ShowBeside(HWND owner) {
  if (!Exists()) {
    owner_ = owner;
    Load();
  }
  if (!IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_SHOWNA);
}

void Form3::Load() {
  if (Exists()) return;
  loaded_ = false;
  background_.reset();
  CreateForm(L"ChelanForm3", L"Gradient Background Demonstration", 3135, 1515, kFormBack,
             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, owner_);
  font_ = forms::MakeFont(L"宋体", 9, false);
  italicFont_ = ItalicSansSerif();

  // The panel clips whatever of its controls lies beyond its height; those still take the focus
  // by Tab, which reaches into the panel as into a group of the window's own controls.
  SSPanel1.Create(hwnd(), {30, 30, 3075, 1455}, kPanelBack);
  SetWindowLongPtrW(SSPanel1.hwnd(), GWL_EXSTYLE,
                    GetWindowLongPtrW(SSPanel1.hwnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  const HWND panel = SSPanel1.hwnd();

  // Created in tab order. The labels come last, lowest in the z-order and clipped by the controls
  // above them: like text drawn on the panel itself, they lie behind whatever overlaps them.
  Picture1.Create(panel, {1530, 120, 1395, 285}, kPreviewBack, true);
  Picture2.Create(panel, {1500, 420, 1425, 285}, kPreviewBack, true);
  Picture3.Create(panel, {1530, 720, 1395, 285}, kPreviewBack, true);
  Picture4.Create(panel, {1530, 1020, 1395, 285}, kPreviewBack, true);
  for (const forms::PictureBox* preview :
       std::initializer_list<const forms::PictureBox*>{&Picture1, &Picture2, &Picture3, &Picture4}) {
    AddStyle(preview->hwnd(), WS_TABSTOP);
  }
  Check1.Create(panel, L"上 下", {1140, 1500, 1065, 225}, kCheck1);
  Command1.CreateColored(panel, L"背景颜色", {360, 1500, 915, 315}, kCommand1, kButtonBack);
  Command2.Create(panel, L"About...", {720, 2400, 975, 315}, kCommand2);
  Command3.CreateColored(panel, L"退 出", {1830, 1530, 915, 315}, kCommand3, kButtonBack);
  Command4.Create(panel, L"Command4", {1800, 2550, 915, 285}, kCommand4);
  Slider1.Create(panel, {120, 120, 1425, 285}, kSlider1);
  Slider2.Create(panel, {120, 420, 1425, 285}, kSlider2);
  Slider3.Create(panel, {120, 720, 1425, 285}, kSlider3);
  Label1.Create(panel, L"Red = 0", {1320, 180, 1035, 165}, kLabel1);
  Label2.Create(panel, L"Green = 0", {1320, 420, 1035, 165}, kLabel2);
  Label3.Create(panel, L"Blue = 255", {1320, 750, 1035, 165}, kLabel3);
  Label4.Create(panel, L"  合成背景色彩", {120, 1020, 1455, 255}, kLabel4);
  Label5.Create(panel, L"0, 0, 255, 1", {1290, 2010, 1605, 255}, kLabel5);
  Label6.Create(panel, L"Object,", {120, 2010, 555, 255}, kLabel6);
  Label7.Create(panel, L"Gradient", {660, 2010, 615, 255}, kLabel7);
  Label8.Create(panel, L"Syntax for current gradient is:", {120, 2280, 2775, 255}, kLabel8);

  for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    AddStyle(child, WS_CLIPSIBLINGS);
  }
  for (forms::Control* control : std::initializer_list<forms::Control*>{
           &Check1, &Command1, &Command2, &Command3, &Command4, &Label1, &Label2, &Label3, &Label4, &Label5,
           &Label7, &Label8}) {
    control->SetFont(font_.get());
  }
  Label6.SetFont(italicFont_.get());
  // Labels 1 to 3 have no background of their own: the panel shows through.
  Label1.SetColors(kRedText, kPanelBack);
  Label2.SetColors(kGreenText, kPanelBack);
  Label3.SetColors(kBlueText, kPanelBack);
  ColorLabel4();

  const int initial[] = {220, 100, 120};
  int index = 0;
  for (forms::Trackbar* slider : {&Slider1, &Slider2, &Slider3}) {
    slider->SetRange(0, kSliderMax);
    slider->SetSmallChange(kSmallStep);
    slider->SetLargeChange(kLargeStep);
    SendMessageW(slider->hwnd(), TBM_SETTICFREQ, kTickEvery, 0);
    slider->SetValue(initial[index++]);
  }
  Check1.SetValue(true);
  DrawShapes();

  Slider1.Scroll = [this] { Slider1_Change(); };
  Slider2.Scroll = [this] { Slider2_Change(); };
  Slider3.Scroll = [this] { Slider3_Change(); };
  Check1.Click = [this] { Check1_Click(); };
  Picture3.Paint = [this] { Picture3_Paint(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };

  loaded_ = true;
  Form_Resize();
}

int Form3::Left() const {
  RECT outer{};
  GetWindowRect(hwnd(), &outer);
  return forms::PixelsToTwipsX(outer.left);
}

int Form3::Top() const {
  RECT outer{};
  GetWindowRect(hwnd(), &outer);
  return forms::PixelsToTwipsY(outer.top);
}

void Form3::SetLeft(int twips) {
  if (!Exists()) Load();
  RECT outer{};
  GetWindowRect(hwnd(), &outer);
  SetWindowPos(hwnd(), nullptr, forms::TwipsToPixelsX(twips), outer.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form3::SetTop(int twips) {
  if (!Exists()) Load();
  RECT outer{};
  GetWindowRect(hwnd(), &outer);
  SetWindowPos(hwnd(), nullptr, outer.left, forms::TwipsToPixelsY(twips), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring Form3::SyntaxLine() const {
  return std::to_wstring(R()) + L", " + std::to_wstring(G()) + L", " + std::to_wstring(B()) + L", " +
         std::to_wstring(D());
}

void Form3::PaintMixedPreview() { PaintGradient(Picture4, R(), G(), B(), D() != 0); }

void Form3::Slider1_Change() {
  Label1.SetText(L"Red = " + std::to_wstring(R()));
  PaintGradient(Picture1, R(), 0, 0, D() != 0);
  PaintMixedPreview();
  Label5.SetText(SyntaxLine());
}

void Form3::Slider2_Change() {
  Label2.SetText(L"Green = " + std::to_wstring(G()));
  PaintGradient(Picture2, 0, G(), 0, D() != 0);
  PaintMixedPreview();
  Label5.SetText(SyntaxLine());
}

void Form3::Slider3_Change() {
  Label3.SetText(L"Blue = " + std::to_wstring(B()));
  PaintGradient(Picture3, 0, 0, B(), D() != 0);
  PaintMixedPreview();
  Label5.SetText(SyntaxLine());
}

void Form3::Check1_Click() {
  const bool topDown = D() != 0;
  PaintGradient(Picture1, R(), 0, 0, topDown);
  PaintGradient(Picture2, 0, G(), 0, topDown);
  PaintGradient(Picture3, 0, 0, B(), topDown);
  PaintGradient(Picture4, R(), G(), B(), topDown);
  Label5.SetText(SyntaxLine());
}

void Form3::Form_Resize() {
  background_ = BackgroundGradient{R(), G(), B(), D() != 0};
  forms::ClientDc dc(hwnd());
  PaintGradient(hwnd(), dc.get(), background_->r, background_->g, background_->b, background_->topDown);
}

void Form3::Picture3_Paint() {
  PaintGradient(Picture3, 0, 0, 255, true);
  PaintGradient(Picture4, 0, 0, 255, true);
}

void Form3::Command1_Click() { backgroundWindow_.ShowGradient(hwnd(), R(), G(), B(), D() != 0); }

void Form3::Command2_Click() {
  services_.ShowMessage(hwnd(), kAboutText, kAboutTitle, MessageIcon::Information);
}

void Form3::Command3_Click() { Hide(); }

void Form3::Command4_Click() { SSPanel1.SetVisible(false); }

void Form3::DrawShapes() {
  HDC dc = SSPanel1.Dc();
  forms::ScopedSelect hollow(dc, GetStockObject(NULL_BRUSH));
  forms::ScopedSelect pen(dc, GetStockObject(DC_PEN));
  DrawOutline(dc, kShape1, kShape1Line);
  // Shape2 has no colour of its own: the system's line colour.
  DrawOutline(dc, kShape2, GetSysColor(COLOR_WINDOWTEXT));
}

// The last resize's gradient survives the window being covered; a flat fill first covers the thin
// strip that an upward gradient's rounded bands may leave at the top.
void Form3::PaintBackground(HDC dc) {
  RECT client{};
  GetClientRect(hwnd(), &client);
  SetDCBrushColor(dc, BackColor());
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  if (background_) {
    PaintGradient(hwnd(), dc, background_->r, background_->g, background_->b, background_->topDown);
  }
}

// Label4 has a text colour of its own on the system's face colour, which the program itself changes.
void Form3::ColorLabel4() { Label4.SetColors(kMixedText, GetSysColor(COLOR_BTNFACE)); }

std::optional<LRESULT> Form3::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (loaded_ && wParam != SIZE_MINIMIZED) Form_Resize();
      break;
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_CLOSE:
      // The close box does what "退 出" does: the mixer stays loaded with its sliders.
      Command3_Click();
      return 0;
    case WM_SYSCOLORCHANGE:
      if (loaded_) ColorLabel4();
      break;
    default:
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace chelan
