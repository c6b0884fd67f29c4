// The page's marquee canvas against the reference that draws every call as it comes: a whole roll
// cycle of each page, frame by frame, must give the same pixels.
#include <gtest/gtest.h>

#include "pages_fixture.h"
#include "reference_canvas.h"
#include "forms/twips.h"
#include "shell/gdi_canvas.h"
#include "shell/marquee.h"

namespace chelan {
namespace {

class MarqueeCanvas : public PagesTest, public ::testing::WithParamInterface<int> {};

std::array<HDC, 4> SourcesOf(const SkinPage& page) {
  const auto ready = [](const BitmapHolder& holder) { return holder.Ready() ? holder.Dc() : nullptr; };
  return {ready(page.holders[0]), ready(page.holders[1]), page.picLogo[0].Dc(), page.picLogo[1].Dc()};
}

TEST_P(MarqueeCanvas, AWholeRollCycleHasTheReferencePixelsInEveryFrame) {
  ASSERT_EQ(forms::ScreenDpiY(), 96) << "the frames are compared at 96 DPI";
  SkinPage& page = PageNumber(GetParam());
  Open(page);
  ASSERT_TRUE(page.holders[0].Ready());
  ASSERT_TRUE(page.holders[1].Ready()) << "the logo's tones take part in the comparison";
  const std::array<HDC, 4> sources = SourcesOf(page);
  const MarqueeState start = MakeMarqueeState(page.marquee.width, page.marquee.height, page.marquee.logoWidth,
                                              page.marquee.logoHeight);

  CanvasImage referenceImage(start.width, start.height);
  ReferenceCanvas reference(referenceImage.Dc(), sources);
  const MarqueeLayout referenceLayout = LayOutMarquee(reference, page.lines);
  MarqueeState referenceState = start;

  CanvasImage image(start.width, start.height);
  GdiCanvas canvas(image.Dc(), start.width, start.height, sources);
  const MarqueeLayout layout = LayOutMarquee(canvas, page.lines);
  MarqueeState state = start;

  // From the start position until the frame that starts the roll again, and one frame past it.
  bool restarted = false;
  int frames = 0;
  while (!restarted || frames < 2) {
    ComposeMarqueeFrame(reference, referenceLayout, referenceState);
    ComposeMarqueeFrame(canvas, layout, state);
    ++frames;
    ASSERT_EQ(state.scrollPosition, referenceState.scrollPosition);
    const std::vector<DWORD> expected = referenceImage.Pixels();
    const std::vector<DWORD> got = image.Pixels();
    std::size_t first = 0;
    while (first < got.size() && got[first] == expected[first]) ++first;
    ASSERT_EQ(first, got.size()) << "frame " << frames << " (scroll position " << state.scrollPosition + 1
                                 << ") differs first at x " << first % start.width << ", y "
                                 << first / start.width;
    if (state.scrollPosition == start.startPosition) {
      restarted = true;
      frames = 0;
    }
    ASSERT_LT(frames, 5000) << "the roll never started again";
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, MarqueeCanvas, ::testing::Values(1, 2, 3),
                         [](const auto& info) { return "Page" + std::to_string(info.param); });

}  // namespace
}  // namespace chelan
