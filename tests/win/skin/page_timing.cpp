// Times skin page 1 under the real toolkit: its load (layout, gradient, logo tones, holders, menu,
// mixer), one marquee frame (composition and copy to the page) as the page draws it and as the
// reference canvas drew it before, each part alone, and one undrawn step of a hidden page. Prints
// the figures; not a pass/fail test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "fake_services.h"
#include "mixer/Form3.h"
#include "forms/gdi.h"
#include "reference_canvas.h"
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
      chelan::FrameClock clock;
      auto page = std::make_unique<chelan::frmFancyfrm>(services, pageSet, clock, *mixer);
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
  chelan::FrameClock clock;
  chelan::frmFancyfrm page(services, pageSet, clock, mixer);
  page.Show();
  chelan::forms::DoEvents();
  Sleep(200);
  if (!IsWindowVisible(page.hwnd()) || !page.Marquee()) {
    std::printf("page 1 is not on screen: nothing to time\n");
    return 1;
  }
  // Whole roll cycles, so that every row passes through the canvas.
  constexpr int kFrames = 3000;
  const auto perFrame = [](const std::function<void()>& frame) {
    chelan::forms::DoEvents();
    Sleep(200);
    return Milliseconds([&] {
             for (int i = 0; i < kFrames; ++i) frame();
           }) /
           kFrames;
  };

  // Before: every call straight to the DC, and the page's DC fetched for each copy.
  const std::array<HDC, 4> sources{page.holders[0].Ready() ? page.holders[0].Dc() : nullptr,
                                   page.holders[1].Ready() ? page.holders[1].Dc() : nullptr, page.picLogo[0].Dc(),
                                   page.picLogo[1].Dc()};
  chelan::MarqueeState referenceState = page.marquee;
  chelan::CanvasImage referenceImage(referenceState.width, referenceState.height);
  chelan::ReferenceCanvas reference(referenceImage.Dc(), sources);
  const chelan::MarqueeLayout layout = chelan::LayOutMarquee(reference, page.lines);
  const double referenceCompose = perFrame([&] { chelan::ComposeMarqueeFrame(reference, layout, referenceState); });
  const double referenceFrame = perFrame([&] {
    chelan::ComposeMarqueeFrame(reference, layout, referenceState);
    chelan::forms::ClientDc dc(page.hwnd());
    RECT client{};
    GetClientRect(page.hwnd(), &client);
    const chelan::PagePoint origin = chelan::MarqueePageOrigin(client.right, client.bottom, referenceState);
    BitBlt(dc.get(), origin.left, origin.top, referenceState.width, referenceState.height, referenceImage.Dc(), 0, 0,
           SRCCOPY);
  });

  chelan::PageMarquee& marquee = *page.Marquee();
  const double compose = perFrame([&] { marquee.Compose(); });
  const double copy = perFrame([&] { marquee.CopyToPage(); });
  const double frame = perFrame([&] { page.Timer2_Timer(); });
  page.Hide();
  const double undrawn = perFrame([&] { page.Timer2_Timer(); });
  std::printf("one marquee frame, composed and copied to the page: %.3f ms (before: %.3f ms)\n", frame,
              referenceFrame);
  std::printf("  composition alone: %.3f ms (before: %.3f ms); the copy to the page alone: %.3f ms\n", compose,
              referenceCompose, copy);
  std::printf("a hidden page's step: %.4f ms (%d frames each)\n", undrawn, kFrames);
  return 0;
}
