#pragma once
// The marquee of one skin page on GDI: a frame composed on the hidden canvas and copied to the page,
// or the roll moved on without drawing while the page cannot be seen. Which of the two a tick does
// is the frame clock's choice.
#include <windows.h>

#include <array>
#include <cstdint>

#include "shell/gdi_canvas.h"
#include "shell/marquee.h"
#include "shell/marquee_lines.h"

namespace chelan {

class PageMarquee {
 public:
  // pageDc: the page's own DC, kept for the page's life; canvas: the DC of the hidden body box's
  // image; sources as for GdiCanvas. The state is the page's and stays with it.
  PageMarquee(HWND page, HDC pageDc, HDC canvas, std::array<HDC, 4> sources, const MarqueeLines& lines,
              MarqueeState& state);
  PageMarquee(const PageMarquee&) = delete;
  PageMarquee& operator=(const PageMarquee&) = delete;

  // One frame: composed, then copied to the page.
  void Frame();
  // The roll moved on by this many frames, nothing drawn.
  void Advance(std::uint64_t steps);
  // The frame alone, on the canvas.
  void Compose();
  // The page's client area changed size: the canvas lands elsewhere. Kept here so that a frame
  // need not ask the window.
  void SetPageSize(int clientWidth, int clientHeight);
  // The canvas as it stands, to its place on the page.
  void CopyToPage() const;
  void CopyToPage(HDC page) const;
  // The rows as measured on the canvas at load.
  const MarqueeLayout& Layout() const { return layout_; }

 private:
  HWND page_;
  HDC pageDc_;
  HDC canvasDc_;
  MarqueeState& state_;
  GdiCanvas canvas_;
  MarqueeLayout layout_;
  PagePoint origin_;
};

}  // namespace chelan
