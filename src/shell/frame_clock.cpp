#include "shell/frame_clock.h"

namespace chelan {

FrameClock::FrameClock(std::function<std::uint64_t()> now) : now_(std::move(now)) {
  if (!now_) now_ = [] { return static_cast<std::uint64_t>(GetTickCount64()); };
  frames_.Tick = [this] { FrameTick(); };
  labels_.Tick = [this] { LabelTick(); };
  frames_.SetInterval(FrameSchedule::kFrameInterval);
  labels_.SetInterval(FrameSchedule::kLabelInterval);
}

FrameClock::~FrameClock() = default;

std::size_t FrameClock::Attach(ClockedWindow& page) {
  pages_.push_back(&page);
  return schedule_.Add();
}

void FrameClock::Detach(std::size_t page) {
  pages_[page] = nullptr;
  schedule_.Page(page) = {};
  Changed();
}

void FrameClock::SetMarqueeRunning(std::size_t page, bool running) {
  if (!pages_[page]) return;
  schedule_.Page(page).marqueeRunning = running;
  Changed();
}

void FrameClock::SetClockRunning(std::size_t page, bool running) {
  if (!pages_[page]) return;
  schedule_.Page(page).clockRunning = running;
  Changed();
}

void FrameClock::SetOnScreen(std::size_t page, bool onScreen) {
  ClockedPage& state = schedule_.Page(page);
  if (!pages_[page] || state.onScreen == onScreen) return;
  state.onScreen = onScreen;
  Changed();
  if (LabelTicks(state)) pages_[page]->ShowTime();
}

void FrameClock::Changed() {
  const FrameSchedule::Timers timers = schedule_.Update(now_());
  if (timers.owedSteps > 0) {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
      if (pages_[i] && schedule_.Page(i).marqueeRunning) pages_[i]->AdvanceRoll(timers.owedSteps);
    }
  }
  // The window comes with the first timer it carries; it is only a target for the ticks.
  if ((timers.frames || timers.labels) && !hwnd()) {
    CreateOwnWindow(L"ChelanFrameClock", 0, 0, L"", RECT{}, HWND_MESSAGE, nullptr, RGB(0, 0, 0));
  }
  if (timers.frames != frames_.Enabled()) frames_.SetEnabled(timers.frames);
  if (timers.labels != labels_.Enabled()) labels_.SetEnabled(timers.labels);
}

void FrameClock::FrameTick() {
  schedule_.Ticked(now_());
  // A page's frame may let waiting messages run (none does today), so each page is looked up
  // again rather than walked with an iterator.
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (!pages_[i]) continue;
    switch (FrameWorkOf(schedule_.Page(i))) {
      case FrameWork::Draw: pages_[i]->DrawFrame(); break;
      case FrameWork::Advance: pages_[i]->AdvanceRoll(1); break;
      case FrameWork::None: break;
    }
  }
}

void FrameClock::LabelTick() {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i] && LabelTicks(schedule_.Page(i))) pages_[i]->ShowTime();
  }
}

void ClockTimer::SetEnabled(bool enabled) {
  if (kind_ == Kind::Frames) {
    clock_.SetMarqueeRunning(page_, enabled);
  } else {
    clock_.SetClockRunning(page_, enabled);
  }
}

bool ClockTimer::Enabled() const {
  const ClockedPage& state = clock_.State(page_);
  return kind_ == Kind::Frames ? state.marqueeRunning : state.clockRunning;
}

UINT ClockTimer::Interval() const {
  return kind_ == Kind::Frames ? FrameSchedule::kFrameInterval : FrameSchedule::kLabelInterval;
}

}  // namespace chelan
