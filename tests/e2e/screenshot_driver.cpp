// Walks the real program through the windows the README shows, for tools/screenshots. At each view
// it prints "shot <name>" and the screen rectangles (left top right bottom) of the windows to take,
// bottom one first, and waits for a line on its input, sent once the picture is taken.
//
//   screenshot_driver [--dpi N] [view ...]
//
// Views: login, change-password, page1, mixer, page2, page3, page-menu, puzzle, scores; all when none
// is named.
// --dpi runs the program at that resolution (the user's LogPixels setting, put back afterwards).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include "e2e_harness.h"
#include "startup/password_file.h"

using namespace chelan::e2e;

namespace {


// Lets the windows finish painting before a picture; a skin page's text roll needs a while to come
// into view.
void Settle(DWORD milliseconds = 700) { Sleep(milliseconds); }
constexpr DWORD kMarqueeInView = 4000;

bool Shot(const char* name, std::initializer_list<HWND> windows) {
  std::printf("shot %s", name);
  for (HWND window : windows) {
    RECT rect{};
    GetWindowRect(window, &rect);
    std::printf(" %ld %ld %ld %ld", rect.left, rect.top, rect.right, rect.bottom);
  }
  std::printf("\n");
  std::fflush(stdout);
  std::string answer;
  return static_cast<bool>(std::getline(std::cin, answer));
}

HWND WaitForClass(Program& program, const wchar_t* className) {
  for (int i = 0; i < 3000; ++i) {
    if (HWND window = program.FindWindowOf(className)) return window;
    Sleep(5);
  }
  return nullptr;
}

// The user's LogPixels while the program runs at another resolution.
class Resolution {
 public:
  explicit Resolution(std::optional<DWORD> dpi) {
    if (!dpi) return;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                    nullptr, &key_, nullptr);
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegQueryValueExW(key_, L"LogPixels", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
        type == REG_DWORD) {
      saved_ = value;
    }
    RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*dpi), sizeof *dpi);
  }
  ~Resolution() {
    if (!key_) return;
    if (saved_) {
      RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*saved_), sizeof *saved_);
    } else {
      RegDeleteValueW(key_, L"LogPixels");
    }
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  std::optional<DWORD> saved_;
};


int Fail(const char* what) {
  std::fprintf(stderr, "screenshot_driver: %s\n", what);
  return 1;
}

int Walk(int argc, char** argv) {
  std::optional<DWORD> dpi;
  std::set<std::string> views;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--dpi" && i + 1 < argc) {
      dpi = static_cast<DWORD>(std::atoi(argv[++i]));
    } else {
      views.insert(arg);
    }
  }
  const auto wanted = [&views](const char* view) { return views.empty() || views.count(view) > 0; };
  const auto needed = [&views](std::initializer_list<const char*> later) {
    return views.empty() || std::any_of(later.begin(), later.end(), [&](const char* v) { return views.count(v); });
  };

  StagedFolder folder(L"screenshots", chelan::PasswordFileBytes(""));
  Resolution resolution(dpi);
  // A few best times for the score table.
  StoredBestTimes bestTimes({{L"2", L"4"}, {L"姓名2", L"小明"}, {L"3", L"19"}, {L"姓名3", L"澈岚"}, {L"4", L"73"},
                             {L"姓名4", L"小红"}});
  Program program(folder);

  HWND login = program.WaitForWindow(L"ChelanFrmpass", L"用户登录");
  if (!login) return Fail("no login window");
  Settle();
  if (wanted("login") && !Shot("login", {login})) return 1;
  if (wanted("change-password")) {
    // The current (empty) password is in the entry, so the new-password fields open.
    Press(ChildWithText(login, L"Button", L"更改密码"));
    HWND fields = ChildOf(login, L"Edit", 1);
    for (int i = 0; i < 3000 && !IsShown(fields); ++i) Sleep(5);
    if (!IsShown(fields)) return Fail("the change-password fields did not open");
    Settle();
    if (!Shot("change-password", {login})) return 1;
  }
  if (!needed({"page1", "mixer", "page2", "page3", "page-menu", "puzzle", "scores"})) return 0;

  // OK with both new-password fields empty keeps the empty password.
  Press(ChildWithText(login, L"Button", L"确定"));
  HWND page1 = WaitForPage(program, 1);
  if (!page1) return Fail("no skin page 1");
  HWND mixer = WaitForClass(program, L"ChelanForm3");
  if (!mixer) return Fail("no mixer beside page 1");
  Settle(kMarqueeInView);
  if (wanted("page1") && !Shot("page1", {page1, mixer})) return 1;
  if (wanted("mixer") && !Shot("mixer", {mixer})) return 1;
  if (!needed({"page2", "page3", "page-menu", "puzzle", "scores"})) return 0;

  HWND page2 = NavigateTo(program, page1, L"菜单背景色", 2);
  if (!page2) return Fail("no skin page 2 from page 1's button");
  Settle(kMarqueeInView);
  if (wanted("page2") && !Shot("page2", {page2})) return 1;
  HWND page3 = NavigateTo(program, page2, L"按钮前景色", 3);
  if (!page3) return Fail("no skin page 3 from page 2's button");
  Settle(kMarqueeInView);
  if (wanted("page3") && !Shot("page3", {page3})) return 1;
  if (wanted("page-menu")) {
    // The page menu as the keyboard opens it (F10, then Down), with 恢复原色 above E&xit.
    PressKeys({VK_F10, VK_DOWN});
    HWND menu = WaitForClass(program, L"#32768");
    if (!menu) return Fail("the page menu did not open");
    Settle();
    if (!Shot("page-menu", {page3, menu})) return 1;
    PressKeys({VK_ESCAPE, VK_ESCAPE});
  }
  if (!needed({"puzzle", "scores"})) return 0;

  if (!PressIn(page3, L"澈岚附赠澈岚皮肤专用拼图智力训练游戏")) return Fail("no puzzle button on page 3");
  HWND puzzle = WaitForClass(program, L"ChelanFrmPuzzle");
  if (!puzzle) return Fail("no puzzle window");
  // Level 4 from the level list, as a user's pick notifies the window, then a shuffled game whose
  // stopwatch has run for a few seconds.
  HWND levels = ChildOf(puzzle, L"ComboBox", 0);
  SendMessageW(levels, CB_SETCURSEL, 2, 0);
  SendMessageW(puzzle, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(levels), CBN_SELCHANGE), reinterpret_cast<LPARAM>(levels));
  if (!PressIn(puzzle, L"重 拼")) return Fail("no shuffle button");
  Sleep(3300);
  if (wanted("puzzle") && !Shot("puzzle", {puzzle})) return 1;
  if (wanted("scores")) {
    PostMessageW(puzzle, WM_COMMAND, 301, 0);  // the menu item "拼图成绩记录"
    HWND box = program.WaitForWindow(L"#32770", L"成绩表");
    if (!box) return Fail("no score table");
    Settle();
    if (!Shot("scores", {box})) return 1;
    AnswerMessageBox(box);
  }
  return 0;
}

}  // namespace

// Every way out puts the user's resolution and best times back, a failure included.
int main(int argc, char** argv) {
  try {
    return Walk(argc, argv);
  } catch (const std::exception& failure) {
    return Fail(failure.what());
  }
}
