#pragma once
// The program's one frame clock without windows: which pages a tick draws and which it only moves
// on, when the 10 ms frame timer and the 800 ms clock-label timer need to run at all, and how many
// steps every running roll owes after a time when no page was on screen.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace chelan {

// What one tick of the frame clock does for one page.
enum class FrameWork {
  None,     // the marquee has not started: the page has never been activated
  Advance,  // hidden or minimised: the roll moves on, nothing is drawn
  Draw,     // on screen: a frame is composed and copied to the page
};

// A page as the frame clock sees it.
struct ClockedPage {
  bool marqueeRunning = false;  // from the page's first activation on
  bool clockRunning = false;    // the clock label's timer, as the activation and the toggle set it
  bool onScreen = false;        // shown and not minimised
};

FrameWork FrameWorkOf(const ClockedPage& page);

// Whether a tick of the label timer updates this page's clock label. A label out of sight waits
// until its page is shown again.
bool LabelTicks(const ClockedPage& page);

// The whole steps of `interval` milliseconds from `since` to `now`, and the moment the last of
// them fell on, so that the part of a step left over is not lost when counting goes on from there.
struct ElapsedSteps {
  std::uint64_t steps = 0;
  std::uint64_t through = 0;
};
ElapsedSteps StepsElapsed(std::uint64_t since, std::uint64_t now, std::uint32_t interval);

class FrameSchedule {
 public:
  static constexpr std::uint32_t kFrameInterval = 10;   // milliseconds
  static constexpr std::uint32_t kLabelInterval = 800;  // milliseconds

  // Adds a page, not running and not on screen; returns its index.
  std::size_t Add();
  ClockedPage& Page(std::size_t index) { return pages_[index]; }
  const ClockedPage& Page(std::size_t index) const { return pages_[index]; }
  std::size_t Size() const { return pages_.size(); }

  // The frame timer runs while a running marquee is on screen; the label timer while a running
  // clock label is.
  bool FramesRun() const;
  bool LabelsRun() const;

  // What the timers should be after a page's state changed at `now` (milliseconds of a monotonic
  // clock). When the frame timer comes back after a pause, `owedSteps` is the number of frame
  // steps that fell in the pause: every running roll takes them before the next tick.
  struct Timers {
    bool frames = false;
    bool labels = false;
    std::uint64_t owedSteps = 0;
  };
  Timers Update(std::uint64_t now);
  // A tick of the frame timer at `now`: the steps of a later pause count from here.
  void Ticked(std::uint64_t now) { lastStep_ = now; }

 private:
  std::vector<ClockedPage> pages_;
  bool framesRunning_ = false;
  bool paused_ = false;  // the frame timer stopped with running rolls that still owe their steps
  std::uint64_t lastStep_ = 0;
};

}  // namespace chelan
