#include "skin/system_colors.h"

namespace chelan {

void WriteColorStep(Services& services, ColorStep step, ColorValue pending, ColorValue second) {
  // Two calls, never one call with two entries: the order is part of what the user sees, as
  // Windows repaints the desktop after each.
  services.SetSysColor(step.pendingElement, pending);
  services.SetSysColor(step.secondElement, second);
}

}  // namespace chelan
