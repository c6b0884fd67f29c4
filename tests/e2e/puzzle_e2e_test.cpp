// The puzzle of the real program, opened from skin page 3, reading best times from the real
// per-user settings store.
#include <gtest/gtest.h>

#include "e2e_harness.h"
#include "startup/password_file.h"

namespace chelan::e2e {
namespace {

const wchar_t kScoreKey[] = L"Software\\VB and VBA Program Settings\\Vennoraks\\澈岚拼图训练营";

// Best times stored for the test, removed again afterwards.
class StoredBestTimes {
 public:
  StoredBestTimes() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kScoreKey);
    Put(L"4", L"37");
    Put(L"姓名4", L"小明");
    Put(L"7", L"abc");
  }
  ~StoredBestTimes() { RegDeleteTreeW(HKEY_CURRENT_USER, kScoreKey); }

 private:
  static void Put(const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kScoreKey, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
};

TEST(Puzzle, ScoreTableShowsTheBestTimesStoredInTheRegistry) {
  StoredBestTimes stored;
  StagedFolder folder(L"puzzle", PasswordFileBytes(""));
  Program program(folder);
  HWND page1 = OpenPage1(program);
  ASSERT_NE(page1, nullptr);
  ASSERT_TRUE(PressIn(page1, L"按钮前景色"));
  HWND page3 = WaitForPage(program, 3);
  ASSERT_NE(page3, nullptr);
  ASSERT_TRUE(PressIn(page3, L"澈岚附赠澈岚皮肤专用拼图智力训练游戏"));
  HWND puzzle = nullptr;
  for (int i = 0; !puzzle && i < 2000; ++i) {
    Sleep(5);
    puzzle = program.FindWindowOf(L"ChelanFrmPuzzle");
  }
  ASSERT_NE(puzzle, nullptr);
  // The menu item "拼图成绩记录".
  PostMessageW(puzzle, WM_COMMAND, 301, 0);
  HWND box = program.WaitForWindow(L"#32770", L"成绩表");
  ASSERT_NE(box, nullptr);
  const std::wstring table = MessageBoxText(box);
  EXPECT_NE(table.find(L"级别\t时间\t姓名"), std::wstring::npos) << testing::PrintToString(table);
  EXPECT_NE(table.find(L"4\t37\t小明"), std::wstring::npos);
  EXPECT_NE(table.find(L"5\t-\t-"), std::wstring::npos);
  AnswerMessageBox(box);
}

}  // namespace
}  // namespace chelan::e2e
