#pragma once
// Running an event handler held in a std::function.
#include <functional>

namespace chelan::forms {

// Runs a copy of the handler, if there is one: a handler may replace or clear the very handler
// that runs it (a click that rewires its own button, a tick that switches its timer off).
template <class... Args>
void RunHandler(const std::function<void(Args...)>& handler, Args... args) {
  if (!handler) return;
  auto copy = handler;
  copy(args...);
}

}  // namespace chelan::forms
