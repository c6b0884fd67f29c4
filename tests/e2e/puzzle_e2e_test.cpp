// The puzzle of the real program, opened from skin page 3, reading best times from the real
// per-user settings store.
#include <gtest/gtest.h>

#include "e2e_harness.h"

namespace chelan::e2e {
namespace {



TEST(Puzzle, ScoreTableShowsTheBestTimesStoredInTheRegistry) {
  // The long name is far longer than the puzzle ever stores: written by hand, or by another program.
  StoredBestTimes stored({{L"4", L"37"}, {L"姓名4", L"小明"}, {L"7", L"abc"}, {L"姓名6", std::wstring(100000, L'长')}});
  OnPage1 run(L"puzzle");
  ASSERT_NE(run.page1, nullptr);
  HWND page3 = NavigateTo(run.program, run.page1, L"按钮前景色", 3);
  ASSERT_NE(page3, nullptr);
  ASSERT_TRUE(PressIn(page3, L"澈岚附赠澈岚皮肤专用拼图智力训练游戏"));
  HWND puzzle = nullptr;
  for (int i = 0; !puzzle && i < 2000; ++i) {
    Sleep(5);
    puzzle = run.program.FindWindowOf(L"ChelanFrmPuzzle");
  }
  ASSERT_NE(puzzle, nullptr);
  // The menu item "拼图成绩记录".
  PostMessageW(puzzle, WM_COMMAND, 301, 0);
  HWND box = run.program.WaitForWindow(L"#32770", L"成绩表");
  ASSERT_NE(box, nullptr);
  const std::wstring table = MessageBoxText(box);
  EXPECT_NE(table.find(L"级别\t时间\t姓名"), std::wstring::npos) << testing::PrintToString(table);
  EXPECT_NE(table.find(L"4\t37\t小明"), std::wstring::npos);
  EXPECT_NE(table.find(L"5\t-\t-"), std::wstring::npos);
  EXPECT_NE(table.find(L"6\t-\t" + std::wstring(20, L'长') + L"\r\n"), std::wstring::npos);
  // The box and its OK button stay on the screen.
  RECT boxPlace{}, okPlace{};
  GetWindowRect(box, &boxPlace);
  ASSERT_NE(GetDlgItem(box, IDOK), nullptr);
  GetWindowRect(GetDlgItem(box, IDOK), &okPlace);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  for (const RECT& place : {boxPlace, okPlace}) {
    EXPECT_GE(place.left, screen.left);
    EXPECT_LE(place.right, screen.right);
    EXPECT_LT(place.left, place.right);
  }
  AnswerMessageBox(box);
}

}  // namespace
}  // namespace chelan::e2e
