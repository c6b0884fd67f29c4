#pragma once
// The six Windows system colour elements the skin pages write, and the two-write colour step.
#include <array>

#include "core/color.h"
#include "platform/services.h"

namespace chelan {

// Windows system colour indexes, named after their COLOR_ constants. The program writes these
// six and no others.
inline constexpr int kColorMenuText = 7;       // COLOR_MENUTEXT: text in menus
inline constexpr int kColorCaptionText = 9;    // COLOR_CAPTIONTEXT: text in title bars
inline constexpr int kColorBtnFace = 15;       // COLOR_BTNFACE: the system background colour
inline constexpr int kColorBtnText = 18;       // COLOR_BTNTEXT: text on buttons
inline constexpr int kColorBtnHighlight = 20;  // COLOR_BTNHIGHLIGHT: highlight edge of buttons
inline constexpr int kColorMenuBar = 30;       // COLOR_MENUBAR: background of flat menu bars

inline constexpr std::array<int, 6> kWrittenElements = {kColorBtnFace,  kColorCaptionText,
                                                        kColorMenuText, kColorMenuBar,
                                                        kColorBtnText,  kColorBtnHighlight};

// The two elements a page writes at each of its colour steps: its pending colour always goes to
// the first, and always before the second.
struct ColorStep {
  int pendingElement;
  int secondElement;
  bool operator==(const ColorStep&) const = default;
};

inline constexpr ColorStep kBackgroundStep{kColorBtnFace, kColorCaptionText};  // skin page 1
inline constexpr ColorStep kMenuStep{kColorMenuText, kColorMenuBar};           // skin page 2
inline constexpr ColorStep kButtonStep{kColorBtnText, kColorBtnHighlight};     // skin page 3

// Writes pending to the step's first element, then second to its second element, one element per
// call. Nothing is read back: a refused write leaves the caller's state as if it had succeeded.
void WriteColorStep(Services& services, ColorStep step, ColorValue pending, ColorValue second);

}  // namespace chelan
