// The skin pages of the real program writing the real system colours. The colours are read by a
// fresh probe process each time (a Wine process keeps a colour it has read once).
#include <gtest/gtest.h>

#include "e2e_harness.h"
#include "startup/password_file.h"

namespace chelan::e2e {
namespace {

const std::wstring kPageCaption = L"澈岚皮肤v6.1版 欢迎使用";
const std::wstring kPage1Caption = L"澈岚皮肤v6.1版  欢迎使用";

struct Expected {
  int element;
  COLORREF colour;
};

// Logs in with the empty password and waits for page 1.
HWND OpenPage1(Program& program) {
  HWND login = program.WaitForWindow(L"ChelanFrmpass", L"用户登录");
  if (!login) return nullptr;
  Press(ChildWithText(login, L"Button", L"确定"));
  return program.WaitForWindow(L"ChelanFrmFancyfrm", kPage1Caption);
}

void ExpectColours(const char* step, std::initializer_list<Expected> expected) {
  for (const Expected& e : expected) {
    EXPECT_EQ(WaitForSysColor(e.element, e.colour), e.colour) << step << ": element " << e.element;
  }
}

void PressIn(HWND window, const std::wstring& caption) {
  HWND button = DescendantWithText(window, L"Button", caption);
  ASSERT_NE(button, nullptr) << testing::PrintToString(caption);
  Press(button);
}

TEST(SkinPages, Page1PreviewsItsColoursAndAPresetTakesTwoClicks) {
  StagedFolder folder(L"page1", PasswordFileBytes(""));
  Program program(folder);
  HWND page1 = OpenPage1(program);
  ASSERT_NE(page1, nullptr);
  ExpectColours("after login", {{15, RGB(50, 200, 110)}, {9, RGB(255, 255, 0)}});
  PressIn(page1, L"选择澈岚设定的系统背景色彩");
  PressIn(page1, L"粉红");
  // The first click writes the colour that was pending before it.
  ExpectColours("first click", {{15, RGB(50, 200, 110)}});
  PressIn(page1, L"粉红");
  ExpectColours("second click", {{15, RGB(250, 100, 200)}, {9, RGB(255, 255, 0)}});
}

TEST(SkinPages, NavigationThroughAllPagesAndThePuzzleWritesEachPagesColours) {
  StagedFolder folder(L"navigation", PasswordFileBytes(""));
  Program program(folder);
  HWND page1 = OpenPage1(program);
  ASSERT_NE(page1, nullptr);
  ExpectColours("page 1", {{15, RGB(50, 200, 110)}, {9, RGB(255, 255, 0)}});
  // A preset clicked once is pending: the next activation of page 1 writes it.
  PressIn(page1, L"选择澈岚设定的系统背景色彩");
  PressIn(page1, L"淡蓝");

  PressIn(page1, L"菜单背景色");
  HWND page2 = program.WaitForWindow(L"ChelanFrmFancyfrm1", kPageCaption);
  ASSERT_NE(page2, nullptr);
  ExpectColours("page 2", {{7, RGB(10, 10, 250)}, {30, RGB(154, 245, 63)}, {15, RGB(50, 200, 110)}});
  EXPECT_FALSE(IsShown(page1));

  PressIn(page2, L"按钮前景色");
  HWND page3 = program.WaitForWindow(L"ChelanFrmFancyfrm2", kPageCaption);
  ASSERT_NE(page3, nullptr);
  ExpectColours("page 3", {{18, RGB(30, 10, 250)}, {20, RGB(255, 255, 0)}, {7, RGB(10, 10, 250)}});

  PressIn(page3, L"澈岚附赠澈岚皮肤专用拼图智力训练游戏");
  HWND puzzle = program.FindWindowOf(L"ChelanFrmPuzzle");
  for (int i = 0; !puzzle && i < 1000; ++i) {
    Sleep(5);
    puzzle = program.FindWindowOf(L"ChelanFrmPuzzle");
  }
  ASSERT_NE(puzzle, nullptr);
  PressIn(puzzle, L"选择皮肤");
  ASSERT_NE(program.WaitForWindow(L"ChelanFrmFancyfrm", kPage1Caption), nullptr);
  ExpectColours("back on page 1", {{15, RGB(80, 220, 230)}, {9, RGB(255, 255, 0)}, {18, RGB(30, 10, 250)},
                                   {20, RGB(255, 255, 0)}, {7, RGB(10, 10, 250)}, {30, RGB(154, 245, 63)}});

  PressIn(page1, L"退 出");
  EXPECT_TRUE(program.WaitForExit());
}

}  // namespace
}  // namespace chelan::e2e
