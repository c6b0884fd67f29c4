#pragma once
// The program's one frame clock: a single 10 ms timer that steps every page whose marquee runs (a
// page on screen draws its frame, a hidden or minimised one only moves its roll on) and a single
// 800 ms timer for the clock labels, both on a message-only window of the clock's own. Under Wine
// every timer tick is a round trip through the wine server, so the pages share these two, and
// neither runs while no page is on screen: the rolls take the steps they missed when a page comes
// back.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "forms/timer.h"
#include "forms/window.h"
#include "shell/frame_schedule.h"

namespace chelan {

// What the clock asks of a page.
class ClockedWindow {
 public:
  // One frame composed and copied to the page on screen.
  virtual void DrawFrame() = 0;
  // The roll moved on by this many frames, nothing drawn.
  virtual void AdvanceRoll(std::uint64_t steps) = 0;
  // The clock label shows the time of day.
  virtual void ShowTime() = 0;

 protected:
  ~ClockedWindow() = default;
};

class FrameClock : private forms::Window {
 public:
  // `now` gives the milliseconds of a monotonic clock; GetTickCount64 when none is given.
  explicit FrameClock(std::function<std::uint64_t()> now = {});
  ~FrameClock() override;

  // A page takes part from here until it is detached; returns its place.
  std::size_t Attach(ClockedWindow& page);
  void Detach(std::size_t page);

  const ClockedPage& State(std::size_t page) const { return schedule_.Page(page); }
  // The page's marquee runs from its first activation on.
  void SetMarqueeRunning(std::size_t page, bool running);
  // The page's clock label updates: on at every activation, and as the clock toggle says.
  void SetClockRunning(std::size_t page, bool running);
  // The page was shown, hidden, minimised or restored. A page that comes back on screen with its
  // clock running has its label brought up to date at once.
  void SetOnScreen(std::size_t page, bool onScreen);

  // Whether the system timers are set now.
  bool FramesTicking() const { return frames_.Running(); }
  bool LabelsTicking() const { return labels_.Running(); }

  // One tick of each timer, as the window runs them.
  void FrameTick();
  void LabelTick();

 private:
  void Changed();

  std::function<std::uint64_t()> now_;
  FrameSchedule schedule_;
  std::vector<ClockedWindow*> pages_;
  forms::Timer frames_{*this}, labels_{*this};
};

// A page's Timer1 or Timer2 as the page sees it: enabled or not, and its interval; the ticks come
// from the program's frame clock.
class ClockTimer {
 public:
  enum class Kind { Frames, Label };
  ClockTimer(FrameClock& clock, Kind kind) : clock_(clock), kind_(kind) {}
  ClockTimer(const ClockTimer&) = delete;
  ClockTimer& operator=(const ClockTimer&) = delete;

  // The page's place on the clock, once it has attached.
  void AttachedAs(std::size_t page) { page_ = page; }
  void SetEnabled(bool enabled);
  bool Enabled() const;
  UINT Interval() const;

 private:
  FrameClock& clock_;
  Kind kind_;
  std::size_t page_ = 0;
};

}  // namespace chelan
