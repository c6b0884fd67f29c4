#include <gtest/gtest.h>

#include "fake_services.h"
#include "puzzle/best_times.h"

namespace chelan {
namespace {

using testing::FakeServices;

std::wstring StoreKey(const std::wstring& key) { return L"Vennoraks|澈岚拼图训练营|" + key; }

// A store and an input box whose answers are scripted; each question is remembered.
class BestTimes : public ::testing::Test {
 protected:
  struct Question {
    std::wstring prompt, title;
    bool operator==(const Question&) const = default;
  };

  void Store(const std::wstring& key, const std::wstring& value) { services.settings[StoreKey(key)] = value; }
  std::optional<std::wstring> Stored(const std::wstring& key) const {
    const auto it = services.settings.find(StoreKey(key));
    return it == services.settings.end() ? std::nullopt : std::optional(it->second);
  }
  bool Check(int level, int seconds) {
    return CheckBestTime(services, level, seconds, [this](const std::wstring& prompt, const std::wstring& title) {
      questions.push_back({prompt, title});
      return answer;
    });
  }

  FakeServices services;
  std::optional<std::wstring> answer = L"小明";
  std::vector<Question> questions;
};

struct RecordCase {
  const char* name;
  std::optional<std::wstring> storedTime;  // under key "4"
  int seconds;
  bool recorded;
};

class RecordCheck : public BestTimes, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(RecordCheck, OnlyAStrictlyBetterTimeAboveZeroIsRecorded) {
  const RecordCase& c = GetParam();
  if (c.storedTime) Store(L"4", *c.storedTime);
  Store(L"姓名4", L"老王");

  EXPECT_EQ(Check(4, c.seconds), c.recorded);

  if (c.recorded) {
    EXPECT_EQ(Stored(L"4"), std::to_wstring(c.seconds));
    EXPECT_EQ(Stored(L"姓名4"), L"小明");
    EXPECT_EQ(questions, (std::vector<Question>{{L"填写你的姓名!", L"成绩表"}}));
  } else {
    EXPECT_EQ(Stored(L"4"), c.storedTime);
    EXPECT_EQ(Stored(L"姓名4"), L"老王");
    EXPECT_TRUE(questions.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordCheck,
    ::testing::Values(RecordCase{"firstRecord", std::nullopt, 42, true},
                      RecordCase{"oneSecondBetter", L"42", 41, true},
                      RecordCase{"equalIsNoRecord", L"42", 42, false},
                      RecordCase{"slowerIsNoRecord", L"42", 43, false},
                      RecordCase{"zeroSecondsNeverWithoutRecord", std::nullopt, 0, false},
                      RecordCase{"zeroSecondsNeverEvenAgainstAnyTime", L"42", 0, false},
                      // Without a record the bar is 9999: only a faster game is a record.
                      RecordCase{"noRecordBar", std::nullopt, 9998, true},
                      RecordCase{"noRecordBarIsStrict", std::nullopt, 9999, false},
                      RecordCase{"textIsNoRecord", L"abc", 500, true},
                      RecordCase{"numberWithTrailingTextIsNoRecord", L"12abc", 500, true},
                      RecordCase{"fractionIsNoRecord", L"12.5", 500, true},
                      RecordCase{"negativeIsNoRecord", L"-5", 500, true},
                      // The puzzle never stores 0 seconds; taken as a record it could never be beaten.
                      RecordCase{"zeroIsNoRecord", L"0", 500, true},
                      RecordCase{"emptyIsNoRecord", L"", 500, true},
                      RecordCase{"hugeStoredTimeIsBeaten", L"99999999999999999999", 10000, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BestTimes, EachLevelKeepsItsOwnRecord) {
  Store(L"3", L"10");
  EXPECT_TRUE(Check(9, 600));
  EXPECT_EQ(Stored(L"9"), L"600");
  EXPECT_EQ(Stored(L"姓名9"), L"小明");
  EXPECT_EQ(Stored(L"3"), L"10");
  EXPECT_FALSE(Stored(L"姓名3"));
}

TEST_F(BestTimes, TheTimeIsStoredBeforeTheNameIsAsked) {
  services.calls.clear();
  CheckBestTime(services, 5, 30, [this](const std::wstring&, const std::wstring&) {
    EXPECT_EQ(Stored(L"5"), L"30");
    EXPECT_FALSE(Stored(L"姓名5"));
    return std::optional<std::wstring>(L"甲");
  });
  EXPECT_EQ(services.calls, (std::vector<std::wstring>{L"SaveSetting Vennoraks|澈岚拼图训练营|5 30",
                                                       L"SaveSetting Vennoraks|澈岚拼图训练营|姓名5 甲"}));
}

struct NameCase {
  const char* name;
  std::optional<std::wstring> answer;
  std::wstring stored;
};

class NameEntry : public BestTimes, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameEntry, IsTrimmedAndCutToTwentyCharacters) {
  answer = GetParam().answer;
  ASSERT_TRUE(Check(6, 77));
  EXPECT_EQ(Stored(L"姓名6"), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NameEntry,
    ::testing::Values(
        // 25 characters in all: 2 spaces, 21 letters and 2 spaces; 20 of the letters stay.
        NameCase{"twentyFiveWithSpaces", L"  abcdefghijklmnopqrstu  ", L"abcdefghijklmnopqrst"},
        NameCase{"twentyChineseKept", L" 一二三四五六七八九十一二三四五六七八九十百 ", L"一二三四五六七八九十一二三四五六七八九十"},
        NameCase{"innerSpacesKept", L"  张 三  ", L"张 三"},
        NameCase{"onlySpacesIsEmpty", L"     ", L""},
        NameCase{"emptyAnswer", L"", L""},
        NameCase{"cancelledIsEmpty", std::nullopt, L""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BestTimes, NewStoreShowsDashesForEveryLevel) {
  EXPECT_EQ(ScoreTableText(services),
            L"级别\t时间\t姓名\r\n"
            L"2\t-\t-\r\n3\t-\t-\r\n4\t-\t-\r\n5\t-\t-\r\n"
            L"6\t-\t-\r\n7\t-\t-\r\n8\t-\t-\r\n9\t-\t-\r\n");
}

TEST_F(BestTimes, TableShowsValuesAsStored) {
  Store(L"2", L"7");
  Store(L"姓名2", L"小红");
  Store(L"5", L"120");
  Store(L"姓名5", L"");  // a cancelled name: an empty column, not a dash
  Store(L"9", L"abc");   // shown as it is, though it counts as no record
  ShowScoreTable(services, nullptr);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].title, L"成绩表");
  EXPECT_EQ(services.messages[0].text,
            L"级别\t时间\t姓名\r\n"
            L"2\t7\t小红\r\n3\t-\t-\r\n4\t-\t-\r\n5\t120\t\r\n"
            L"6\t-\t-\r\n7\t-\t-\r\n8\t-\t-\r\n9\tabc\t-\r\n");
}

struct TableNameCase {
  const char* name;
  std::wstring stored;
  std::wstring shown;
};

class TableName : public BestTimes, public ::testing::WithParamInterface<TableNameCase> {};

// Names longer than the puzzle stores come only from outside; the table must stay on screen.
TEST_P(TableName, ShowsAtMostTwentyCharacters) {
  Store(L"姓名4", GetParam().stored);
  Store(L"姓名5", L"小红");
  EXPECT_EQ(ScoreTableText(services),
            L"级别\t时间\t姓名\r\n"
            L"2\t-\t-\r\n3\t-\t-\r\n4\t-\t" + GetParam().shown + L"\r\n5\t-\t小红\r\n"
            L"6\t-\t-\r\n7\t-\t-\r\n8\t-\t-\r\n9\t-\t-\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Names, TableName,
    ::testing::Values(TableNameCase{"twentyKept", L"一二三四五六七八九十一二三四五六七八九十",
                                    L"一二三四五六七八九十一二三四五六七八九十"},
                      TableNameCase{"hundredThousandCut", std::wstring(100000, L'长'), std::wstring(20, L'长')},
                      // Spaces a user typed are trimmed when stored; stored ones are shown, up to 20.
                      TableNameCase{"blanksCountToo", L"  " + std::wstring(30, L'a'), L"  " + std::wstring(18, L'a')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BestTimes, TableIsRebuiltAfterARecord) {
  ASSERT_TRUE(Check(3, 55));
  EXPECT_NE(ScoreTableText(services).find(L"\r\n3\t55\t小明\r\n"), std::wstring::npos);
}

}  // namespace
}  // namespace chelan
