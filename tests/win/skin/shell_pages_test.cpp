// The page shell on all three pages, and skin pages 2 and 3, driven by messages with the recording fake.
#include <gtest/gtest.h>

#include "pages_fixture.h"
#include "shell/tones.h"

#include <algorithm>
#include <iterator>

namespace chelan {
namespace {

using testing::Click;
using testing::ShownMessage;
using testing::SysColorWrite;

TEST_F(PagesTest, OpeningPages2And3WritesTheirPreviewsInOrder) {
  Open(page2);
  Open(page3);
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{7, Rgb(10, 10, 250)},
                                                      {30, Rgb(154, 245, 63)},
                                                      {18, Rgb(30, 10, 250)},
                                                      {20, Rgb(255, 255, 0)}}));
}

TEST_F(PagesTest, Page2ConfirmWritesMenuTextThenSwatchThenSetsPage1) {
  Open(page2);
  TakeWrites();
  Click(page2.Command2);
  EXPECT_TRUE(TakeWrites().empty()) << "without the option nothing is written";
  EXPECT_TRUE(page1Pending.empty());
  Click(page2.Option1);
  Click(page2.Command2);
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{7, Rgb(10, 10, 250)}, {30, Rgb(255, 255, 128)}}));
  EXPECT_EQ(page1Pending, std::vector<ColorValue>{Rgb(150, 150, 250)});
}

TEST_F(PagesTest, Page2ColorDialogRecolorsOnlyTheSwatchAndCancelAsksToChooseAgain) {
  Open(page2);
  TakeWrites();
  services.colorAnswers = {Rgb(1, 2, 3), std::nullopt};
  Click(page2.Command8);
  EXPECT_EQ(page2.picSBPanel1.BackColor(), Rgb(1, 2, 3));
  EXPECT_TRUE(TakeWrites().empty());
  Click(page2.Command8);
  EXPECT_EQ(services.messages,
            (std::vector<ShownMessage>{{L"取消后重选", L"澈岚皮肤6.1", MessageIcon::Exclamation}}));
  EXPECT_EQ(page2.picSBPanel1.BackColor(), Rgb(1, 2, 3));
  Click(page2.Option1);
  Click(page2.Command2);
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{7, Rgb(10, 10, 250)}, {30, Rgb(1, 2, 3)}}));
}

TEST_F(PagesTest, Page3ConfirmOnlyWithTheOptionAndThePuzzleButtonOpensThePuzzle) {
  Open(page3);
  TakeWrites();
  Click(page3.Command2);
  EXPECT_TRUE(TakeWrites().empty());
  Click(page3.Option1);
  Click(page3.Command2);
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{18, Rgb(30, 10, 250)}, {20, Rgb(255, 192, 255)}}));
  EXPECT_EQ(page1Pending, std::vector<ColorValue>{Rgb(150, 250, 50)});
  Click(page3.Command1);
  Click(page3.Command1);
  EXPECT_EQ(puzzleOpenings, 2);
}

TEST_F(PagesTest, ReturningToAPageRerunsOnlyItsActivation) {
  Open(page2);
  Click(page2.Option1);
  services.colorAnswers = {Rgb(9, 9, 9)};
  Click(page2.Command8);
  page2.Hide();
  Open(page3);
  TakeWrites();
  Open(page2);
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{7, Rgb(10, 10, 250)}, {30, Rgb(154, 245, 63)}}));
  // The load did not run again: the option and the swatch kept their state.
  EXPECT_TRUE(page2.Option1.Value());
  EXPECT_EQ(page2.picSBPanel1.BackColor(), Rgb(9, 9, 9));
}

TEST_F(PagesTest, ActivationStartsBothTimersWhichTheLoadLeftOff) {
  page3.Load();
  EXPECT_FALSE(page3.Timer1.Enabled());
  EXPECT_FALSE(page3.Timer2.Enabled());
  Open(page3);
  EXPECT_TRUE(page3.Timer1.Enabled());
  EXPECT_EQ(page3.Timer1.Interval(), 800u);
  EXPECT_TRUE(page3.Timer2.Enabled());
  EXPECT_EQ(page3.Timer2.Interval(), 10u);
  // Stopped timers are started again at the next activation.
  page3.Timer1.SetEnabled(false);
  Open(page2);
  Open(page3);
  EXPECT_TRUE(page3.Timer1.Enabled());
}

TEST_F(PagesTest, SwitchingInFromAnotherProgramRunsNoActivation) {
  Open(page3);
  TakeWrites();
  // Windows tells the program it becomes active before activating the page; no window of the
  // program was active before.
  SendMessageW(page3.hwnd(), WM_ACTIVATEAPP, TRUE, 0);
  SendMessageW(page3.hwnd(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
  EXPECT_TRUE(TakeWrites().empty());
  // Coming from another window of the program does run it.
  Open(page2);
  TakeWrites();
  SetActiveWindow(page3.hwnd());
  testing::PumpMessages();
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{18, Rgb(30, 10, 250)}, {20, Rgb(255, 255, 0)}}));
}

struct CloseWay {
  const char* name;
  void (*close)(SkinPage&);
};

class ClosingAPage : public PagesTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(ClosingAPage, EndsTheProgramWithoutAQuestion) {
  Open(page2);
  GetParam().close(page2);
  EXPECT_EQ(services.endProgramCalls, 1);
  EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingAPage,
    ::testing::Values(CloseWay{"exitButton", [](SkinPage& p) { Click(p.cmdExit); }},
                      CloseWay{"exitMenuItem",
                               [](SkinPage& p) { SendMessageW(p.hwnd(), WM_COMMAND, SkinPage::mnuFileExit, 0); }},
                      CloseWay{"closeBox", [](SkinPage& p) { SendMessageW(p.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
                      CloseWay{"sessionEnd", [](SkinPage& p) { SendMessageW(p.hwnd(), WM_ENDSESSION, TRUE, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

class ShellLayout : public PagesTest, public ::testing::WithParamInterface<int> {
 protected:
  SkinPage& Page() { return PageNumber(GetParam()); }
};

TEST_P(ShellLayout, BarsDockAndStatusLabelsKeepTheirDistances) {
  SkinPage& page = Page();
  Open(page);
  RECT client{};
  GetClientRect(page.hwnd(), &client);
  EXPECT_EQ(client.right, 603);
  EXPECT_EQ(client.bottom, 411);
  EXPECT_EQ(testing::PlaceInParent(page.picToolBar.hwnd()).bottom, 27);
  const RECT status = testing::PlaceInParent(page.picStatusBar.hwnd());
  EXPECT_EQ(status.top, 411 - 127);
  EXPECT_EQ(status.right, 603);
  const RECT panel = testing::PlaceInParent(page.picSBPanel1.hwnd());
  EXPECT_EQ(panel.left, 1);
  EXPECT_EQ(panel.top, 0);
  EXPECT_EQ(testing::PlaceInParent(page.lblMusic.hwnd()).left, panel.right + 4);
  EXPECT_EQ(testing::PlaceInParent(page.lblClock.hwnd()).right, 603 - 6);
  EXPECT_EQ(testing::ColorsOf(page.lblMusic.hwnd()).text, RGB(0, 255, 255));
  EXPECT_EQ(testing::ColorsOf(page.lblClock.hwnd()).back, RGB(0, 0, 0));
  EXPECT_FALSE(page.picBody.Visible());
  EXPECT_EQ(page.marquee.width, 603);
  EXPECT_EQ(page.marquee.height, 357);
  EXPECT_EQ(page.marquee.scrollPosition, 357);
  EXPECT_TRUE(page.clock.on);
}

TEST_P(ShellLayout, BodyGradientRunsInSevenPixelBandsUnderThePagesRedAndGreen) {
  SkinPage& page = Page();
  Open(page);
  const GradientBase base = page.Design().gradient;
  const HDC body = page.picBody.Dc();
  EXPECT_EQ(GetPixel(body, 0, 0), Rgb(base.red, base.green, 150));
  EXPECT_EQ(GetPixel(body, 602, 6), Rgb(base.red, base.green, 150));
  EXPECT_EQ(GetPixel(body, 300, 7), Rgb(base.red, base.green, 147));
  EXPECT_EQ(GetPixel(body, 0, 356), Rgb(base.red, base.green, 3));
}

TEST_P(ShellLayout, LogoIsHeldInThreeTones) {
  SkinPage& page = Page();
  Open(page);
  ASSERT_TRUE(page.logoReady);
  for (int x : {3, 16, 28}) {
    const COLORREF stored = GetPixel(page.holders[1].Dc(), x, 16);
    const COLORREF bright = GetPixel(page.picLogo[1].Dc(), x, 16);
    const COLORREF dark = GetPixel(page.picLogo[0].Dc(), x, 16);
    EXPECT_EQ(bright, ScaleTone(stored, 1.3f)) << x;
    EXPECT_EQ(dark, ScaleTone(bright, 0.4f)) << x;
  }
  // Holder 0 holds the gradient.
  EXPECT_EQ(GetPixel(page.holders[0].Dc(), 0, 0), GetPixel(page.picBody.Dc(), 0, 0));
}

TEST_P(ShellLayout, MenuOffersMusicClockAndTheWayBackWithExitLastAndTheGlyphsKept) {
  SkinPage& page = Page();
  Open(page);
  HMENU bar = GetMenu(page.hwnd());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(testing::MenuItemText(bar, 0), L"澈岚");
  HMENU file = GetSubMenu(bar, 0);
  const struct {
    const wchar_t* text;  // null: a separator
    int id;
    bool glyph;
  } items[] = {{L"&Music", SkinPage::mnuFileMusic, true},
               {L"&Clock", SkinPage::mnuFileClock, true},
               {L"恢复原色(&R)", SkinPage::mnuFileRestore, false},
               {nullptr, 0, false},
               {L"E&xit", SkinPage::mnuFileExit, true}};
  ASSERT_EQ(GetMenuItemCount(file), static_cast<int>(std::size(items)));
  // The way back is there whatever the page's music and clock.
  EXPECT_FALSE(GetMenuState(file, SkinPage::mnuFileRestore, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
  for (int i = 0; i < static_cast<int>(std::size(items)); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS | MIIM_FTYPE | MIIM_ID;
    GetMenuItemInfoW(file, static_cast<UINT>(i), TRUE, &info);
    if (!items[i].text) {
      EXPECT_TRUE(info.fType & MFT_SEPARATOR) << i;
      continue;
    }
    EXPECT_EQ(testing::MenuItemText(file, i), items[i].text);
    EXPECT_EQ(static_cast<int>(info.wID), items[i].id) << i;
    if (items[i].glyph) {
      EXPECT_NE(info.hbmpUnchecked, nullptr) << i;
      EXPECT_EQ(info.hbmpUnchecked, info.hbmpChecked) << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, ShellLayout, ::testing::Values(1, 2, 3),
                         [](const auto& info) { return "page" + std::to_string(info.param); });

}  // namespace
}  // namespace chelan

namespace chelan {
namespace {

HBITMAP MenuGlyph(SkinPage& page, int item) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_CHECKMARKS;
  GetMenuItemInfoW(GetMenu(page.hwnd()), static_cast<UINT>(item), FALSE, &info);
  return info.hbmpChecked;
}

HBITMAP ButtonPicture(const forms::Button& button) { return button.Picture(); }

TEST_F(PagesTest, ClockToggledTwiceByButtonAndMenuReturnsToOnInEveryRespect) {
  Open(page2);
  ASSERT_TRUE(page2.clock.on);
  EXPECT_TRUE(page2.lblClock.Visible());
  EXPECT_EQ(page2.toolTips.Text(page2.cmdClock.hwnd()), L"");
  Click(page2.cmdClock);
  EXPECT_FALSE(page2.clock.on);
  EXPECT_FALSE(page2.lblClock.Visible());
  EXPECT_FALSE(page2.Timer1.Enabled());
  EXPECT_EQ(page2.toolTips.Text(page2.cmdClock.hwnd()), L"Turn clock on");
  EXPECT_EQ(MenuGlyph(page2, SkinPage::mnuFileClock), page2.imgClock2.get());
  SendMessageW(page2.hwnd(), WM_COMMAND, SkinPage::mnuFileClock, 0);
  EXPECT_TRUE(page2.clock.on);
  EXPECT_TRUE(page2.lblClock.Visible());
  EXPECT_TRUE(page2.Timer1.Enabled());
  EXPECT_EQ(page2.toolTips.Text(page2.cmdClock.hwnd()), L"Turn clock off");
  EXPECT_EQ(MenuGlyph(page2, SkinPage::mnuFileClock), page2.imgClock.get());
}

TEST_F(PagesTest, ClockOffStaysOffAcrossAReturnButItsTimerRunsAgain) {
  Open(page2);
  Click(page2.cmdClock);
  page2.Hide();
  Open(page3);
  Open(page2);
  EXPECT_FALSE(page2.clock.on);
  EXPECT_FALSE(page2.lblClock.Visible());
  EXPECT_TRUE(page2.Timer1.Enabled());
}

TEST_F(PagesTest, ClockLabelShowsTheTimeOfDayAtEachTick) {
  Open(page3);
  services.now = LocalTime{2026, 12, 9, 7, 3, 5};
  page3.Timer1_Timer();
  EXPECT_EQ(page3.lblClock.Text(), L"07:03:05");
}

TEST_F(PagesTest, MusicLoopsFromLoadAndTheButtonAndMenuToggleOneState) {
  const std::wstring music = L"C:\\Chelan\\集结号.wav";
  services.PutFile(music, "RIFF");
  Open(page2);
  EXPECT_EQ(services.sounds, (std::vector<testing::PlayedSound>{{music, true}}));
  EXPECT_EQ(page2.lblMusic.Text(), L"音乐打开");
  EXPECT_TRUE(page2.cmdMusic.Enabled());
  Click(page2.cmdMusic);
  EXPECT_EQ(services.calls.back(), L"StopSound");
  EXPECT_EQ(page2.lblMusic.Text(), L"音乐关闭");
  EXPECT_EQ(page2.toolTips.Text(page2.cmdMusic.hwnd()), L"音乐关闭");
  EXPECT_EQ(ButtonPicture(page2.cmdMusic), page2.ImgMusic2.get());
  EXPECT_EQ(MenuGlyph(page2, SkinPage::mnuFileMusic), page2.ImgMusic2.get());
  SendMessageW(page2.hwnd(), WM_COMMAND, SkinPage::mnuFileMusic, 0);
  EXPECT_EQ(services.sounds.back(), (testing::PlayedSound{music, true}));
  EXPECT_EQ(page2.lblMusic.Text(), L"音乐打开");
  EXPECT_EQ(page2.toolTips.Text(page2.cmdMusic.hwnd()), L"音乐打开");
  EXPECT_EQ(MenuGlyph(page2, SkinPage::mnuFileMusic), page2.imgMusic.get());
}

TEST_F(PagesTest, WithoutTheMusicFileTheMusicControlsAreGreyAndSilent) {
  Open(page3);
  EXPECT_FALSE(page3.cmdMusic.Enabled());
  EXPECT_TRUE(GetMenuState(GetMenu(page3.hwnd()), SkinPage::mnuFileMusic, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(page3.lblMusic.Text(), L"音乐关闭");
  page3.cmdMusic_Click();
  page3.mnuFileMusic_Click();
  EXPECT_TRUE(services.sounds.empty());
  EXPECT_EQ(std::count(services.calls.begin(), services.calls.end(), L"StopSound"), 0);
}

TEST_F(PagesTest, AVisiblePageCopiesEachFrameToItsBodyAndAHiddenOneOnlyMovesOn) {
  Open(page3);
  const std::int32_t start = page3.marquee.scrollPosition;
  page3.Timer2_Timer();
  EXPECT_EQ(page3.marquee.scrollPosition, start - 1);
  forms::ClientDc shown(page3.hwnd());
  for (POINT p : {POINT{5, 5}, POINT{300, 100}, POINT{590, 200}}) {
    EXPECT_EQ(GetPixel(shown.get(), p.x, p.y + 27), GetPixel(page3.picBody.Dc(), p.x, p.y)) << p.x;
  }
  page3.Hide();
  // A hidden page draws nothing on its canvas: mark it and see the mark stay.
  SetPixel(page3.picBody.Dc(), 0, 0, RGB(1, 2, 3));
  for (int tick = 0; tick < 5; ++tick) page3.Timer2_Timer();
  EXPECT_EQ(page3.marquee.scrollPosition, start - 6);
  EXPECT_EQ(GetPixel(page3.picBody.Dc(), 0, 0), RGB(1, 2, 3));
}

}  // namespace
}  // namespace chelan
