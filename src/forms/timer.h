#pragma once
// A timer like a form's timer control: an interval, an enabled switch and a Tick handler, run by
// the thread's message loop.
#include <windows.h>

#include <functional>

namespace chelan::forms {

class Timer {
 public:
  Timer() = default;
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  // A running timer restarts its count with the new interval.
  void SetInterval(UINT milliseconds);
  UINT Interval() const { return interval_; }
  // Runs while enabled with an interval above 0.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  // Whether ticks are actually being scheduled.
  bool Running() const { return id_ != 0; }

  std::function<void()> Tick;

 private:
  void Restart();
  static void CALLBACK Procedure(HWND, UINT, UINT_PTR id, DWORD);

  UINT interval_ = 0;
  bool enabled_ = false;
  UINT_PTR id_ = 0;
};

}  // namespace chelan::forms
