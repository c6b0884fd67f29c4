// The floor of the idle figure, for tools/bench: the program's three pages and the mixer, with
// every timer running as in the program, page 1 on screen and pages 2 and 3 hidden, but each tick
// of page 1 only copies its canvas, unchanged, to the page. What the program costs above this is
// what composing the frames costs. Prints its state and "ready", runs for the given seconds, checks
// the state again and exits non-zero when it is not there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "fake_services.h"
#include "forms/form.h"
#include "app/skin_pages.h"

namespace {

bool CheckState(chelan::SkinPages& pages, std::string& said) {
  bool ok = true;
  const auto say = [&](bool good, const std::string& what) {
    said += (said.empty() ? "" : "; ") + std::string(good ? "" : "NOT ") + what;
    ok = ok && good;
  };
  const HWND page1 = pages.page1.hwnd();
  say(page1 && IsWindowVisible(page1) && !IsIconic(page1), "page 1 visible and not minimised");
  say(pages.page2.hwnd() && !IsWindowVisible(pages.page2.hwnd()), "page 2 hidden");
  say(pages.page3.hwnd() && !IsWindowVisible(pages.page3.hwnd()), "page 3 hidden");
  say(pages.mixer.hwnd() && IsWindowVisible(pages.mixer.hwnd()), "mixer open");
  say(pages.page1.Timer2.Enabled() && pages.page2.Timer2.Enabled() && pages.page3.Timer2.Enabled(),
      "the three pages' marquee timers running");
  return ok;
}

void CALLBACK EndLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 15;
  chelan::testing::FakeServices services;
  chelan::SkinPages pages(services);
  pages.Open(1);
  chelan::forms::DoEvents();
  for (const auto& [from, to] : {std::pair{1, 2}, std::pair{2, 3}, std::pair{3, 1}}) {
    pages.Page(from).ShowPage(to);
    chelan::forms::DoEvents();
  }
  chelan::PageMarquee* marquee = pages.page1.Marquee();
  if (!marquee) return 1;
  pages.page1.Timer2.Tick = [marquee] { marquee->CopyToPage(); };
  std::string state;
  const bool ready = CheckState(pages, state);
  std::printf("state: %s; page 1's ticks only copy its canvas\n", state.c_str());
  if (!ready) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, EndLoop);
  chelan::forms::RunMessageLoop();
  state.clear();
  const bool kept = CheckState(pages, state);
  std::printf("state after: %s; page 1's ticks only copy its canvas\n", state.c_str());
  std::fflush(stdout);
  // Closing a page ends the program at once, as the pages do.
  std::_Exit(kept ? 0 : 1);
}
