#include "shell/page_marquee.h"

#include "forms/gdi.h"

namespace chelan {

PageMarquee::PageMarquee(HWND page, HDC pageDc, HDC canvas, std::array<HDC, 4> sources, const MarqueeLines& lines,
                         MarqueeState& state)
    : page_(page),
      pageDc_(pageDc),
      canvasDc_(canvas),
      state_(state),
      canvas_(canvas, state.width, state.height, sources) {
  layout_ = LayOutMarquee(canvas_, lines);
  RECT client{};
  GetClientRect(page_, &client);
  SetPageSize(client.right, client.bottom);
}

void PageMarquee::Frame() {
  Compose();
  CopyToPage();
}

void PageMarquee::Advance(std::uint64_t steps) { AdvanceMarquee(layout_, state_, steps); }

void PageMarquee::SetPageSize(int clientWidth, int clientHeight) {
  origin_ = MarqueePageOrigin(clientWidth, clientHeight, state_);
}

void PageMarquee::Compose() { ComposeMarqueeFrame(canvas_, layout_, state_); }

void PageMarquee::CopyToPage() const { CopyToPage(pageDc_); }

void PageMarquee::CopyToPage(HDC page) const {
  BitBlt(page, origin_.left, origin_.top, state_.width, state_.height, canvasDc_, 0, 0, SRCCOPY);
}

}  // namespace chelan
