#include "skin/skin_page_model.h"

#include <stdexcept>

#include "skin/pending_colour.h"
#include "skin/skin_colours.h"

namespace chelan {

namespace {

struct PageColours {
  ColourStep step;
  PendingTexts designTexts;
  ColorValue designSwatch;
  ColorValue previewSecond;
};

const PageColours& ColoursOf(int number) {
  static const PageColours pages[] = {
      {kBackgroundStep, kPage1DesignTexts, kPage1DesignSwatch, kPage1PreviewTitle},
      {kMenuStep, kPage2DesignTexts, kPage2DesignSwatch, kPage2PreviewMenuBar},
      {kButtonStep, kPage3DesignTexts, kPage3DesignSwatch, kPage3PreviewHighlight},
  };
  if (number < 1 || number > 3) throw std::out_of_range("no skin page " + std::to_string(number));
  return pages[number - 1];
}

}  // namespace

SkinPageModel::SkinPageModel(int number)
    : number_(number),
      step_(ColoursOf(number).step),
      texts_{std::wstring(ColoursOf(number).designTexts[0]), std::wstring(ColoursOf(number).designTexts[1]),
             std::wstring(ColoursOf(number).designTexts[2])},
      swatch_(ColoursOf(number).designSwatch) {}

ColorValue SkinPageModel::Pending() const { return PendingColour(texts_[0], texts_[1], texts_[2]); }

void SkinPageModel::SetPending(ColorValue colour) { texts_ = PendingTextsOf(colour); }

bool SkinPageModel::TakeDialogAnswer(std::optional<ColorValue> chosen) {
  if (!chosen) return true;
  swatch_ = *chosen;
  return false;
}

ColourWrites SkinPageModel::Preview() const {
  return {{step_.pendingElement, Pending()}, {step_.secondElement, ColoursOf(number_).previewSecond}};
}

ColourWrites SkinPageModel::ApplyStep(ColorValue newPending) {
  ColourWrites writes{{step_.pendingElement, Pending()}, {step_.secondElement, swatch_}};
  SetPending(newPending);
  return writes;
}

ColourWrites SkinPageModel::Preset(std::size_t index) {
  if (number_ != 1 || index >= kPage1Presets.size() || !optionSelected_) return {};
  return ApplyStep(kPage1Presets[index].colour);
}

ColourWrites SkinPageModel::ConfirmMixer(ColorValue mixed) {
  if (number_ != 1) return {};
  return ApplyStep(mixed);
}

Confirmation SkinPageModel::Confirm() const {
  if (number_ == 2) {
    if (!optionSelected_) return {{}, std::nullopt, true};
    return {{{step_.pendingElement, Pending()}, {step_.secondElement, swatch_}}, kPage2ConfirmPage1, true};
  }
  if (number_ == 3 && optionSelected_) {
    return {{{step_.pendingElement, Pending()}, {step_.secondElement, kPage3ConfirmHighlight}}, kPage3ConfirmPage1,
            false};
  }
  return {};
}

}  // namespace chelan
