#include "skin/color_restore.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake_services.h"

namespace chelan {
namespace {

using testing::FakeServices;
using testing::SysColorWrite;

// --- A scheme text as a colour ---

struct SchemeText {
  const char* name;
  std::wstring text;
  std::optional<ColorValue> expected;  // nothing: not a colour
};

class SchemeTextParsing : public ::testing::TestWithParam<SchemeText> {};

TEST_P(SchemeTextParsing, GivesTheColorOfThreeNumbersUpTo255OrNothing) {
  const SchemeText& c = GetParam();
  const std::optional<ColorValue> got = ParseSchemeColor(c.text);
  if (c.expected) {
    ASSERT_TRUE(got) << "not taken";
    EXPECT_EQ(*got, *c.expected);
  } else {
    EXPECT_FALSE(got) << "gave " << *got;
  }
}

std::wstring Repeat(const std::wstring& part, std::size_t times) {
  std::wstring text;
  for (std::size_t i = 0; i < times; ++i) text += part;
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SchemeTextParsing,
    ::testing::Values(
        // As Windows writes them.
        SchemeText{"buttonFace", L"212 208 200", Rgb(212, 208, 200)},
        SchemeText{"black", L"0 0 0", Rgb(0, 0, 0)},
        SchemeText{"white", L"255 255 255", Rgb(255, 255, 255)},
        SchemeText{"redIsTheLowByte", L"1 2 3", 0x030201u},
        // Extra blanks are fine.
        SchemeText{"blanksAround", L"  10 20 30  ", Rgb(10, 20, 30)},
        SchemeText{"blanksBetween", L"10    20 \t 30", Rgb(10, 20, 30)},
        SchemeText{"tabs", L"\t10\t20\t30\t", Rgb(10, 20, 30)},
        SchemeText{"leadingZeros", L"007 000255 0", Rgb(7, 255, 0)},
        SchemeText{"manyZerosStillInRange", L"0000000000000000000000000000000000000000255 1 2", Rgb(255, 1, 2)},
        // Out of range.
        SchemeText{"redOver255", L"256 0 0", std::nullopt},
        SchemeText{"blueOver255", L"0 0 256", std::nullopt},
        SchemeText{"negative", L"-1 0 0", std::nullopt},
        SchemeText{"hugeNumber", L"99999999999999999999999 0 0", std::nullopt},
        SchemeText{"overflowsA32BitNumberTo10", L"4294967306 0 0", std::nullopt},
        // Not three numbers.
        SchemeText{"empty", L"", std::nullopt},
        SchemeText{"blanksOnly", L"   ", std::nullopt},
        SchemeText{"twoNumbers", L"10 20", std::nullopt},
        SchemeText{"fourNumbers", L"10 20 30 40", std::nullopt},
        SchemeText{"plusSign", L"+10 20 30", std::nullopt},
        SchemeText{"commas", L"10,20,30", std::nullopt},
        SchemeText{"commaAfterNumber", L"10, 20, 30", std::nullopt},
        SchemeText{"fraction", L"10.5 20 30", std::nullopt},
        SchemeText{"hexadecimal", L"0x10 20 30", std::nullopt},
        SchemeText{"word", L"red green blue", std::nullopt},
        SchemeText{"trailingWord", L"10 20 30 x", std::nullopt},
        SchemeText{"fullwidthDigits", L"\uFF11 2 3", std::nullopt},
        SchemeText{"ideographicBlank", L"1\u30002 3", std::nullopt},
        SchemeText{"lineBreak", L"1 2 3\n", std::nullopt},
        SchemeText{"nulInside", std::wstring(L"1 2 3\0 9", 8), std::nullopt},
        SchemeText{"nulAfter", std::wstring(L"1 2 3\0", 6), std::nullopt},
        // Very long texts are not taken, whatever they hold.
        SchemeText{"longestTaken", Repeat(L" ", 64 - 5) + L"1 2 3", Rgb(1, 2, 3)},
        SchemeText{"oneCharacterTooLong", Repeat(L" ", 64 - 4) + L"1 2 3", std::nullopt},
        SchemeText{"colourThenAMegabyteOfBlanks", L"1 2 3" + Repeat(L" ", 1 << 20), std::nullopt},
        SchemeText{"aMegabyteOfDigits", Repeat(L"9", 1 << 20), std::nullopt},
        SchemeText{"aMegabyteOfZeros", L"1 2 " + Repeat(L"0", 1 << 20), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchemeColor, AMissingOrUnusableTextGivesTheFallback) {
  const ColorValue fallback = Rgb(9, 8, 7);
  EXPECT_EQ(SchemeColorOr(std::nullopt, fallback), fallback);
  EXPECT_EQ(SchemeColorOr(std::wstring(L"256 0 0"), fallback), fallback);
  EXPECT_EQ(SchemeColorOr(std::wstring(L""), fallback), fallback);
  EXPECT_EQ(SchemeColorOr(std::wstring(L" 1 2 3 "), fallback), Rgb(1, 2, 3));
}

// --- The restore table ---

TEST(RestoreTable, NamesTheSixWrittenElementsByTheirSchemeValues) {
  ASSERT_EQ(kSchemeValues.size(), kWrittenElements.size());
  const std::wstring_view names[] = {L"ButtonFace", L"TitleText", L"MenuText",
                                     L"MenuBar",    L"ButtonText", L"ButtonHilight"};
  for (std::size_t i = 0; i < kSchemeValues.size(); ++i) {
    EXPECT_EQ(kSchemeValues[i].element, kWrittenElements[i]) << i;
    EXPECT_EQ(kSchemeValues[i].name, names[i]) << i;
  }
}

struct TableCase {
  const char* name;
  std::array<std::optional<std::wstring>, 6> texts;
  std::vector<ColorWrite> expected;
};

// The colours at start, in the order 15, 9, 7, 30, 18, 20.
constexpr SixColors kAtStart = {Rgb(101, 1, 1), Rgb(102, 2, 2), Rgb(103, 3, 3),
                                Rgb(104, 4, 4), Rgb(105, 5, 5), Rgb(106, 6, 6)};

class RestoreTables : public ::testing::TestWithParam<TableCase> {};

TEST_P(RestoreTables, TakeEachSchemeColorOrTheColorAtStart) {
  EXPECT_EQ(RestoreTable(GetParam().texts, kAtStart), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, RestoreTables,
    ::testing::Values(
        TableCase{"wholeScheme",
                  {L"212 208 200", L"255 255 255", L"0 0 0", L"236 233 216", L"0 0 1", L"250 251 252"},
                  {{15, Rgb(212, 208, 200)},
                   {9, Rgb(255, 255, 255)},
                   {7, Rgb(0, 0, 0)},
                   {30, Rgb(236, 233, 216)},
                   {18, Rgb(0, 0, 1)},
                   {20, Rgb(250, 251, 252)}}},
        TableCase{"noScheme",
                  {},
                  {{15, kAtStart[0]}, {9, kAtStart[1]}, {7, kAtStart[2]}, {30, kAtStart[3]}, {18, kAtStart[4]},
                   {20, kAtStart[5]}}},
        TableCase{"eachElementFallsBackAlone",
                  {L"1 1 1", std::nullopt, L"3 3 3", L"4 4 400", L"5 5 5", L"six"},
                  {{15, Rgb(1, 1, 1)},
                   {9, kAtStart[1]},
                   {7, Rgb(3, 3, 3)},
                   {30, kAtStart[3]},
                   {18, Rgb(5, 5, 5)},
                   {20, kAtStart[5]}}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Remembering the start and writing the way back ---

void PutSixColors(FakeServices& services, const SixColors& colors) {
  for (std::size_t i = 0; i < kWrittenElements.size(); ++i) services.desktopColors[kWrittenElements[i]] = colors[i];
}

TEST(ColorRestore, KeepsTheColorsOfItsFirstReadingOnly) {
  FakeServices services;
  PutSixColors(services, kAtStart);
  ColorRestore restore;
  restore.RememberStart(services);
  services.SetSysColor(15, Rgb(50, 200, 110));
  restore.RememberStart(services);
  ASSERT_TRUE(restore.AtStart());
  EXPECT_EQ(*restore.AtStart(), kAtStart);
}

TEST(ColorRestore, WritesTheSchemeInOneCallWithTheStartWhereTheSchemeFails) {
  FakeServices services;
  PutSixColors(services, kAtStart);
  services.userScheme = {{L"ButtonFace", L"212 208 200"}, {L"TitleText", L"255 255 255"},
                         {L"MenuText", L"0 0 0"},          {L"MenuBar", L"not a colour"},
                         {L"ButtonText", L"1 2 3"}};  // no ButtonHilight
  ColorRestore restore;
  restore.RememberStart(services);
  for (int element : kWrittenElements) services.SetSysColor(element, Rgb(255, 255, 0));
  services.sysColors.clear();

  restore.Restore(services);
  EXPECT_TRUE(services.sysColors.empty()) << "no single-element write";
  EXPECT_EQ(services.sysColorCalls, (std::vector<std::vector<SysColorWrite>>{{{15, Rgb(212, 208, 200)},
                                                                              {9, Rgb(255, 255, 255)},
                                                                              {7, Rgb(0, 0, 0)},
                                                                              {30, kAtStart[3]},
                                                                              {18, Rgb(1, 2, 3)},
                                                                              {20, kAtStart[5]}}}));
}

TEST(ColorRestore, BeforeAnyWriteTheColorsNowAreTheFallback) {
  FakeServices services;
  PutSixColors(services, kAtStart);
  ColorRestore restore;
  restore.Restore(services);
  ASSERT_EQ(services.sysColorCalls.size(), 1u);
  for (std::size_t i = 0; i < kWrittenElements.size(); ++i) {
    EXPECT_EQ(services.sysColorCalls[0][i], (SysColorWrite{kWrittenElements[i], kAtStart[i]})) << i;
  }
}

}  // namespace
}  // namespace chelan
