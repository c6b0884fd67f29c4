// The page windows as a user meets them: where focus and Tab go, labels of the status bar lying
// beneath the buttons that cover them, a page placed in the centre of the screen, and the way back
// to the desktop's own colours from the page menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

#include "pages_fixture.h"

namespace chelan {
namespace {

using testing::Click;
using testing::SysColorWrite;

struct TabCase {
  const char* name;
  int page;
};

class PageTabOrder : public PagesTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(PageTabOrder, TheOptionThatArmsTheConfirmComesFirstAndHasTheFocus) {
  SkinPage& page = PageNumber(GetParam().page);
  Open(page);
  forms::Control& option = GetParam().page == 2 ? static_cast<forms::Control&>(page2.Option1) : page3.Option1;
  forms::Control& confirm = GetParam().page == 2 ? static_cast<forms::Control&>(page2.Command2) : page3.Command2;
  EXPECT_EQ(GetFocus(), option.hwnd());
  std::vector<HWND> order;
  HWND at = GetNextDlgTabItem(page.hwnd(), nullptr, FALSE);
  while (at && std::find(order.begin(), order.end(), at) == order.end()) {
    order.push_back(at);
    at = GetNextDlgTabItem(page.hwnd(), at, FALSE);
  }
  const auto optionAt = std::find(order.begin(), order.end(), option.hwnd());
  const auto confirmAt = std::find(order.begin(), order.end(), confirm.hwnd());
  ASSERT_NE(optionAt, order.end());
  ASSERT_NE(confirmAt, order.end());
  EXPECT_EQ(confirmAt - optionAt, 1) << "the confirm follows the option";
}

INSTANTIATE_TEST_SUITE_P(Pages, PageTabOrder, ::testing::Values(TabCase{"page2", 2}, TabCase{"page3", 3}),
                         [](const ::testing::TestParamInfo<TabCase>& info) { return info.param.name; });

// The pixels of a rectangle of a window's client area, as the window's surface holds them.
std::vector<COLORREF> Pixels(HWND window, const RECT& area) {
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(window);
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(window, dc);
  return pixels;
}

struct CoverCase {
  const char* name;
  int page;
};

class StatusLabels : public PagesTest, public ::testing::WithParamInterface<CoverCase> {};

TEST_P(StatusLabels, AMusicLabelUnderAButtonLeavesTheButtonWhole) {
  services.PutFile(L"C:\\Chelan\\集结号.wav", "RIFF");
  SkinPage& page = PageNumber(GetParam().page);
  Open(page);
  forms::Button& button = GetParam().page == 1 ? page1.Command7 : page2.Command8;
  // Where the label and the button overlap, in the button's client pixels.
  RECT label{}, covering{}, overlap{};
  GetWindowRect(page.lblMusic.hwnd(), &label);
  GetWindowRect(button.hwnd(), &covering);
  ASSERT_TRUE(IntersectRect(&overlap, &label, &covering)) << "the label lies under the button";
  MapWindowPoints(HWND_DESKTOP, button.hwnd(), reinterpret_cast<POINT*>(&overlap), 2);
  RedrawWindow(button.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const std::vector<COLORREF> whole = Pixels(button.hwnd(), overlap);

  Click(page.cmdMusic);  // the label says "音乐关闭" now and paints itself again
  UpdateWindow(page.lblMusic.hwnd());
  testing::PumpMessages();
  EXPECT_EQ(page.lblMusic.Text(), L"音乐关闭");
  EXPECT_EQ(Pixels(button.hwnd(), overlap), whole);
}

INSTANTIATE_TEST_SUITE_P(Pages, StatusLabels, ::testing::Values(CoverCase{"page1", 1}, CoverCase{"page2", 2}),
                         [](const ::testing::TestParamInfo<CoverCase>& info) { return info.param.name; });

TEST_F(PagesTest, APageWithItsMenuBarStandsInTheCentreOfTheScreen) {
  Open(page2);
  RECT work{}, window{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(page2.hwnd(), &window);
  EXPECT_LE(std::abs((window.left - work.left) - (work.right - window.right)), 1);
  EXPECT_LE(std::abs((window.top - work.top) - (work.bottom - window.bottom)), 1);
  ASSERT_NE(GetMenu(page2.hwnd()), nullptr);
}

// What the way back must leave alone on a page: its pending colour (model and boxes), its swatch
// (model and panel) and its option.
struct PageState {
  std::array<std::wstring, 3> pending;
  std::array<std::wstring, 3> boxes;
  ColorValue swatch;
  COLORREF panel;
  bool optionSelected;
  bool optionChecked;
  bool operator==(const PageState&) const = default;
};

PageState StateOf(ColorPage& page, const forms::OptionButton& option) {
  return {page.Model().PendingTexts(),
          {page.Text3.Text(), page.Text4.Text(), page.Text5.Text()},
          page.Model().Swatch(),
          page.picSBPanel1.BackColor(),
          page.Model().OptionSelected(),
          option.Value()};
}

// Chooses "恢复原色(&R)" through the real menu as the keyboard does: the menu key (F10 or Alt, sent
// as the system command it makes) takes the menu bar, Down opens "澈岚", R chooses the item. Two escapes follow, so that a menu that did not take
// the item closes instead of waiting for a key.
void ChooseRestoreByKeyboard(SkinPage& page) {
  PostMessageW(page.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(page.hwnd(), WM_CHAR, L'r', 0);
  PostMessageW(page.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(page.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
  SendMessageW(page.hwnd(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  testing::PumpMessages();
}

constexpr int kElements[] = {15, 9, 7, 30, 18, 20};
// The desktop's colours before the program started.
constexpr ColorValue kBefore[] = {Rgb(201, 1, 1), Rgb(202, 2, 2), Rgb(203, 3, 3),
                                  Rgb(204, 4, 4), Rgb(205, 5, 5), Rgb(206, 6, 6)};

class RestoreItem : public PagesTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    for (std::size_t i = 0; i < std::size(kElements); ++i) services.desktopColors[kElements[i]] = kBefore[i];
    // Three usable values, one out of range, one missing, one far too long.
    services.userScheme = {{L"ButtonFace", L"212 208 200"},
                           {L"TitleText", L"  0 0 128 "},
                           {L"MenuText", L"0 0 256"},
                           {L"ButtonText", L"1\t2\t3"},
                           {L"ButtonHilight", L"255 255 255" + std::wstring(100000, L' ')}};
  }
};

TEST_P(RestoreItem, WritesTheUsersOwnColorsInOneCallAndLeavesEveryPageAsItWas) {
  Open(page1);
  Open(page2);
  Open(page3);
  // Some state of each page's own: a preset pending on page 1, picked swatches on pages 1 and 2,
  // the options selected.
  services.colorAnswers = {Rgb(0, 0, 128), Rgb(1, 2, 3)};
  Click(page1.Option1);
  Click(page1.Command10);  // 粉红
  Click(page1.Command7);
  Click(page2.Option1);
  Click(page2.Command8);
  Click(page3.Option1);
  SkinPage& chosenOn = PageNumber(GetParam());
  SetActiveWindow(chosenOn.hwnd());
  testing::PumpMessages();
  const std::vector<PageState> before = {StateOf(page1, page1.Option1), StateOf(page2, page2.Option1),
                                         StateOf(page3, page3.Option1)};
  const std::vector<ColorValue> page1PendingBefore = page1Pending;
  TakeWrites();

  ChooseRestoreByKeyboard(chosenOn);
  EXPECT_TRUE(TakeWrites().empty()) << "no single-element write, no activation step";
  EXPECT_EQ(services.sysColorCalls, (std::vector<std::vector<SysColorWrite>>{{{15, Rgb(212, 208, 200)},
                                                                              {9, Rgb(0, 0, 128)},
                                                                              {7, kBefore[2]},
                                                                              {30, kBefore[3]},
                                                                              {18, Rgb(1, 2, 3)},
                                                                              {20, kBefore[5]}}}));
  EXPECT_EQ((std::vector<PageState>{StateOf(page1, page1.Option1), StateOf(page2, page2.Option1),
                                    StateOf(page3, page3.Option1)}),
            before);
  EXPECT_EQ(page1Pending, page1PendingBefore);
  EXPECT_EQ(puzzleOpenings, 0);
  EXPECT_TRUE(services.messages.empty()) << "nothing asked or said";

  // The next activation of a page writes its two colours as always: page 1 its pending pink.
  SkinPage& other = GetParam() == 1 ? static_cast<SkinPage&>(page2) : page1;
  SetActiveWindow(other.hwnd());
  testing::PumpMessages();
  const std::vector<SysColorWrite> next = TakeWrites();
  if (&other == &page1) {
    EXPECT_EQ(next, (std::vector<SysColorWrite>{{15, Rgb(250, 100, 200)}, {9, Rgb(255, 255, 0)}}));
  } else {
    EXPECT_EQ(next, (std::vector<SysColorWrite>{{7, Rgb(10, 10, 250)}, {30, Rgb(154, 245, 63)}}));
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, RestoreItem, ::testing::Values(1, 2, 3),
                         [](const auto& info) { return "page" + std::to_string(info.param); });

TEST_F(PagesTest, TheWayBackFallsBackOnTheColorsFromBeforeTheFirstWrite) {
  for (std::size_t i = 0; i < std::size(kElements); ++i) services.desktopColors[kElements[i]] = kBefore[i];
  Open(page1);
  Open(page2);
  Open(page3);
  TakeWrites();
  SendMessageW(page2.hwnd(), WM_COMMAND, SkinPage::mnuFileRestore, 0);
  ASSERT_EQ(services.sysColorCalls.size(), 1u);
  std::vector<SysColorWrite> expected;
  for (std::size_t i = 0; i < std::size(kElements); ++i) expected.push_back({kElements[i], kBefore[i]});
  EXPECT_EQ(services.sysColorCalls[0], expected);
}

}  // namespace
}  // namespace chelan
