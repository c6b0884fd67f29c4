// Times skin page 1 under the real toolkit: its load (layout, gradient, logo tones, holders, menu,
// mixer), one marquee frame (composition and copy to the page) and one undrawn step of a hidden
// page. Prints the figures; not a pass/fail test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "fake_services.h"
#include "mixer/Form3.h"
#include "skin/frmFancyfrm.h"

namespace {

double Milliseconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  chelan::testing::FakeServices services;
  std::vector<double> loads;
  for (int run = 0; run < 9; ++run) {
    {
      auto mixer = std::make_unique<chelan::Form3>(services);
      chelan::PageSet pageSet;
      auto page = std::make_unique<chelan::frmFancyfrm>(services, pageSet, *mixer);
      loads.push_back(Milliseconds([&] { page->Load(); }));
    }
    // The display finishes with the windows just made and gone before the next load, as it would
    // have long before a user opens a page.
    chelan::forms::DoEvents();
    Sleep(200);
    chelan::forms::DoEvents();
  }
  std::printf("loading page 1: median %.1f ms over %zu loads\n", Median(loads), loads.size());

  chelan::Form3 mixer(services);
  chelan::PageSet pageSet;
  chelan::frmFancyfrm page(services, pageSet, mixer);
  page.Show();
  constexpr int kFrames = 2000;
  const double drawn = Milliseconds([&] {
    for (int i = 0; i < kFrames; ++i) page.Timer2_Timer();
  });
  page.Hide();
  const double undrawn = Milliseconds([&] {
    for (int i = 0; i < kFrames; ++i) page.Timer2_Timer();
  });
  std::printf("one marquee frame, composed and copied: %.3f ms; a hidden page's step: %.4f ms (%d frames)\n",
              drawn / kFrames, undrawn / kFrames, kFrames);
  return 0;
}
