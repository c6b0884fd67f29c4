#pragma once
// The scrolling marquee of a skin page: one frame of the roll composed on the page's canvas, and
// the same step taken without drawing while nobody can see the page.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/canvas.h"
#include "shell/marquee_lines.h"

namespace chelan {

// The page's marquee state, in pixels: the canvas size W × H, where the roll starts again, where
// it stands, the gap between rows and the inner size of logo box 0.
struct MarqueeState {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t startPosition = 0;
  std::int32_t scrollPosition = 0;
  std::int16_t lineGap = 10;
  std::int32_t logoWidth = 0;
  std::int32_t logoHeight = 0;
};

// The state of a freshly loaded page: the roll starts at the canvas bottom.
MarqueeState MakeMarqueeState(std::int32_t width, std::int32_t height, std::int32_t logoWidth,
                              std::int32_t logoHeight);

// One row as the frame draws it: its text, the size it switches to (none keeps the size of the
// row before) and its extent in the font it is drawn in.
struct MarqueeRow {
  std::wstring text;
  std::optional<int> fontSize;
  TextSize extent;
};

using MarqueeLayout = std::array<MarqueeRow, kMarqueeRows>;

// Measures every row on the canvas once, at load: the texts and the canvas font never change
// afterwards, so every frame and every undrawn step can use these extents.
MarqueeLayout LayOutMarquee(Canvas& canvas, const MarqueeLines& lines);

// One tick of the roll on the canvas: the gradient from bitmap holder 0, the rows with the logo
// after the title, then the scroll position one pixel up (or back to the start after the last row
// has left the top). The caller copies the canvas to the page afterwards.
void ComposeMarqueeFrame(Canvas& canvas, const MarqueeLayout& layout, MarqueeState& state);

// Moves the scroll position exactly as ComposeMarqueeFrame would, drawing nothing.
void AdvanceMarquee(const MarqueeLayout& layout, MarqueeState& state);
// The same for any number of steps, as that many calls of the one above would leave it; whole roll
// cycles are skipped, so that a page away for hours costs no more than one cycle or two.
void AdvanceMarquee(const MarqueeLayout& layout, MarqueeState& state, std::uint64_t steps);

struct PagePoint {
  int left = 0;
  int top = 0;
};

// Where the canvas lands on the page: centred in the page's client area.
PagePoint MarqueePageOrigin(int clientWidth, int clientHeight, const MarqueeState& state);

}  // namespace chelan
