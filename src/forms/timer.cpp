#include "forms/timer.h"

#include <map>

namespace chelan::forms {

namespace {

// Thread timers carry no pointer of their own; their ids find the object. One UI thread only.
std::map<UINT_PTR, Timer*>& TimersById() {
  static std::map<UINT_PTR, Timer*> timers;
  return timers;
}

}  // namespace

Timer::~Timer() {
  enabled_ = false;
  Restart();
}

void Timer::SetInterval(UINT milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  if (id_) {
    KillTimer(nullptr, id_);
    TimersById().erase(id_);
    id_ = 0;
  }
  if (enabled_ && interval_ > 0) {
    id_ = SetTimer(nullptr, 0, interval_, &Timer::Procedure);
    if (id_) TimersById()[id_] = this;
  }
}

void CALLBACK Timer::Procedure(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = TimersById().find(id);
  if (found == TimersById().end() || !found->second->Tick) return;
  auto handler = found->second->Tick;  // the handler may switch its own timer off
  handler();
}

}  // namespace chelan::forms
