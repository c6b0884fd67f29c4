#include "skin/skin_colors.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake_services.h"
#include "skin/pending_color.h"
#include "skin/system_colors.h"

namespace chelan {
namespace {

using testing::FakeServices;
using testing::SysColorWrite;

// --- Text to 16-bit whole number ---

struct Conversion {
  const char* name;
  std::wstring text;
  std::optional<int> expected;  // nothing: no number
};

class TextConversion : public ::testing::TestWithParam<Conversion> {};

TEST_P(TextConversion, GivesTheNearestWholeNumberOrNothing) {
  const Conversion& c = GetParam();
  const std::optional<std::int16_t> got = TextToInteger16(c.text);
  if (c.expected) {
    ASSERT_TRUE(got) << "text \"" << std::string(c.text.begin(), c.text.end()) << "\"";
    EXPECT_EQ(*got, *c.expected);
  } else {
    EXPECT_FALSE(got) << "gave " << *got;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextConversion,
    ::testing::Values(
        Conversion{"zero", L"0", 0}, Conversion{"designRed", L"50", 50},
        Conversion{"top", L"255", 255}, Conversion{"leadingZeros", L"007", 7},
        Conversion{"blanksAround", L"  42  ", 42}, Conversion{"tabBefore", L"\t7", 7},
        Conversion{"ideographicBlanks", L"\u30008\u3000", 8}, Conversion{"plusSign", L"+12", 12},
        Conversion{"minusSign", L"-12", -12}, Conversion{"minusZero", L"-0", 0},
        // A half goes to the even neighbour, on either side of zero.
        Conversion{"halfDownToEven", L"2.5", 2}, Conversion{"halfUpToEven", L"3.5", 4},
        Conversion{"halfOfZero", L"0.5", 0}, Conversion{"oneAndAHalf", L"1.5", 2},
        Conversion{"negativeHalfToEven", L"-2.5", -2},
        Conversion{"negativeHalfAwayToEven", L"-3.5", -4},
        Conversion{"justOverAHalf", L"2.5000001", 3}, Conversion{"justUnderAHalf", L"2.4999999", 2},
        Conversion{"trailingZerosStillAHalf", L"2.5000", 2}, Conversion{"bareFraction", L".5", 0},
        Conversion{"bareFractionUp", L".6", 1}, Conversion{"pointWithoutFraction", L"5.", 5},
        Conversion{"largest", L"32767", 32767}, Conversion{"smallest", L"-32768", -32768},
        Conversion{"roundsDownToLargest", L"32767.49", 32767},
        Conversion{"halfStaysAtEvenSmallest", L"-32768.5", -32768},
        // Out of range: the classic conversion overflows here.
        Conversion{"oneAboveLargest", L"32768", std::nullopt},
        Conversion{"halfAboveLargestRoundsOut", L"32767.5", std::nullopt},
        Conversion{"oneBelowSmallest", L"-32769", std::nullopt},
        Conversion{"manyDigits", L"123456789012345678901234567890", std::nullopt},
        // Not numbers at all.
        Conversion{"empty", L"", std::nullopt}, Conversion{"onlyBlanks", L"   ", std::nullopt},
        Conversion{"letters", L"abc", std::nullopt},
        Conversion{"trailingLetters", L"12abc", std::nullopt},
        Conversion{"blankInside", L"1 2", std::nullopt},
        Conversion{"signAlone", L"-", std::nullopt}, Conversion{"pointAlone", L".", std::nullopt},
        Conversion{"twoSigns", L"--1", std::nullopt},
        Conversion{"blankAfterSign", L"- 1", std::nullopt},
        Conversion{"twoPoints", L"1.2.3", std::nullopt},
        Conversion{"exponent", L"1e2", std::nullopt},
        Conversion{"groupSeparator", L"1,000", std::nullopt},
        Conversion{"fullWidthDigits", L"\uFF11\uFF12", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Components and the pending colour ---

TEST(PendingColor, ComponentsAreLimitedToTheColorRange) {
  struct Case {
    std::wstring text;
    int expected;
  };
  const std::vector<Case> cases = {
      {L"0", 0},
      {L"255", 255},
      {L"256", 255},
      {L"300", 255},
      {L"255.4", 255},
      {L"254.5", 254},
      {L"255.5", 255},
      // Beyond the 16-bit range the classic conversion stops the program; the colour saturates.
      {L"40000", 255},
      {L"-40000", 0},
      {L"-1", 0},
      // Unreadable text counts as 0 instead of stopping the program.
      {L"", 0},
      {L"abc", 0},
      {L"  ", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PendingComponent(c.text), c.expected)
        << "text \"" << std::string(c.text.begin(), c.text.end()) << "\"";
  }
}

TEST(PendingColor, RedIsTheLowByteThenGreenThenBlue) {
  EXPECT_EQ(PendingColor(L"1", L"2", L"3"), 1u + 256u * 2u + 65536u * 3u);
  EXPECT_EQ(PendingColor(L"255", L"0", L"0"), 0x0000FFu);
  EXPECT_EQ(PendingColor(L"0", L"0", L"255"), 0xFF0000u);
}

TEST(PendingColor, EachBoxIsLimitedOnItsOwn) {
  EXPECT_EQ(PendingColor(L"999", L"-5", L"x"), Rgb(255, 0, 0));
  EXPECT_EQ(PendingColor(L"0", L"300", L"12.5"), Rgb(0, 255, 12));
}

TEST(PendingColor, TextsOfAColorReadBackAsThatColor) {
  const std::array<std::wstring, 3> texts = PendingTextsOf(Rgb(150, 250, 50));
  EXPECT_EQ(texts, (std::array<std::wstring, 3>{L"150", L"250", L"50"}));
  for (const Preset& preset : kPage1Presets) {
    const std::array<std::wstring, 3> t = PendingTextsOf(preset.color);
    EXPECT_EQ(PendingColor(t[0], t[1], t[2]), preset.color) << preset.control;
  }
}

// --- The colour table against the values the pages are designed with ---

TEST(SkinColors, PresetsOfPageOneAreTheNineDesignedButtons) {
  struct Expected {
    const char* control;
    std::wstring caption;
    int r, g, b;
  };
  const std::vector<Expected> expected = {
      {"Command8", L"紫色", 150, 100, 220},   {"Command9", L"米黄", 250, 200, 50},
      {"Command10", L"粉红", 250, 100, 200},  {"Command11", L"淡蓝", 80, 220, 230},
      {"Command12", L"邮政绿", 50, 150, 150}, {"Command13", L"桔红", 250, 120, 50},
      {"Command2", L"草绿", 150, 200, 50},    {"Command5", L"豆绿", 210, 250, 110},
      {"Command6", L"军绿", 110, 130, 80},
  };
  ASSERT_EQ(kPage1Presets.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Preset& p = kPage1Presets[i];
    const Expected& e = expected[i];
    EXPECT_EQ(p.control, e.control);
    EXPECT_EQ(std::wstring(p.caption), e.caption) << e.control;
    EXPECT_EQ(RedOf(p.color), e.r) << e.control;
    EXPECT_EQ(GreenOf(p.color), e.g) << e.control;
    EXPECT_EQ(BlueOf(p.color), e.b) << e.control;
  }
}

TEST(SkinColors, FixedColorsHoldTheirDesignedComponents) {
  struct Expected {
    const char* use;
    ColorValue color;
    int r, g, b;
  };
  const std::vector<Expected> expected = {
      {"page 1 design swatch", kPage1DesignSwatch, 255, 255, 0},
      {"page 1 title at preview", kPage1PreviewTitle, 255, 255, 0},
      {"page 2 design swatch", kPage2DesignSwatch, 255, 255, 128},
      {"page 2 menu bar at preview", kPage2PreviewMenuBar, 154, 245, 63},
      {"page 2 confirm, page 1 pending", kPage2ConfirmPage1, 150, 150, 250},
      {"page 3 highlight at preview", kPage3PreviewHighlight, 255, 255, 0},
      {"page 3 highlight at confirm", kPage3ConfirmHighlight, 255, 192, 255},
      {"page 3 confirm, page 1 pending", kPage3ConfirmPage1, 150, 250, 50},
  };
  for (const Expected& e : expected) {
    EXPECT_EQ(e.color, static_cast<ColorValue>(e.r + 256 * e.g + 65536 * e.b)) << e.use;
  }
}

TEST(SkinColors, DesignTextsOfEachPageBuildItsPendingColor) {
  // The texts go into the boxes and the colour is what a step then writes; the two must agree.
  EXPECT_EQ(PendingColor(kPage1DesignTexts), kPage1DesignPending);
  EXPECT_EQ(kPage1DesignPending, Rgb(50, 200, 110));
  EXPECT_EQ(PendingColor(kPage2DesignTexts), kPage2SeaBlue);
  EXPECT_EQ(kPage2SeaBlue, Rgb(10, 10, 250));
  EXPECT_EQ(PendingColor(kPage3DesignTexts), kPage3SeaBlue);
  EXPECT_EQ(kPage3SeaBlue, Rgb(30, 10, 250));
  EXPECT_EQ(PendingColor(kPage2ConfirmPage1Texts), kPage2ConfirmPage1);
  EXPECT_EQ(PendingColor(kPage3ConfirmPage1Texts), kPage3ConfirmPage1);
}

// --- Elements and the colour step ---

TEST(SystemColors, StepsWriteThePendingColorToTheNamedElementFirst) {
  EXPECT_EQ(kBackgroundStep, (ColorStep{15, 9}));
  EXPECT_EQ(kMenuStep, (ColorStep{7, 30}));
  EXPECT_EQ(kButtonStep, (ColorStep{18, 20}));
  EXPECT_EQ(kWrittenElements, (std::array<int, 6>{15, 9, 7, 30, 18, 20}));
}

TEST(SystemColors, AStepIsTwoSingleElementWritesInOrder) {
  FakeServices services;
  WriteColorStep(services, kMenuStep, Rgb(1, 2, 3), Rgb(4, 5, 6));
  EXPECT_EQ(services.sysColors,
            (std::vector<SysColorWrite>{{7, Rgb(1, 2, 3)}, {30, Rgb(4, 5, 6)}}));
  EXPECT_EQ(services.calls.size(), 2u);
}

TEST(SystemColors, OpeningTheThreePagesUntouchedWritesTheDesignedPreviews) {
  FakeServices services;
  WriteColorStep(services, kBackgroundStep, PendingColor(kPage1DesignTexts), kPage1PreviewTitle);
  WriteColorStep(services, kMenuStep, PendingColor(kPage2DesignTexts), kPage2PreviewMenuBar);
  WriteColorStep(services, kButtonStep, PendingColor(kPage3DesignTexts), kPage3PreviewHighlight);
  EXPECT_EQ(services.sysColors, (std::vector<SysColorWrite>{{15, Rgb(50, 200, 110)},
                                                            {9, Rgb(255, 255, 0)},
                                                            {7, Rgb(10, 10, 250)},
                                                            {30, Rgb(154, 245, 63)},
                                                            {18, Rgb(30, 10, 250)},
                                                            {20, Rgb(255, 255, 0)}}));
}

}  // namespace
}  // namespace chelan
