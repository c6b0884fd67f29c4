// The skin pages of the real program as a user meets them: the pages' own colour dialog and
// message box, clicks that arrive while a page is still loading, and the program's own buttons in
// the colours it writes.
#include <gtest/gtest.h>

#include <thread>

#include "e2e_harness.h"

namespace chelan::e2e {
namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);

// A dialog box of the program (the colour dialog or a message box) other than `except`.
HWND WaitForDialog(Program& program, HWND except = nullptr) {
  const auto until = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < until) {
    HWND dialog = program.FindWindowOf(L"#32770");
    if (dialog && dialog != except) return dialog;
    std::this_thread::sleep_for(milliseconds(10));
  }
  return nullptr;
}

void WaitUntilGone(HWND window) {
  for (int i = 0; i < 1500 && IsWindow(window) && IsWindowVisible(window); ++i) Sleep(10);
}

// Opens the page's colour dialog with the button and closes it with OK or cancel (then also the
// box that asks to choose again), and waits until the page has the activation back.
void UseColorDialog(Program& program, HWND page, const std::wstring& button, bool ok) {
  ASSERT_TRUE(PressIn(page, button));
  HWND dialog = WaitForDialog(program);
  ASSERT_NE(dialog, nullptr) << "no colour dialog";
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(ok ? IDOK : IDCANCEL, BN_CLICKED), 0);
  WaitUntilGone(dialog);
  if (!ok) {
    HWND box = WaitForDialog(program, dialog);
    ASSERT_NE(box, nullptr) << "no message after cancel";
    EXPECT_EQ(MessageBoxText(box), L"取消后重选");
    AnswerMessageBox(box);
    WaitUntilGone(box);
  }
  // Whatever the page's activation would write is written by now.
  Sleep(300);
}

void ExpectColor(const char* step, int element, COLORREF expected) {
  EXPECT_EQ(ReadSysColor(element), expected) << step << ": element " << element;
}

TEST(PageWindows, Page1sColorDialogAndItsMessageLeaveTheSystemColorsAlone) {
  OnPage1 run(L"page1-dialog");
  ASSERT_NE(run.page1, nullptr);
  ASSERT_EQ(WaitForSysColor(15, RGB(50, 200, 110)), RGB(50, 200, 110));
  ASSERT_TRUE(PressIn(run.page1, L"选择澈岚设定的系统背景色彩"));
  ASSERT_TRUE(PressIn(run.page1, L"粉红"));  // pink is pending now, not written
  Sleep(300);

  UseColorDialog(run.program, run.page1, L"选择系统标题颜色", false);
  ExpectColor("after cancel", 15, RGB(50, 200, 110));

  // OK takes black (the dialog starts on it) into the swatch; the next preset writes it as the
  // title colour, and opening the dialog again does not put yellow back.
  UseColorDialog(run.program, run.page1, L"选择系统标题颜色", true);
  ExpectColor("after OK", 15, RGB(50, 200, 110));
  ASSERT_TRUE(PressIn(run.page1, L"粉红"));
  ASSERT_EQ(WaitForSysColor(9, RGB(0, 0, 0)), RGB(0, 0, 0));
  UseColorDialog(run.program, run.page1, L"选择系统标题颜色", true);
  ExpectColor("after the second OK", 9, RGB(0, 0, 0));
  ExpectColor("after the second OK", 15, RGB(250, 100, 200));
}

TEST(PageWindows, Page2sColorDialogLeavesAConfirmedMenuBarColor) {
  OnPage1 run(L"page2-dialog");
  ASSERT_NE(run.page1, nullptr);
  HWND page2 = NavigateTo(run.program, run.page1, L"菜单背景色", 2);
  ASSERT_NE(page2, nullptr);
  ASSERT_EQ(WaitForSysColor(30, RGB(154, 245, 63)), RGB(154, 245, 63));
  ASSERT_TRUE(PressIn(page2, L"澈岚设定菜单文字颜色为海蓝"));
  ASSERT_TRUE(PressIn(page2, L"确 定"));
  ASSERT_EQ(WaitForSysColor(30, RGB(255, 255, 128)), RGB(255, 255, 128));

  UseColorDialog(run.program, page2, L"选择菜单背景色", false);
  ExpectColor("after cancel", 30, RGB(255, 255, 128));
  UseColorDialog(run.program, page2, L"选择菜单背景色", true);
  ExpectColor("after OK", 30, RGB(255, 255, 128));
}

// Clicks each navigation button the moment its page has it, while that page may still be loading.
TEST(PageWindows, ClicksDuringLoadingEndOnThePageChosenLastAlone) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    SCOPED_TRACE("run " + std::to_string(attempt));
    OnPage1 run(L"rapid-navigation");
    ASSERT_NE(run.page1, nullptr);
    const struct {
      int page;
      const wchar_t* button;
    } clicks[] = {{1, L"菜单背景色"}, {2, L"按钮前景色"}, {3, L"系统背景色"}};
    for (const auto& click : clicks) {
      HWND button = nullptr;
      for (int i = 0; !button && i < 3000; ++i) {
        if (HWND page = run.program.FindCreatedWindowOf(PageClass(click.page))) {
          button = DescendantWithText(page, L"Button", click.button);
        }
        if (!button) Sleep(1);
      }
      ASSERT_NE(button, nullptr) << "page " << click.page;
      Press(button);
    }
    // Page 1 ends alone on screen, and stays so.
    bool settled = false;
    for (int i = 0; i < 500 && !settled; ++i) {
      Sleep(10);
      settled = IsShown(run.page1) && !IsShown(run.program.FindCreatedWindowOf(PageClass(2))) &&
                !IsShown(run.program.FindCreatedWindowOf(PageClass(3)));
    }
    ASSERT_TRUE(settled) << "page 1 " << IsShown(run.page1) << ", page 2 "
                         << IsShown(run.program.FindCreatedWindowOf(PageClass(2))) << ", page 3 "
                         << IsShown(run.program.FindCreatedWindowOf(PageClass(3)));
    Sleep(500);
    EXPECT_TRUE(IsShown(run.page1));
    EXPECT_FALSE(IsShown(run.program.FindCreatedWindowOf(PageClass(2))));
    EXPECT_FALSE(IsShown(run.program.FindCreatedWindowOf(PageClass(3))));
    // Page 1's preview ran last.
    EXPECT_EQ(ReadSysColor(15), RGB(50, 200, 110));
    EXPECT_EQ(ReadSysColor(9), kYellow);
  }
}

// The screen's pixel at a point of a window's client area.
COLORREF ScreenPixel(HWND window, POINT point) {
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

TEST(PageWindows, TheProgramsOwnButtonsShowTheFaceColorItWrites) {
  OnPage1 run(L"button-face");
  ASSERT_NE(run.page1, nullptr);
  ASSERT_EQ(WaitForSysColor(15, RGB(50, 200, 110)), RGB(50, 200, 110));
  for (const wchar_t* caption : {L"确认选择", L"退 出", L"菜单背景色"}) {
    HWND button = DescendantWithText(run.page1, L"Button", caption);
    ASSERT_NE(button, nullptr);
    RECT client{};
    GetClientRect(button, &client);
    // Just inside the raised edge, clear of the caption.
    COLORREF face = 0;
    for (int i = 0; i < 100 && face != RGB(50, 200, 110); ++i) {
      Sleep(20);
      face = ScreenPixel(button, {4, client.bottom / 2});
    }
    EXPECT_EQ(face, RGB(50, 200, 110)) << testing::PrintToString(std::wstring(caption));
  }
}

}  // namespace
}  // namespace chelan::e2e
