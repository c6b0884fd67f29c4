// What each skin page writes, without a window: previews, the one-click lag of page 1's apply
// step, the swatch dialog's answers and the confirm buttons of pages 2 and 3.
#include "skin/skin_page_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/page_switch.h"
#include "skin/page_designs.h"
#include "skin/skin_colors.h"

namespace chelan {
namespace {

constexpr ColorValue kYellow = Rgb(255, 255, 0);

std::size_t PresetIndex(std::wstring_view caption) {
  for (std::size_t i = 0; i < kPage1Presets.size(); ++i) {
    if (kPage1Presets[i].caption == caption) return i;
  }
  throw std::invalid_argument("no preset");
}

TEST(SkinPageModel, EachPagesPreviewWritesItsPendingColorThenItsFixedSecondColor) {
  struct Case {
    int page;
    ColorWrites writes;
  };
  const Case cases[] = {
      {1, {{15, Rgb(50, 200, 110)}, {9, kYellow}}},
      {2, {{7, Rgb(10, 10, 250)}, {30, Rgb(154, 245, 63)}}},
      {3, {{18, Rgb(30, 10, 250)}, {20, kYellow}}},
  };
  for (const Case& c : cases) {
    SkinPageModel page(c.page);
    EXPECT_EQ(page.Preview(), c.writes) << "page " << c.page;
    page.SelectOption();
    // The preview does not depend on the option, nor on a chosen swatch.
    page.TakeDialogAnswer(Rgb(1, 2, 3));
    EXPECT_EQ(page.Preview(), c.writes) << "page " << c.page << " with option and swatch";
  }
}

// Page 1's buttons in turn, with what each click writes and the boxes after it.
struct Click {
  std::function<ColorWrites(SkinPageModel&)> press;
  ColorWrites writes;
  std::array<std::wstring, 3> boxes;
};

ColorWrites Preset(SkinPageModel& page, std::wstring_view caption) { return page.Preset(PresetIndex(caption)); }

struct ClickSequence {
  const char* name;
  bool option;
  std::vector<Click> clicks;
};

class Page1Clicks : public ::testing::TestWithParam<ClickSequence> {};

TEST_P(Page1Clicks, WriteWhatWasPendingAndTheSwatchThenTakeTheirOwnColor) {
  SkinPageModel page(1);
  if (GetParam().option) page.SelectOption();
  int n = 0;
  for (const Click& click : GetParam().clicks) {
    ++n;
    EXPECT_EQ(click.press(page), click.writes) << "click " << n;
    EXPECT_EQ(page.PendingTexts(), click.boxes) << "click " << n;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Page1Clicks,
    ::testing::Values(
        ClickSequence{"PresetsBeforeTheOptionDoNothing",
                      false,
                      {{[](SkinPageModel& p) { return Preset(p, L"粉红"); }, {}, {L"50", L"200", L"110"}},
                       {[](SkinPageModel& p) { return Preset(p, L"军绿"); }, {}, {L"50", L"200", L"110"}}}},
        ClickSequence{"APresetsColorReachesTheDesktopAtTheSecondClick",
                      true,
                      {{[](SkinPageModel& p) { return Preset(p, L"粉红"); },
                        {{15, Rgb(50, 200, 110)}, {9, kYellow}},
                        {L"250", L"100", L"200"}},
                       {[](SkinPageModel& p) { return Preset(p, L"粉红"); },
                        {{15, Rgb(250, 100, 200)}, {9, kYellow}},
                        {L"250", L"100", L"200"}},
                       {[](SkinPageModel& p) { return Preset(p, L"淡蓝"); },
                        {{15, Rgb(250, 100, 200)}, {9, kYellow}},
                        {L"80", L"220", L"230"}}}},
        ClickSequence{"TheConfirmWorksWithoutTheOptionAndTakesTheMixersColor",
                      false,
                      {{[](SkinPageModel& p) { return p.ConfirmMixer(Rgb(10, 20, 30)); },
                        {{15, Rgb(50, 200, 110)}, {9, kYellow}},
                        {L"10", L"20", L"30"}},
                       {[](SkinPageModel& p) { return p.ConfirmMixer(Rgb(0, 0, 225)); },
                        {{15, Rgb(10, 20, 30)}, {9, kYellow}},
                        {L"0", L"0", L"225"}},
                       {[](SkinPageModel& p) { return Preset(p, L"米黄"); }, {}, {L"0", L"0", L"225"}}}},
        ClickSequence{"TheSwatchReachesTheTitleTextAtEachApplyStep",
                      true,
                      {{[](SkinPageModel& p) {
                          p.TakeDialogAnswer(Rgb(0, 0, 128));
                          return Preset(p, L"紫色");
                        },
                        {{15, Rgb(50, 200, 110)}, {9, Rgb(0, 0, 128)}},
                        {L"150", L"100", L"220"}},
                       {[](SkinPageModel& p) { return p.Preview(); },
                        {{15, Rgb(150, 100, 220)}, {9, kYellow}},
                        {L"150", L"100", L"220"}}}}),
    [](const ::testing::TestParamInfo<ClickSequence>& info) { return info.param.name; });

TEST(SkinPageModel, EveryPresetCarriesItsOwnColor) {
  for (std::size_t i = 0; i < kPage1Presets.size(); ++i) {
    SkinPageModel page(1);
    page.SelectOption();
    page.Preset(i);
    EXPECT_EQ(page.Preset(i).front(), (ColorWrite{15, kPage1Presets[i].color})) << kPage1Presets[i].control;
  }
}

TEST(SkinPageModel, PresetsAndTheMixerBelongToPage1Only) {
  for (int number : {2, 3}) {
    SkinPageModel page(number);
    page.SelectOption();
    EXPECT_TRUE(page.Preset(0).empty());
    EXPECT_TRUE(page.ConfirmMixer(Rgb(1, 1, 1)).empty());
    EXPECT_EQ(page.Pending(), SkinPageModel(number).Pending());
  }
}

TEST(SkinPageModel, TheDialogsCancelKeepsTheSwatchAndAsksToChooseAgain) {
  SkinPageModel page(2);
  EXPECT_EQ(page.Swatch(), Rgb(255, 255, 128));
  EXPECT_FALSE(page.TakeDialogAnswer(Rgb(9, 8, 7)));
  EXPECT_EQ(page.Swatch(), Rgb(9, 8, 7));
  EXPECT_TRUE(page.TakeDialogAnswer(std::nullopt));
  EXPECT_EQ(page.Swatch(), Rgb(9, 8, 7));
}

TEST(SkinPageModel, ConfirmOnPages2And3) {
  struct Case {
    const char* name;
    int page;
    bool option;
    std::optional<ColorValue> swatch;
    Confirmation expected;
  };
  const Case cases[] = {
      {"page 2 without the option only repaints", 2, false, std::nullopt, {{}, std::nullopt, true}},
      {"page 2 with the design swatch", 2, true, std::nullopt,
       {{{7, Rgb(10, 10, 250)}, {30, Rgb(255, 255, 128)}}, Rgb(150, 150, 250), true}},
      {"page 2 with a chosen swatch", 2, true, Rgb(1, 2, 3),
       {{{7, Rgb(10, 10, 250)}, {30, Rgb(1, 2, 3)}}, Rgb(150, 150, 250), true}},
      {"page 3 without the option does nothing", 3, false, std::nullopt, {}},
      {"page 3 with the option", 3, true, std::nullopt,
       {{{18, Rgb(30, 10, 250)}, {20, Rgb(255, 192, 255)}}, Rgb(150, 250, 50), false}},
      {"page 1 has no such button", 1, true, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    SkinPageModel page(c.page);
    if (c.option) page.SelectOption();
    if (c.swatch) page.TakeDialogAnswer(c.swatch);
    EXPECT_EQ(page.Confirm(), c.expected) << c.name;
    // A confirm stores nothing: the next preview is the page's usual one.
    EXPECT_EQ(page.Preview(), SkinPageModel(c.page).Preview()) << c.name;
  }
}

TEST(SkinPageModel, APendingColorSetFromAnotherPageIsWhatTheNextPreviewWrites) {
  SkinPageModel page(1);
  page.SetPending(kPage2ConfirmPage1);
  EXPECT_EQ(page.PendingTexts(), (std::array<std::wstring, 3>{L"150", L"150", L"250"}));
  EXPECT_EQ(page.Preview().front(), (ColorWrite{15, Rgb(150, 150, 250)}));
}

TEST(SkinPageModel, EachPagesShellShowsTheSwatchItsModelStartsWith) {
  const PageDesign* designs[] = {&kPage1Design, &kPage2Design, &kPage3Design};
  for (int number = 1; number <= 3; ++number) {
    EXPECT_EQ(designs[number - 1]->number, number);
    EXPECT_EQ(designs[number - 1]->swatchStart, SkinPageModel(number).Swatch()) << "page " << number;
  }
}

TEST(PageSwitch, FlipsWhileAvailableAndStaysPutOtherwise) {
  struct Case {
    bool available, on;
    bool flipped, onAfter;
  };
  const Case cases[] = {{true, true, true, false}, {true, false, true, true}, {false, false, false, false}};
  for (const Case& c : cases) {
    PageSwitch s{c.available, c.on};
    EXPECT_EQ(s.Flip(), c.flipped);
    EXPECT_EQ(s.on, c.onAfter);
  }
}

}  // namespace
}  // namespace chelan
