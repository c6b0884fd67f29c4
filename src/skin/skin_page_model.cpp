#include "skin/skin_page_model.h"

#include <stdexcept>

#include "skin/pending_color.h"
#include "skin/skin_colors.h"

namespace chelan {

namespace {

struct PageColors {
  ColorStep step;
  PendingTexts designTexts;
  ColorValue designSwatch;
  ColorValue previewSecond;
};

const PageColors& PageColorsOf(int number) {
  static const PageColors pages[] = {
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
      step_(PageColorsOf(number).step),
      texts_{std::wstring(PageColorsOf(number).designTexts[0]), std::wstring(PageColorsOf(number).designTexts[1]),
             std::wstring(PageColorsOf(number).designTexts[2])},
      swatch_(PageColorsOf(number).designSwatch) {}

ColorValue SkinPageModel::Pending() const { return PendingColor(texts_[0], texts_[1], texts_[2]); }

void SkinPageModel::SetPending(ColorValue color) { texts_ = PendingTextsOf(color); }

bool SkinPageModel::TakeDialogAnswer(std::optional<ColorValue> chosen) {
  if (!chosen) return true;
  swatch_ = *chosen;
  return false;
}

ColorWrites SkinPageModel::Preview() const {
  return {{step_.pendingElement, Pending()}, {step_.secondElement, PageColorsOf(number_).previewSecond}};
}

ColorWrites SkinPageModel::ApplyStep(ColorValue newPending) {
  ColorWrites writes{{step_.pendingElement, Pending()}, {step_.secondElement, swatch_}};
  SetPending(newPending);
  return writes;
}

ColorWrites SkinPageModel::Preset(std::size_t index) {
  if (number_ != 1 || index >= kPage1Presets.size() || !optionSelected_) return {};
  return ApplyStep(kPage1Presets[index].color);
}

ColorWrites SkinPageModel::ConfirmMixer(ColorValue mixed) {
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
