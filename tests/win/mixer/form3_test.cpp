#include "mixer/Form3.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "fake_services.h"
#include "forms/twips.h"
#include "window_test_helpers.h"

namespace chelan {
namespace {

using testing::Click;
using testing::FakeServices;
using testing::PumpMessages;

// The page the mixer stands beside, reduced to a plain window.
class OwnerWindow : public forms::Form {
 public:
  void Load() override {
    if (Exists()) return;
    CreateForm(L"ChelanMixerTestOwner", L"owner", 4000, 3000, RGB(255, 255, 255),
               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
  }
};

// The preview boxes are 285 twips high, so every band is 285 / 63 -> 5 twips high, and a pixel row
// is 15 twips (the fixture checks 96 DPI). A twip line lies in the pixel row that contains it and
// both edges of a band are filled, so bands overlap in a row and the last one drawn there stays:
// - downwards, band k covers twips 5k to 5k + 5 and the last band reaching row y (twips 15y to
//   15y + 14) is the one starting at 15y + 10, band 3y + 2;
// - upwards, band k covers 280 - 5k to 285 - 5k and the last band reaching row y is the one ending
//   at 15y, band 57 - 3y.
int BandShownInRow(int y, bool topDown) { return topDown ? 3 * y + 2 : 57 - 3 * y; }

int Darkened(int component, int band) { return std::max(0, component - 4 * band); }

COLORREF BandColor(int r, int g, int b, int band) {
  return RGB(Darkened(r, band), Darkened(g, band), Darkened(b, band));
}

COLORREF PixelAt(const forms::PictureBox& box, int x, int y) { return GetPixel(box.Dc(), x, y); }

int InnerRows(const forms::PictureBox& box) { return box.InnerSize().cy; }

// Every row of a 285-twip preview shows the band the rows' rule gives, across the whole width.
void ExpectPreview(const forms::PictureBox& box, int r, int g, int b, bool topDown, const char* what) {
  const int rows = InnerRows(box);
  ASSERT_GT(rows, 0) << what;
  const int columns[] = {0, box.InnerSize().cx / 2, box.InnerSize().cx - 1};
  for (int y = 0; y < rows; ++y) {
    const COLORREF expected = BandColor(r, g, b, BandShownInRow(y, topDown));
    for (int x : columns) {
      ASSERT_EQ(PixelAt(box, x, y), expected) << what << " row " << y << " column " << x;
    }
  }
}

void ExpectAllBlack(const forms::PictureBox& box, const char* what) {
  for (int y = 0; y < InnerRows(box); ++y) {
    ASSERT_EQ(PixelAt(box, box.InnerSize().cx / 2, y), RGB(0, 0, 0)) << what << " row " << y;
  }
}

void Key(const forms::Control& control, UINT key, int times = 1) {
  for (int i = 0; i < times; ++i) {
    SendMessageW(control.hwnd(), WM_KEYDOWN, key, 1);
    SendMessageW(control.hwnd(), WM_KEYUP, key, 0xC0000001);
  }
  PumpMessages();
}

// From the left end by large steps, then small ones, as a user would with Page Down and the arrow.
void SlideTo(const forms::Trackbar& slider, int value) {
  Key(slider, VK_HOME);
  Key(slider, VK_NEXT, value / 5);
  Key(slider, VK_RIGHT, value % 5);
  ASSERT_EQ(slider.Value(), value);
}

class Form3Test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
  }
  void SetUp() override {
    ASSERT_EQ(forms::ScreenDpiY(), 96) << "the band rows are worked out for 15 twips a pixel";
    owner.Show();
    mixer.Show(owner.hwnd());
    PumpMessages();
  }

  FakeServices services;
  OwnerWindow owner;
  Form3 mixer{services};
};

TEST_F(Form3Test, OpensOwnedWithTheInitialTextsWhileTheSlidersStandElsewhere) {
  EXPECT_TRUE(mixer.Visible());
  EXPECT_EQ(GetWindow(mixer.hwnd(), GW_OWNER), owner.hwnd());
  EXPECT_EQ(mixer.Caption(), L"Gradient Background Demonstration");
  EXPECT_EQ(mixer.Slider1.Value(), 220);
  EXPECT_EQ(mixer.Slider2.Value(), 100);
  EXPECT_EQ(mixer.Slider3.Value(), 120);
  EXPECT_TRUE(mixer.Check1.Value());
  EXPECT_EQ(mixer.Label1.Text(), L"Red = 0");
  EXPECT_EQ(mixer.Label2.Text(), L"Green = 0");
  EXPECT_EQ(mixer.Label3.Text(), L"Blue = 255");
  EXPECT_EQ(mixer.Label5.Text(), L"0, 0, 255, 1");
  EXPECT_EQ(mixer.Check1.Text(), L"上 下");
}

TEST_F(Form3Test, RedAndGreenPreviewsStayBlackAndBlueAndMixedShowTheBlueDefault) {
  ExpectAllBlack(mixer.Picture1, "red");
  ExpectAllBlack(mixer.Picture2, "green");
  ExpectPreview(mixer.Picture3, 0, 0, 255, true, "blue");
  ExpectPreview(mixer.Picture4, 0, 0, 255, true, "mixed");
}

TEST_F(Form3Test, SlidersRunFromZeroTo225InStepsOfOneAndFive) {
  for (const forms::Trackbar* slider : {&mixer.Slider1, &mixer.Slider2, &mixer.Slider3}) {
    EXPECT_EQ(SendMessageW(slider->hwnd(), TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageW(slider->hwnd(), TBM_GETRANGEMAX, 0, 0), 225);
    EXPECT_EQ(SendMessageW(slider->hwnd(), TBM_GETLINESIZE, 0, 0), 1);
    EXPECT_EQ(SendMessageW(slider->hwnd(), TBM_GETPAGESIZE, 0, 0), 5);
  }
}

struct KeyMove {
  const char* name;
  UINT key;
  int times;
  int expected;  // from 220
};

void PrintTo(const KeyMove& move, std::ostream* out) { *out << move.name; }

class Form3Keys : public Form3Test, public ::testing::WithParamInterface<KeyMove> {};

TEST_P(Form3Keys, EachKeyMovesTheRedSliderAndItsLabelFollows) {
  Key(mixer.Slider1, GetParam().key, GetParam().times);
  EXPECT_EQ(mixer.Slider1.Value(), GetParam().expected);
  EXPECT_EQ(mixer.Label1.Text(), L"Red = " + std::to_wstring(GetParam().expected));
  EXPECT_EQ(mixer.Label5.Text(), std::to_wstring(GetParam().expected) + L", 100, 120, 1");
}

INSTANTIATE_TEST_SUITE_P(Keys, Form3Keys,
                         ::testing::Values(KeyMove{"right", VK_RIGHT, 1, 221}, KeyMove{"left", VK_LEFT, 1, 219},
                                           KeyMove{"pageUp", VK_PRIOR, 1, 215},
                                           KeyMove{"pageDownTwice", VK_NEXT, 2, 225},
                                           KeyMove{"rightStopsAtTheEnd", VK_RIGHT, 9, 225},
                                           KeyMove{"home", VK_HOME, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Channel {
  const char* name;
  forms::Trackbar Form3::*slider;
  forms::Label Form3::*label;
  forms::PictureBox* (*preview)(Form3&);
  const wchar_t* prefix;
  int red, green, blue;  // which components the channel's own preview carries
};

void PrintTo(const Channel& channel, std::ostream* out) { *out << channel.name; }

class Form3Channels : public Form3Test, public ::testing::WithParamInterface<Channel> {};

TEST_P(Form3Channels, MovingASliderPaintsItsPreviewAndTheMixedOneAndWritesBothTexts) {
  const Channel& c = GetParam();
  SlideTo(mixer.*c.slider, 37);
  EXPECT_EQ((mixer.*c.label).Text(), std::wstring(c.prefix) + L"37");

  const int r = mixer.Slider1.Value(), g = mixer.Slider2.Value(), b = mixer.Slider3.Value();
  ExpectPreview(*c.preview(mixer), c.red * 37, c.green * 37, c.blue * 37, true, c.name);
  ExpectPreview(mixer.Picture4, r, g, b, true, "mixed");
  EXPECT_EQ(mixer.Label5.Text(),
            std::to_wstring(r) + L", " + std::to_wstring(g) + L", " + std::to_wstring(b) + L", 1");
}

TEST_P(Form3Channels, OnlyTheMovedChannelsLabelChanges) {
  const Channel& c = GetParam();
  const std::wstring before[] = {mixer.Label1.Text(), mixer.Label2.Text(), mixer.Label3.Text()};
  Key(mixer.*c.slider, VK_LEFT);
  const forms::Label* labels[] = {&mixer.Label1, &mixer.Label2, &mixer.Label3};
  for (int i = 0; i < 3; ++i) {
    if (labels[i] == &(mixer.*c.label)) {
      EXPECT_NE(labels[i]->Text(), before[i]);
    } else {
      EXPECT_EQ(labels[i]->Text(), before[i]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Channels, Form3Channels,
    ::testing::Values(Channel{"red", &Form3::Slider1, &Form3::Label1, [](Form3& f) -> forms::PictureBox* { return &f.Picture1; },
                              L"Red = ", 1, 0, 0},
                      Channel{"green", &Form3::Slider2, &Form3::Label2, [](Form3& f) -> forms::PictureBox* { return &f.Picture2; },
                              L"Green = ", 0, 1, 0},
                      Channel{"blue", &Form3::Slider3, &Form3::Label3, [](Form3& f) -> forms::PictureBox* { return &f.Picture3; },
                              L"Blue = ", 0, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form3Test, RedTenGreenTwentyBlueThirtyWithTheBoxSetReadsTenTwentyThirtyOne) {
  SlideTo(mixer.Slider1, 10);
  SlideTo(mixer.Slider2, 20);
  SlideTo(mixer.Slider3, 30);
  EXPECT_EQ(mixer.Label5.Text(), L"10, 20, 30, 1");
  EXPECT_EQ(mixer.Label1.Text(), L"Red = 10");
  EXPECT_EQ(mixer.Label2.Text(), L"Green = 20");
  EXPECT_EQ(mixer.Label3.Text(), L"Blue = 30");
  // The top row holds the third band: 10 - 8, 20 - 8, 30 - 8.
  EXPECT_EQ(PixelAt(mixer.Picture4, 0, 0), RGB(2, 12, 22));
  ExpectPreview(mixer.Picture4, 10, 20, 30, true, "mixed");
}

TEST_F(Form3Test, AComponentOf100IsBlackFromBand25On) {
  // The green slider stands at 100 already: a step away and back paints it.
  Key(mixer.Slider2, VK_RIGHT);
  Key(mixer.Slider2, VK_LEFT);
  ASSERT_EQ(mixer.Slider2.Value(), 100);
  // Row 7 shows band 23 (green 8); from row 8 on, bands 26 and later: black.
  EXPECT_EQ(PixelAt(mixer.Picture2, 10, 7), RGB(0, 8, 0));
  for (int y = 8; y < InnerRows(mixer.Picture2); ++y) {
    EXPECT_EQ(PixelAt(mixer.Picture2, 10, y), RGB(0, 0, 0)) << "row " << y;
  }
}

TEST_F(Form3Test, RedAtZeroPaintsItsPreviewBlackInEveryBand) {
  Key(mixer.Slider1, VK_HOME);
  ExpectAllBlack(mixer.Picture1, "red");
  EXPECT_EQ(mixer.Label1.Text(), L"Red = 0");
}

TEST_F(Form3Test, BlueAt225StartsAt225AtTheTopEdge) {
  Key(mixer.Slider3, VK_END);
  EXPECT_EQ(mixer.Label3.Text(), L"Blue = 225");
  EXPECT_EQ(PixelAt(mixer.Picture3, 0, 0), RGB(0, 0, 217));  // band 2
  ExpectPreview(mixer.Picture3, 0, 0, 225, true, "blue");
}

TEST_F(Form3Test, ClearingTheBoxRepaintsAllFourPreviewsUpwardsAndEndsTheSyntaxLineWithZero) {
  SlideTo(mixer.Slider1, 10);
  SlideTo(mixer.Slider2, 20);
  SlideTo(mixer.Slider3, 30);
  Click(mixer.Check1);
  ASSERT_FALSE(mixer.Check1.Value());
  EXPECT_EQ(mixer.Label5.Text(), L"10, 20, 30, 0");
  ExpectPreview(mixer.Picture1, 10, 0, 0, false, "red");
  ExpectPreview(mixer.Picture2, 0, 20, 0, false, "green");
  ExpectPreview(mixer.Picture3, 0, 0, 30, false, "blue");
  ExpectPreview(mixer.Picture4, 10, 20, 30, false, "mixed");
}

TEST_F(Form3Test, TheBoxLeavesTheValueLabelsAlone) {
  Click(mixer.Check1);
  EXPECT_EQ(mixer.Label1.Text(), L"Red = 0");
  EXPECT_EQ(mixer.Label2.Text(), L"Green = 0");
  EXPECT_EQ(mixer.Label3.Text(), L"Blue = 255");
  EXPECT_EQ(mixer.Label5.Text(), L"220, 100, 120, 0");
  // Setting it again turns the previews back downwards.
  Click(mixer.Check1);
  EXPECT_EQ(mixer.Label5.Text(), L"220, 100, 120, 1");
  ExpectPreview(mixer.Picture1, 220, 0, 0, true, "red");
}

TEST_F(Form3Test, UncoveringTheBluePreviewBringsBackTheBlueDefaultThere) {
  SlideTo(mixer.Slider1, 10);
  SlideTo(mixer.Slider3, 30);
  // The program's own drawing does not count as a repaint: the slider's gradient stays.
  ExpectPreview(mixer.Picture3, 0, 0, 30, true, "blue after the slider");
  RedrawWindow(mixer.Picture3.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  ExpectPreview(mixer.Picture3, 0, 0, 255, true, "blue");
  ExpectPreview(mixer.Picture4, 0, 0, 255, true, "mixed");
  ExpectPreview(mixer.Picture1, 10, 0, 0, true, "red");
  EXPECT_EQ(mixer.Label5.Text(), L"10, 100, 30, 1");
}

TEST_F(Form3Test, ExitHidesTheMixerWhichKeepsItsSlidersAndComesBackOnTheNextShow) {
  SlideTo(mixer.Slider1, 10);
  SlideTo(mixer.Slider2, 20);
  SlideTo(mixer.Slider3, 30);
  Click(mixer.Command3);
  EXPECT_FALSE(mixer.Visible());
  EXPECT_TRUE(mixer.Exists());
  EXPECT_EQ(mixer.Slider1.Value(), 10);
  EXPECT_EQ(mixer.Slider2.Value(), 20);
  EXPECT_EQ(mixer.Slider3.Value(), 30);

  const HWND before = mixer.hwnd();
  mixer.Show(owner.hwnd());
  PumpMessages();
  EXPECT_TRUE(mixer.Visible());
  EXPECT_EQ(mixer.hwnd(), before);
  EXPECT_EQ(mixer.Slider1.Value(), 10);
  EXPECT_EQ(mixer.Label5.Text(), L"10, 20, 30, 1");
}

TEST_F(Form3Test, TheCloseBoxOnlyHidesTheMixer) {
  SendMessageW(mixer.hwnd(), WM_CLOSE, 0, 0);
  PumpMessages();
  EXPECT_TRUE(mixer.Exists());
  EXPECT_FALSE(mixer.Visible());
}

TEST_F(Form3Test, Command4HidesThePanelWithEverythingInItButNotTheWindow) {
  Click(mixer.Command4);
  EXPECT_TRUE(mixer.Visible());
  EXPECT_FALSE(mixer.SSPanel1.Visible());
  EXPECT_FALSE(IsWindowVisible(mixer.Slider1.hwnd()));
  EXPECT_FALSE(IsWindowVisible(mixer.Picture4.hwnd()));
}

TEST_F(Form3Test, WithThePanelHiddenTheWindowShowsTheGradientOfItsLastResize) {
  // Cleared after the resize of the first showing: the background keeps running downwards.
  Click(mixer.Check1);
  Click(mixer.Command4);
  RedrawWindow(mixer.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages();
  forms::ClientDc dc(mixer.hwnd());
  RECT client{};
  GetClientRect(mixer.hwnd(), &client);
  // The window's outer height is well over 945 twips, so its bands are a pixel or more high and the
  // top row is the first band alone: the sliders' colour when the window was first shown.
  EXPECT_EQ(GetPixel(dc.get(), client.right / 2, 0), RGB(220, 100, 120));
  // The bottom row lies past band 30, where green (100) and blue (120) are spent, but before band
  // 55, where red (220) would be: a darker red of the same series.
  const COLORREF bottom = GetPixel(dc.get(), client.right / 2, client.bottom - 1);
  EXPECT_EQ(GetGValue(bottom), 0);
  EXPECT_EQ(GetBValue(bottom), 0);
  EXPECT_GT(GetRValue(bottom), 0);
  EXPECT_LT(GetRValue(bottom), 220);
  EXPECT_EQ(GetRValue(bottom) % 4, 0);
}

TEST_F(Form3Test, ThePagePlacesTheMixerByItsTopLeftCornerInTwips) {
  mixer.SetLeft(3000);
  mixer.SetTop(4500);
  EXPECT_EQ(mixer.Left(), 3000);
  EXPECT_EQ(mixer.Top(), 4500);
  RECT outer{};
  GetWindowRect(mixer.hwnd(), &outer);
  EXPECT_EQ(outer.left, 200);
  EXPECT_EQ(outer.top, 300);
}

TEST_F(Form3Test, TabGoesThroughThePreviewsTheBoxTheButtonsAndThenTheSliders) {
  const std::vector<HWND> expected = {mixer.Picture1.hwnd(), mixer.Picture2.hwnd(), mixer.Picture3.hwnd(),
                                      mixer.Picture4.hwnd(), mixer.Check1.hwnd(),   mixer.Command1.hwnd(),
                                      mixer.Command2.hwnd(), mixer.Command3.hwnd(), mixer.Command4.hwnd(),
                                      mixer.Slider1.hwnd(),  mixer.Slider2.hwnd(),  mixer.Slider3.hwnd()};
  std::vector<HWND> order;
  HWND at = GetNextDlgTabItem(mixer.hwnd(), nullptr, FALSE);
  while (at && order.size() < expected.size() + 1 && std::find(order.begin(), order.end(), at) == order.end()) {
    order.push_back(at);
    at = GetNextDlgTabItem(mixer.hwnd(), at, FALSE);
  }
  EXPECT_EQ(order, expected);
}

TEST_F(Form3Test, TheClippedBoxStillWorksFromTheKeyboard) {
  mixer.Check1.SetFocus();
  SendMessageW(mixer.Check1.hwnd(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  SendMessageW(mixer.Check1.hwnd(), WM_KEYUP, VK_SPACE, 0xC0390001);
  PumpMessages();
  EXPECT_FALSE(mixer.Check1.Value());
  EXPECT_EQ(mixer.Label5.Text(), L"220, 100, 120, 0");
}

struct Placed {
  const char* name;
  HWND (*window)(const Form3&);
  forms::TwipRect place;
};

void PrintTo(const Placed& placed, std::ostream* out) { *out << placed.name; }

class Form3Layout : public Form3Test, public ::testing::WithParamInterface<Placed> {};

TEST_P(Form3Layout, EachControlStandsAtItsPlaceInThePanel) {
  const Placed& p = GetParam();
  const HWND window = p.window(mixer);
  EXPECT_EQ(GetParent(window), mixer.SSPanel1.hwnd());
  const RECT rect = testing::PlaceInParent(window);
  const int left = forms::TwipsToPixelsX(p.place.left), top = forms::TwipsToPixelsY(p.place.top);
  EXPECT_EQ(rect.left, left);
  EXPECT_EQ(rect.top, top);
  EXPECT_EQ(rect.right, left + forms::TwipsToPixelsX(p.place.width));
  EXPECT_EQ(rect.bottom, top + forms::TwipsToPixelsY(p.place.height));
}

#define PLACED(control, l, t, w, h) \
  Placed { #control, [](const Form3& f) { return f.control.hwnd(); }, {l, t, w, h} }

INSTANTIATE_TEST_SUITE_P(
    Table, Form3Layout,
    ::testing::Values(PLACED(Slider1, 120, 120, 1425, 285), PLACED(Slider2, 120, 420, 1425, 285),
                      PLACED(Slider3, 120, 720, 1425, 285), PLACED(Label1, 1320, 180, 1035, 165),
                      PLACED(Label2, 1320, 420, 1035, 165), PLACED(Label3, 1320, 750, 1035, 165),
                      PLACED(Picture1, 1530, 120, 1395, 285), PLACED(Picture2, 1500, 420, 1425, 285),
                      PLACED(Picture3, 1530, 720, 1395, 285), PLACED(Picture4, 1530, 1020, 1395, 285),
                      PLACED(Label4, 120, 1020, 1455, 255), PLACED(Command1, 360, 1500, 915, 315),
                      PLACED(Check1, 1140, 1500, 1065, 225), PLACED(Command3, 1830, 1530, 915, 315),
                      PLACED(Label6, 120, 2010, 555, 255), PLACED(Label7, 660, 2010, 615, 255),
                      PLACED(Label5, 1290, 2010, 1605, 255), PLACED(Label8, 120, 2280, 2775, 255),
                      PLACED(Command2, 720, 2400, 975, 315), PLACED(Command4, 1800, 2550, 915, 285)),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form3Test, WindowAndPanelHaveTheirSizesAndColors) {
  RECT client{};
  GetClientRect(mixer.hwnd(), &client);
  EXPECT_EQ(client.right, forms::TwipsToPixelsX(3135));
  EXPECT_EQ(client.bottom, forms::TwipsToPixelsY(1515));
  EXPECT_EQ(mixer.BackColor(), RGB(81, 153, 119));
  const RECT panel = testing::PlaceInParent(mixer.SSPanel1.hwnd());
  EXPECT_EQ(panel.left, forms::TwipsToPixelsX(30));
  EXPECT_EQ(panel.top, forms::TwipsToPixelsY(30));
  EXPECT_EQ(panel.right - panel.left, forms::TwipsToPixelsX(3075));
  EXPECT_EQ(panel.bottom - panel.top, forms::TwipsToPixelsY(1455));
  // The panel's own colour, where no shape line runs.
  EXPECT_EQ(GetPixel(mixer.SSPanel1.Dc(), 1, 1), RGB(255, 255, 192));
  // Shape1's outline, 30 twips in.
  EXPECT_EQ(GetPixel(mixer.SSPanel1.Dc(), forms::TwipsToPixelsX(30), forms::TwipsToPixelsY(600)),
            RGB(222, 18, 105));
}

TEST_F(Form3Test, LabelsAndButtonsHaveTheirColorsAndLabel6ItsItalicFont) {
  struct Look {
    const forms::Control* control;
    COLORREF text, back;
  };
  const COLORREF panel = RGB(255, 255, 192);
  for (const Look& look : {Look{&mixer.Label1, RGB(255, 0, 0), panel}, Look{&mixer.Label2, RGB(0, 192, 0), panel},
                           Look{&mixer.Label3, RGB(0, 0, 192), panel},
                           Look{&mixer.Label4, RGB(0, 0, 128), GetSysColor(COLOR_BTNFACE)}}) {
    const testing::ControlColors colors = testing::ColorsOf(look.control->hwnd());
    EXPECT_EQ(colors.text, look.text) << look.control->Text();
    EXPECT_EQ(colors.back, look.back) << look.control->Text();
  }
  EXPECT_EQ(mixer.Command1.BackColor(), RGB(255, 192, 255));
  EXPECT_EQ(mixer.Command3.BackColor(), RGB(255, 192, 255));
  const LOGFONTW italic = testing::FontOf(mixer.Label6.hwnd());
  EXPECT_TRUE(italic.lfItalic);
  EXPECT_STREQ(italic.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(italic.lfHeight, -11);  // 8.25 points at 96 DPI
}

TEST_F(Form3Test, BackgroundColorButtonShowsTheCurrentGradientInItsWindow) {
  SlideTo(mixer.Slider1, 10);
  SlideTo(mixer.Slider2, 20);
  SlideTo(mixer.Slider3, 30);
  Click(mixer.Command1);
  frmBackground& window = mixer.BackgroundWindow();
  ASSERT_TRUE(window.Visible());
  EXPECT_EQ(GetWindow(window.hwnd(), GW_OWNER), mixer.hwnd());
  EXPECT_EQ(window.Caption(), L"背景颜色");
  // Its box is 1650 twips high: bands of 26 twips, more than a pixel row, so the top row is the
  // first band alone; 30 - 4k is 0 from band 8 on, which starts at 208 twips, in row 13.
  EXPECT_EQ(PixelAt(window.Picture1, 5, 0), RGB(10, 20, 30));
  EXPECT_EQ(PixelAt(window.Picture1, 5, 1), RGB(6, 16, 26));
  EXPECT_EQ(PixelAt(window.Picture1, 5, 14), RGB(0, 0, 0));

  // Upwards once the box is cleared: the top is then the dark end.
  Click(mixer.Check1);
  Click(mixer.Command1);
  const int bottom = InnerRows(window.Picture1) - 1;
  EXPECT_EQ(PixelAt(window.Picture1, 5, 0), RGB(0, 0, 0));
  EXPECT_NE(PixelAt(window.Picture1, 5, bottom), RGB(0, 0, 0));
}

TEST_F(Form3Test, AboutShowsTheProgramsNameAndVersionInAModalBox) {
  Click(mixer.Command2);
  const testing::ShownMessage about{L"澈岚皮肤 6.1", L"关于", MessageIcon::Information};
  EXPECT_EQ(services.messages, std::vector<testing::ShownMessage>{about});
}

}  // namespace
}  // namespace chelan
