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
  HWND page1 = OpenPage1(program);
  if (!page1 || !PressIn(page1, L"菜单背景色")) return 1;
  HWND page2 = WaitForPage(program, 2);
  if (!page2 || !PressIn(page2, L"按钮前景色")) return 1;
  HWND page3 = WaitForPage(program, 3);
  if (!page3 || !PressIn(page3, L"系统背景色") || !WaitForPage(program, 1)) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  return 0;
}
