// Starts the real program in a staged folder, logs in and opens all three skin pages (the mixer
// beside page 1, pages 2 and 3 hidden behind it), then keeps it running idle for the given seconds
// so that tools/bench can measure its processor use. Prints "ready" when the program is idle.
#include <cstdio>
#include <cstdlib>

#include "e2e_harness.h"
#include "startup/password_file.h"

using namespace chelan::e2e;

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 15;
  StagedFolder folder(L"idle", chelan::PasswordFileBytes(""));
  Program program(folder);
  HWND login = program.WaitForWindow(L"ChelanFrmpass", L"用户登录");
  if (!login) return 1;
  Press(ChildWithText(login, L"Button", L"确定"));
  HWND page1 = program.WaitForWindow(L"ChelanFrmFancyfrm", L"澈岚皮肤v6.1版  欢迎使用");
  if (!page1) return 1;
  Press(DescendantWithText(page1, L"Button", L"菜单背景色"));
  HWND page2 = program.WaitForWindow(L"ChelanFrmFancyfrm1", L"澈岚皮肤v6.1版 欢迎使用");
  if (!page2) return 1;
  Press(DescendantWithText(page2, L"Button", L"按钮前景色"));
  HWND page3 = program.WaitForWindow(L"ChelanFrmFancyfrm2", L"澈岚皮肤v6.1版 欢迎使用");
  if (!page3) return 1;
  Press(DescendantWithText(page3, L"Button", L"系统背景色"));
  if (!program.WaitForWindow(L"ChelanFrmFancyfrm", L"澈岚皮肤v6.1版  欢迎使用")) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  return 0;
}
