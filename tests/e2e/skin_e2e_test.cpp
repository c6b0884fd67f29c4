// The skin pages of the real program writing the real system colours. The colours are read by a
// fresh probe process each time (a Wine process keeps a colour it has read once).
#include <gtest/gtest.h>

#include "e2e_harness.h"

namespace chelan::e2e {
namespace {

struct Expected {
  int element;
  COLORREF color;
};

void ExpectColors(const char* step, std::initializer_list<Expected> expected) {
  for (const Expected& e : expected) {
    EXPECT_EQ(WaitForSysColor(e.element, e.color), e.color) << step << ": element " << e.element;
  }
}

void PressButton(HWND window, const std::wstring& caption) {
  ASSERT_TRUE(PressIn(window, caption)) << testing::PrintToString(caption);
}

TEST(SkinPages, Page1PreviewsItsColorsAndAPresetTakesTwoClicks) {
  OnPage1 run(L"page1");
  ASSERT_NE(run.page1, nullptr);
  ExpectColors("after login", {{15, RGB(50, 200, 110)}, {9, RGB(255, 255, 0)}});
  PressButton(run.page1, L"选择澈岚设定的系统背景色彩");
  PressButton(run.page1, L"粉红");
  // The first click writes the colour that was pending before it.
  ExpectColors("first click", {{15, RGB(50, 200, 110)}});
  PressButton(run.page1, L"粉红");
  ExpectColors("second click", {{15, RGB(250, 100, 200)}, {9, RGB(255, 255, 0)}});
}

TEST(SkinPages, NavigationThroughAllPagesAndThePuzzleWritesEachPagesColors) {
  OnPage1 run(L"navigation");
  ASSERT_NE(run.page1, nullptr);
  ExpectColors("page 1", {{15, RGB(50, 200, 110)}, {9, RGB(255, 255, 0)}});
  // A preset clicked once is pending: the next activation of page 1 writes it.
  PressButton(run.page1, L"选择澈岚设定的系统背景色彩");
  PressButton(run.page1, L"淡蓝");

  const HWND mixer = run.program.FindWindowOf(L"ChelanForm3");
  ASSERT_NE(mixer, nullptr);
  HWND page2 = NavigateTo(run.program, run.page1, L"菜单背景色", 2);
  ASSERT_NE(page2, nullptr);
  ExpectColors("page 2", {{7, RGB(10, 10, 250)}, {30, RGB(154, 245, 63)}, {15, RGB(50, 200, 110)}});
  EXPECT_FALSE(IsShown(run.page1));
  EXPECT_FALSE(IsShown(mixer)) << "the mixer stays with page 1";

  HWND page3 = NavigateTo(run.program, page2, L"按钮前景色", 3);
  ASSERT_NE(page3, nullptr);
  EXPECT_FALSE(IsShown(mixer));
  ExpectColors("page 3", {{18, RGB(30, 10, 250)}, {20, RGB(255, 255, 0)}, {7, RGB(10, 10, 250)}});

  PressButton(page3, L"澈岚附赠澈岚皮肤专用拼图智力训练游戏");
  HWND puzzle = run.program.FindWindowOf(L"ChelanFrmPuzzle");
  for (int i = 0; !puzzle && i < 1000; ++i) {
    Sleep(5);
    puzzle = run.program.FindWindowOf(L"ChelanFrmPuzzle");
  }
  ASSERT_NE(puzzle, nullptr);
  PressButton(puzzle, L"选择皮肤");
  ASSERT_NE(WaitForPage(run.program, 1), nullptr);
  EXPECT_NE(run.program.WaitForWindow(L"ChelanForm3", L"Gradient Background Demonstration"), nullptr)
      << "page 1 brings its mixer back";
  ExpectColors("back on page 1", {{15, RGB(80, 220, 230)}, {9, RGB(255, 255, 0)}, {18, RGB(30, 10, 250)},
                                   {20, RGB(255, 255, 0)}, {7, RGB(10, 10, 250)}, {30, RGB(154, 245, 63)}});

  PressButton(run.page1, L"退 出");
  EXPECT_TRUE(run.program.WaitForExit());
}

}  // namespace
}  // namespace chelan::e2e
