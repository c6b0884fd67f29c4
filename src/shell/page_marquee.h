#pragma once
// The marquee of one skin page on GDI: each tick composes a frame on the hidden canvas and copies
// it to the page when the page can be seen, and only moves the roll on when it cannot.
#include <windows.h>

#include <array>

#include "shell/gdi_canvas.h"
#include "shell/marquee.h"
#include "shell/marquee_lines.h"

namespace chelan {

class PageMarquee {
 public:
  // canvas: the DC of the hidden body box's image; sources as for GdiCanvas. The state is the
  // page's and stays with it.
  PageMarquee(HWND page, HDC canvas, std::array<HDC, 4> sources, const MarqueeLines& lines, MarqueeState& state);
  PageMarquee(const PageMarquee&) = delete;
  PageMarquee& operator=(const PageMarquee&) = delete;

  // One tick of Timer2.
  void Tick();
  // The frame alone, on the canvas.
  void Compose();
  // The canvas as it stands, to its place on the page.
  void CopyToPage() const;
  void CopyToPage(HDC page) const;

 private:
  HWND page_;
  HDC canvasDc_;
  MarqueeState& state_;
  GdiCanvas canvas_;
  MarqueeLayout layout_;
};

}  // namespace chelan
