#include "shell/frame_schedule.h"

#include <algorithm>

namespace chelan {

FrameWork FrameWorkOf(const ClockedPage& page) {
  if (!page.marqueeRunning) return FrameWork::None;
  return page.onScreen ? FrameWork::Draw : FrameWork::Advance;
}

bool LabelTicks(const ClockedPage& page) { return page.clockRunning && page.onScreen; }

ElapsedSteps StepsElapsed(std::uint64_t since, std::uint64_t now, std::uint32_t interval) {
  // A clock read that went back (it cannot with a monotonic clock, but a wrong one must not make
  // the roll run for ages) owes nothing.
  if (interval == 0 || now <= since) return {0, since};
  const std::uint64_t steps = (now - since) / interval;
  return {steps, since + steps * interval};
}

std::size_t FrameSchedule::Add() {
  pages_.push_back({});
  return pages_.size() - 1;
}

bool FrameSchedule::FramesRun() const {
  return std::any_of(pages_.begin(), pages_.end(),
                     [](const ClockedPage& page) { return FrameWorkOf(page) == FrameWork::Draw; });
}

bool FrameSchedule::LabelsRun() const { return std::any_of(pages_.begin(), pages_.end(), LabelTicks); }

FrameSchedule::Timers FrameSchedule::Update(std::uint64_t now) {
  Timers timers{FramesRun(), LabelsRun(), 0};
  if (framesRunning_ && !timers.frames) {
    // Nothing is on screen: the timer stops, and the rolls owe the steps from the last tick on.
    paused_ = true;
  } else if (!framesRunning_ && timers.frames) {
    if (paused_) {
      const ElapsedSteps elapsed = StepsElapsed(lastStep_, now, kFrameInterval);
      timers.owedSteps = elapsed.steps;
      lastStep_ = elapsed.through;
    } else {
      lastStep_ = now;
    }
    paused_ = false;
  }
  framesRunning_ = timers.frames;
  return timers;
}

}  // namespace chelan
