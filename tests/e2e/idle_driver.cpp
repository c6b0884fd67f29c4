// Starts the real program in a staged folder, logs in and goes 1 → 2 → 3 → 1 through the pages'
// navigation buttons, each click only once the page before is alone on screen. It then proves the
// state a user sits in front of: page 1 on screen, not minimised, its marquee moving on the screen
// itself; pages 2 and 3 hidden; the mixer open. Prints that state and "ready", keeps the program
// idle for the given seconds (tools/bench measures it meanwhile), checks the state again and
// exits non-zero whenever it is not there.
//
// With "minimised" after the seconds, it then minimises page 1 as its minimise box does and
// measures that instead: page 1 minimised, pages 2 and 3 hidden, before and after the seconds; at
// the end page 1 is restored and its marquee must move on the screen again.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e_harness.h"
#include "startup/password_file.h"

using namespace chelan::e2e;

namespace {

const wchar_t* const kPageClasses[] = {L"ChelanFrmFancyfrm", L"ChelanFrmFancyfrm1", L"ChelanFrmFancyfrm2"};
constexpr wchar_t kMixerClass[] = L"ChelanForm3";

struct Search {
  DWORD process;
  const wchar_t* className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (process != search->process || lstrcmpW(className, search->className) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

// A top-level window of the program by class, shown or hidden.
HWND WindowOf(const Program& program, const wchar_t* className) {
  Search search{program.id(), className};
  EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Page(const Program& program, int number) { return WindowOf(program, kPageClasses[number - 1]); }

// Waits until the page is shown and the one it was opened from is hidden: only then has the
// navigation ended, and the next click cannot land inside it.
bool WaitForNavigation(const Program& program, int to, int from) {
  for (int i = 0; i < 3000; ++i) {
    const HWND target = Page(program, to);
    const HWND source = Page(program, from);
    if (IsShown(target) && source && !IsWindowVisible(source)) return true;
    Sleep(5);
  }
  return false;
}

// The body of a page as the screen shows it: its client area between the tool bar and the status
// bar, read back from the display, not from the program.
std::vector<DWORD> ReadBodyFromScreen(HWND page) {
  RECT client{};
  GetClientRect(page, &client);
  POINT origin{0, client.bottom / 5};
  ClientToScreen(page, &origin);
  const int width = client.right;
  const int height = client.bottom * 2 / 5;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP image = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, image);
  BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
  SelectObject(memory, old);
  DeleteObject(image);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Two reads of page 1's body on the screen a few ticks of 10 ms apart; a moving roll changes many
// pixels. The roll may lie between two passes (nothing but the gradient in view) for a moment.
std::string MarqueeMoving(HWND page1, bool& moving) {
  std::size_t changed = 0, total = 0;
  const DWORD start = GetTickCount();
  while (changed < 100 && GetTickCount() - start < 10000) {
    const std::vector<DWORD> before = ReadBodyFromScreen(page1);
    Sleep(100);
    const std::vector<DWORD> after = ReadBodyFromScreen(page1);
    changed = 0;
    total = before.size();
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) changed += before[i] != after[i];
  }
  moving = changed >= 100;
  return "page 1's marquee moving on screen (" + std::to_string(changed) + " of " + std::to_string(total) +
         " body pixels changed in 100 ms, seen after " + std::to_string(GetTickCount() - start) + " ms)";
}

// Checks the state the measurement is about and describes it; false when any part is missing.
bool CheckState(const Program& program, bool minimised, std::string& said) {
  const HWND page1 = Page(program, 1);
  const HWND page2 = Page(program, 2);
  const HWND page3 = Page(program, 3);
  const HWND mixer = WindowOf(program, kMixerClass);
  bool ok = true;
  const auto say = [&](bool good, const std::string& what) {
    said += (said.empty() ? "" : "; ") + std::string(good ? "" : "NOT ") + what;
    ok = ok && good;
  };
  DWORD_PTR unused = 0;
  say(page1 && SendMessageTimeoutW(page1, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &unused) != 0,
      "the program answering messages");
  say(page2 && !IsWindowVisible(page2), "page 2 hidden");
  say(page3 && !IsWindowVisible(page3), "page 3 hidden");
  if (minimised) {
    say(page1 && IsIconic(page1), "page 1 minimised");
    return ok;
  }
  say(IsShown(page1), "page 1 visible");
  say(page1 && !IsIconic(page1), "page 1 not minimised");
  say(IsShown(mixer), "mixer open");
  if (IsShown(page1)) {
    bool moving = false;
    const std::string seen = MarqueeMoving(page1, moving);
    say(moving, seen);
  }
  return ok;
}

// Sends page 1 the system command its minimise or restore box sends, and waits for the change.
bool Minimise(const Program& program, bool minimise) {
  const HWND page1 = Page(program, 1);
  DWORD_PTR unused = 0;
  SendMessageTimeoutW(page1, WM_SYSCOMMAND, minimise ? SC_MINIMIZE : SC_RESTORE, 0, SMTO_ABORTIFHUNG, 5000, &unused);
  for (int i = 0; i < 1000; ++i) {
    if ((IsIconic(page1) != FALSE) == minimise) return true;
    Sleep(5);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 15;
  const bool minimised = argc > 2 && std::string(argv[2]) == "minimised";
  StagedFolder folder(L"idle", chelan::PasswordFileBytes(""));
  Program program(folder);
  const auto fail = [](const char* what) {
    std::printf("idle driver: %s\n", what);
    return 1;
  };
  HWND page1 = OpenPage1(program);
  if (!page1) return fail("page 1 did not come");
  if (!PressIn(page1, L"菜单背景色") || !WaitForNavigation(program, 2, 1)) return fail("page 2 did not replace page 1");
  if (!PressIn(Page(program, 2), L"按钮前景色") || !WaitForNavigation(program, 3, 2)) {
    return fail("page 3 did not replace page 2");
  }
  if (!PressIn(Page(program, 3), L"系统背景色") || !WaitForNavigation(program, 1, 3)) {
    return fail("page 1 did not replace page 3");
  }
  std::string state;
  bool ready = CheckState(program, false, state);
  if (ready && minimised) {
    if (!Minimise(program, true)) return fail("page 1 did not minimise");
    state.clear();
    ready = CheckState(program, true, state);
  }
  std::printf("state: %s\n", state.c_str());
  if (!ready) return fail("the program is not in the state to measure");
  std::printf("ready\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  state.clear();
  bool kept = CheckState(program, minimised, state);
  if (kept && minimised) {
    // The program comes back from the taskbar with its marquee moving.
    bool moving = false;
    kept = Minimise(program, false);
    state += std::string(kept ? "; " : "; NOT ") + "page 1 restored";
    if (kept) {
      const std::string seen = MarqueeMoving(Page(program, 1), moving);
      state += "; " + std::string(moving ? "" : "NOT ") + seen;
      kept = moving;
    }
  }
  std::printf("state after: %s\n", state.c_str());
  std::fflush(stdout);
  return kept ? 0 : fail("the state changed while it was measured");
}
