#pragma once
// What a skin page does with colours, without a window: its pending colour as its three hidden
// boxes hold it, its swatch, the option that arms its buttons, and the system colour writes of
// its preview, presets and confirm buttons. The page window applies the writes in order.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/color.h"
#include "skin/system_colors.h"

namespace chelan {

using ColorWrites = std::vector<ColorWrite>;

// What "确 定" on page 2 or 3 does.
struct Confirmation {
  ColorWrites writes;
  std::optional<ColorValue> page1Pending;  // skin page 1's boxes take this colour
  bool repaint = false;                    // the page repaints itself (page 2, in every case)
  bool operator==(const Confirmation&) const = default;
};

class SkinPageModel {
 public:
  // Page 1, 2 or 3 with its design contents: boxes, swatch, option not selected.
  explicit SkinPageModel(int number);

  int Number() const { return number_; }

  // The three boxes, red first, as decimal text.
  const std::array<std::wstring, 3>& PendingTexts() const { return texts_; }
  ColorValue Pending() const;
  void SetPending(ColorValue color);

  ColorValue Swatch() const { return swatch_; }
  // The colour dialog's answer: on OK the swatch takes the colour; on cancel the swatch stays and
  // the result is true: the user is asked to choose again.
  bool TakeDialogAnswer(std::optional<ColorValue> chosen);

  bool OptionSelected() const { return optionSelected_; }
  // The page's only option button: once selected it stays selected.
  void SelectOption() { optionSelected_ = true; }

  // The colour step each time the page becomes active: the pending colour, then the page's fixed
  // second colour, whether or not the option is selected.
  ColorWrites Preview() const;

  // Page 1. A preset writes only while the option is selected; the confirm button writes in any
  // case. Both write the colour that was pending before the click and the swatch, then make their
  // own colour pending: it reaches the desktop at the next step.
  ColorWrites Preset(std::size_t index);
  ColorWrites ConfirmMixer(ColorValue mixed);

  // Pages 2 and 3.
  Confirmation Confirm() const;

 private:
  ColorWrites ApplyStep(ColorValue newPending);

  int number_;
  ColorStep step_;
  std::array<std::wstring, 3> texts_;
  ColorValue swatch_;
  bool optionSelected_ = false;
};

}  // namespace chelan
