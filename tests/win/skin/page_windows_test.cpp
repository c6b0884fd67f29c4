// The page windows as a user meets them: where focus and Tab go, labels of the status bar lying
// beneath the buttons that cover them, and a page placed in the centre of the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pages_fixture.h"

namespace chelan {
namespace {

using testing::Click;

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

}  // namespace
}  // namespace chelan
