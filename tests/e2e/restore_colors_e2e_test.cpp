// The way back in the real program: after the pages have changed the desktop's colours, the page
// menu's "恢复原色(&R)", chosen by the keyboard, puts back the colours that logging off would, as a
// program started afterwards sees them. The colours are read by a fresh probe process each time.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "e2e_harness.h"

namespace chelan::e2e {
namespace {

constexpr std::array<int, 6> kElements = {15, 9, 7, 30, 18, 20};

// A scheme unlike Wine's own and unlike every colour the pages write, in the order of kElements.
const std::vector<std::pair<std::wstring, std::wstring>> kScheme = {
    {L"ButtonFace", L"212 208 200"}, {L"TitleText", L"255 255 254"}, {L"MenuText", L"1 2 3"},
    {L"MenuBar", L"236 233 216"},    {L"ButtonText", L"4 5 6"},      {L"ButtonHilight", L"250 251 252"}};
constexpr std::array<COLORREF, 6> kSchemeColors = {RGB(212, 208, 200), RGB(255, 255, 254), RGB(1, 2, 3),
                                                   RGB(236, 233, 216), RGB(4, 5, 6),       RGB(250, 251, 252)};

std::array<COLORREF, 6> ReadSixColors() {
  std::array<COLORREF, 6> colors{};
  for (std::size_t i = 0; i < kElements.size(); ++i) colors[i] = ReadSysColor(kElements[i]);
  return colors;
}

void ExpectColor(const char* step, int element, COLORREF expected) {
  EXPECT_EQ(WaitForSysColor(element, expected), expected) << step << ": element " << element;
}

// Logs in, changes the colours on pages 1 to 3 and chooses the item on page 3 by the keyboard: the
// menu key takes the menu bar, Down opens "澈岚", R chooses "恢复原色(&R)". Gives page 3.
HWND ChangeColorsThenRestore(OnPage1& run) {
  if (!run.page1) return nullptr;
  ExpectColor("page 1", 15, RGB(50, 200, 110));
  EXPECT_TRUE(PressIn(run.page1, L"选择澈岚设定的系统背景色彩"));
  EXPECT_TRUE(PressIn(run.page1, L"粉红"));
  EXPECT_TRUE(PressIn(run.page1, L"粉红"));
  ExpectColor("a preset on page 1", 15, RGB(250, 100, 200));
  ExpectColor("page 1", 9, RGB(255, 255, 0));
  HWND page2 = NavigateTo(run.program, run.page1, L"菜单背景色", 2);
  if (!page2) return nullptr;
  ExpectColor("page 2", 7, RGB(10, 10, 250));
  ExpectColor("page 2", 30, RGB(154, 245, 63));
  HWND page3 = NavigateTo(run.program, page2, L"按钮前景色", 3);
  if (!page3) return nullptr;
  ExpectColor("page 3", 18, RGB(30, 10, 250));
  ExpectColor("page 3", 20, RGB(255, 255, 0));
  PressKeys({VK_F10, VK_DOWN, 'R'});
  return page3;
}

TEST(WayBack, TheRestoreItemBringsBackTheColorsTheDesktopHadBeforeTheProgram) {
  UserColorScheme scheme(kScheme);
  const std::array<COLORREF, 6> before = ReadSixColors();
  ASSERT_EQ(before, kSchemeColors) << "the desktop shows the user's scheme after the log-on";

  OnPage1 run(L"restore-colors");
  ASSERT_NE(run.page1, nullptr);
  HWND page3 = ChangeColorsThenRestore(run);
  ASSERT_NE(page3, nullptr);
  for (std::size_t i = 0; i < kElements.size(); ++i) ExpectColor("after 恢复原色", kElements[i], before[i]);

  // The program goes on, on the page where the item was chosen, and writes nothing more by itself.
  Sleep(500);
  EXPECT_TRUE(IsShown(page3));
  EXPECT_EQ(ReadSixColors(), before);
  // The next activation of a page writes its colours as always.
  ASSERT_NE(NavigateTo(run.program, page3, L"系统背景色", 1), nullptr);
  ExpectColor("page 1 again", 15, RGB(250, 100, 200));
  ExpectColor("page 1 again", 9, RGB(255, 255, 0));
}

TEST(WayBack, ItBringsBackTheUsersSchemeNotAColorAnotherProgramWroteBefore) {
  UserColorScheme scheme(kScheme);
  // Another program made the title text green earlier in this session.
  scheme.WriteInSession(L"TitleText", L"0 255 0");
  ASSERT_EQ(ReadSysColor(9), RGB(0, 255, 0));

  OnPage1 run(L"restore-scheme");
  ASSERT_NE(run.page1, nullptr);
  ASSERT_NE(ChangeColorsThenRestore(run), nullptr);
  for (std::size_t i = 0; i < kElements.size(); ++i) ExpectColor("after 恢复原色", kElements[i], kSchemeColors[i]);
}

}  // namespace
}  // namespace chelan::e2e
