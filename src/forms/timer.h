#pragma once
// A timer like a form's timer control: an interval, an enabled switch and a Tick handler. It
// belongs to a window, which runs its ticks, and it stops when that window is destroyed.
#include <windows.h>

#include <functional>

namespace chelan::forms {

class Window;

class Timer {
 public:
  explicit Timer(Window& owner) : owner_(owner) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  // A running timer restarts its count with the new interval.
  void SetInterval(UINT milliseconds);
  UINT Interval() const { return interval_; }
  // Runs while enabled with an interval above 0 and while its window exists.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  // Whether ticks are actually being scheduled.
  bool Running() const { return running_; }

  std::function<void()> Tick;

 private:
  friend class Window;
  void Restart();
  void Stop();
  // Called by the window: a tick, or the window's end.
  void Fire();
  void Ended() { running_ = false; }
  UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

  Window& owner_;
  UINT interval_ = 0;
  bool enabled_ = false;
  bool running_ = false;
};

}  // namespace chelan::forms
