#include "shell/page_marquee.h"

#include "forms/gdi.h"

namespace chelan {

PageMarquee::PageMarquee(HWND page, HDC canvas, std::array<HDC, 4> sources, const MarqueeLines& lines,
                         MarqueeState& state)
    : page_(page), canvasDc_(canvas), state_(state), canvas_(canvas, state.width, state.height, sources) {
  layout_ = LayOutMarquee(canvas_, lines);
}

void PageMarquee::Tick() {
  if (!IsWindowVisible(page_) || IsIconic(page_)) {
    AdvanceMarquee(layout_, state_);
    return;
  }
  Compose();
  CopyToPage();
}

void PageMarquee::Compose() { ComposeMarqueeFrame(canvas_, layout_, state_); }

void PageMarquee::CopyToPage() const {
  forms::ClientDc page(page_);
  CopyToPage(page.get());
}

void PageMarquee::CopyToPage(HDC page) const {
  RECT client{};
  GetClientRect(page_, &client);
  const PagePoint origin = MarqueePageOrigin(client.right, client.bottom, state_);
  BitBlt(page, origin.left, origin.top, state_.width, state_.height, canvasDc_, 0, 0, SRCCOPY);
}

}  // namespace chelan
