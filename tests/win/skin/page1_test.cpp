// Skin page 1: presets, the mixer's colour, the title colour dialog, the preview and the mixer
// kept beside the page.
#include <gtest/gtest.h>

#include "pages_fixture.h"
#include "skin/skin_colors.h"

namespace chelan {
namespace {

using testing::Click;
using testing::ShownMessage;
using testing::SysColorWrite;

class Page1Test : public PagesTest {
 protected:
  void SetUp() override {
    Open(page1);
    TakeWrites();
  }
  forms::Button& PresetButton(std::size_t index) {
    forms::Button* buttons[] = {&page1.Command8, &page1.Command9, &page1.Command10,
                                &page1.Command11, &page1.Command12, &page1.Command13,
                                &page1.Command2, &page1.Command5, &page1.Command6};
    return *buttons[index];
  }
  std::array<std::wstring, 3> Boxes() const { return {page1.Text3.Text(), page1.Text4.Text(), page1.Text5.Text()}; }
};

TEST_F(PagesTest, Page1sFirstActivationWritesTheDesignColorThenYellowTitles) {
  Open(page1);
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{15, Rgb(50, 200, 110)}, {9, Rgb(255, 255, 0)}}));
}

TEST_F(Page1Test, PresetsDoNothingBeforeTheOptionIsSelected) {
  for (std::size_t i = 0; i < kPage1Presets.size(); ++i) Click(PresetButton(i));
  EXPECT_TRUE(TakeWrites().empty());
  EXPECT_EQ(Boxes(), (std::array<std::wstring, 3>{L"50", L"200", L"110"}));
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(Page1Test, APresetWritesThePreviouslyPendingColorAndTheSwatchThenBecomesPending) {
  Click(page1.Option1);
  Click(page1.Command10);  // 粉红
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{15, Rgb(50, 200, 110)}, {9, Rgb(255, 255, 0)}}));
  EXPECT_EQ(Boxes(), (std::array<std::wstring, 3>{L"250", L"100", L"200"}));
  Click(page1.Command11);  // 淡蓝
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{15, Rgb(250, 100, 200)}, {9, Rgb(255, 255, 0)}}));
  EXPECT_EQ(Boxes(), (std::array<std::wstring, 3>{L"80", L"220", L"230"}));
}

class Page1Presets : public Page1Test, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(Page1Presets, EachButtonCarriesItsCaptionAndColor) {
  const chelan::Preset& preset = kPage1Presets[GetParam()];
  EXPECT_EQ(PresetButton(GetParam()).Text(), preset.caption);
  Click(page1.Option1);
  Click(PresetButton(GetParam()));
  Click(PresetButton(GetParam()));
  EXPECT_EQ(TakeWrites().at(2), (SysColorWrite{15, preset.color}));
}

INSTANTIATE_TEST_SUITE_P(Nine, Page1Presets, ::testing::Range<std::size_t>(0, 9));

TEST_F(Page1Test, ConfirmTakesTheMixersSlidersAfterWritingWhatWasPending) {
  mixer.Slider1.SetValue(10);
  mixer.Slider2.SetValue(20);
  mixer.Slider3.SetValue(30);
  Click(page1.Command15);  // works without the option
  EXPECT_EQ(TakeWrites(), (std::vector<SysColorWrite>{{15, Rgb(50, 200, 110)}, {9, Rgb(255, 255, 0)}}));
  EXPECT_EQ(Boxes(), (std::array<std::wstring, 3>{L"10", L"20", L"30"}));
  Click(page1.Command15);
  EXPECT_EQ(TakeWrites().front(), (SysColorWrite{15, Rgb(10, 20, 30)}));
}

TEST_F(Page1Test, TitleColorWaitsInTheSwatchUntilTheNextApplyAndPreviewsResetIt) {
  services.colorAnswers = {Rgb(0, 0, 128), std::nullopt};
  Click(page1.Command7);
  EXPECT_EQ(page1.picSBPanel1.BackColor(), Rgb(0, 0, 128));
  EXPECT_TRUE(TakeWrites().empty());
  Click(page1.Command7);
  EXPECT_EQ(services.messages, (std::vector<ShownMessage>{{L"取消后重选", L"澈岚皮肤6.1", MessageIcon::Exclamation}}));
  EXPECT_EQ(page1.picSBPanel1.BackColor(), Rgb(0, 0, 128));
  Click(page1.Command15);
  EXPECT_EQ(TakeWrites().at(1), (SysColorWrite{9, Rgb(0, 0, 128)}));
  page1.Hide();
  Open(page2);
  Open(page1);
  const std::vector<SysColorWrite> writes = TakeWrites();
  EXPECT_EQ(writes.back(), (SysColorWrite{9, Rgb(255, 255, 0)}));
}

TEST_F(Page1Test, ConfirmOnPage2ReachesTheDesktopAtPage1sNextPreview) {
  page1.Hide();
  Open(page2);
  page1.SetPending(kPage2ConfirmPage1);
  TakeWrites();
  Open(page1);
  EXPECT_EQ(TakeWrites().front(), (SysColorWrite{15, Rgb(150, 150, 250)}));
}

TEST_F(Page1Test, EveryPaintBringsTheMixerBackBesideThePage) {
  ASSERT_TRUE(mixer.Visible());
  // The mixer's own exit only hides it.
  ShowWindow(mixer.hwnd(), SW_HIDE);
  RedrawWindow(page1.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  testing::PumpMessages();
  EXPECT_TRUE(mixer.Visible());
  RECT page{}, beside{};
  GetWindowRect(page1.hwnd(), &page);
  GetWindowRect(mixer.hwnd(), &beside);
  EXPECT_EQ(beside.left - page.left, 3800 / 15);
  EXPECT_EQ(beside.top - page.top, 5300 / 15);
  EXPECT_EQ(GetWindow(mixer.hwnd(), GW_OWNER), page1.hwnd());
}

TEST_F(Page1Test, TheMixerGoesWithThePageToAnotherPageAndComesBackWithIt) {
  ASSERT_TRUE(mixer.Visible());
  Open(page2);
  page1.Hide();
  testing::PumpMessages();
  EXPECT_FALSE(mixer.Visible());
  EXPECT_TRUE(mixer.Exists());
  Open(page1);
  page2.Hide();
  testing::PumpMessages();
  EXPECT_TRUE(mixer.Visible());
}

}  // namespace
}  // namespace chelan
