// Times the real program's start, for tools/bench: from the start of the process to the login
// window on screen, and from the press of OK to page 1 (with the mixer beside it) on screen. Five
// starts; prints the medians and the fastest. Fails when a window does not come.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "e2e_harness.h"
#include "startup/password_file.h"

using namespace chelan::e2e;

int main() {
  StagedFolder folder(L"timing", chelan::PasswordFileBytes(""));
  std::vector<long long> toLogin, toPage1;
  for (int run = 0; run < 5; ++run) {
    Program program(folder);
    HWND login = program.WaitForWindow(L"ChelanFrmpass", L"用户登录");
    if (!login) {
      std::printf("start-up timing: no login window\n");
      return 1;
    }
    toLogin.push_back(program.SinceStart().count());
    const auto pressed = std::chrono::steady_clock::now();
    Press(ChildWithText(login, L"Button", L"确定"));
    if (!WaitForPage(program, 1)) {
      std::printf("start-up timing: page 1 did not come\n");
      return 1;
    }
    toPage1.push_back(
        std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - pressed).count());
  }
  std::sort(toLogin.begin(), toLogin.end());
  std::sort(toPage1.begin(), toPage1.end());
  std::printf("start to login window: median %lld ms, fastest %lld ms\n", toLogin[2], toLogin[0]);
  std::printf("OK to page 1 on screen: median %lld ms, fastest %lld ms\n", toPage1[2], toPage1[0]);
  return 0;
}
