#include "forms/timer.h"

#include "forms/handler.h"
#include "forms/window.h"

namespace chelan::forms {

Timer::~Timer() { Stop(); }

void Timer::SetInterval(UINT milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Timer::Stop() {
  if (!running_) return;
  running_ = false;
  if (owner_.hwnd()) KillTimer(owner_.hwnd(), Id());
  owner_.RemoveTimer(Id());
}

void Timer::Restart() {
  Stop();
  if (!enabled_ || interval_ == 0 || !owner_.hwnd()) return;
  // The object's address is its id: unique among the window's timers for as long as it lives.
  if (SetTimer(owner_.hwnd(), Id(), interval_, nullptr)) {
    running_ = true;
    owner_.AddTimer(Id(), this);
  }
}

void Timer::Fire() { RunHandler(Tick); }

}  // namespace chelan::forms
