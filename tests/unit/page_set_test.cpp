// The page set without windows: which page ends on screen whatever order the clicks arrive in,
// and when a page's activation step runs.
#include "skin/page_set.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace chelan {
namespace {

// Page windows as Windows would run them: showing a page makes it the active window, which asks
// the set whether its activation runs, and creating a page lets waiting clicks run.
class ScriptedWindows : public PageWindows {
 public:
  explicit ScriptedWindows(PageSet& set) : set_(set) {}

  // Clicks that run while the given page is being shown, each a navigation from one page to another.
  std::multimap<int, std::pair<int, int>> clicksWhileShowing;
  std::vector<std::string> log;
  std::vector<int> activations;  // the pages whose activation step ran

  void ShowPage(int number) override {
    log.push_back("show " + std::to_string(number));
    visible_[number] = true;
    auto [first, last] = clicksWhileShowing.equal_range(number);
    std::vector<std::pair<int, int>> clicks;
    for (auto it = first; it != last; ++it) clicks.push_back(it->second);
    clicksWhileShowing.erase(first, last);
    for (auto [from, to] : clicks) set_.Navigate(from, to, *this);
    if (active_ != number) {
      active_ = number;
      if (set_.Activated(number, PreviousWindow::ProgramWindow)) activations.push_back(number);
    }
  }
  void HidePage(int number) override {
    log.push_back("hide " + std::to_string(number));
    visible_[number] = false;
  }
  std::vector<int> Visible() const {
    std::vector<int> pages;
    for (const auto& [number, shown] : visible_) {
      if (shown) pages.push_back(number);
    }
    return pages;
  }

 private:
  PageSet& set_;
  int active_ = 0;
  std::map<int, bool> visible_;
};

std::vector<int> PagesOnScreen(const PageSet& set) {
  std::vector<int> pages;
  for (int n = 1; n <= 3; ++n) {
    if (set.OnScreen(n)) pages.push_back(n);
  }
  return pages;
}

TEST(PageSet, ANavigationShowsTheTargetFirstThenHidesThePageLeft) {
  PageSet set;
  ScriptedWindows windows(set);
  set.Open(1, windows);
  set.Navigate(1, 3, windows);
  EXPECT_EQ(windows.log, (std::vector<std::string>{"show 1", "show 3", "hide 1"}));
  EXPECT_EQ(PagesOnScreen(set), std::vector<int>{3});
  EXPECT_EQ(windows.activations, (std::vector<int>{1, 3}));
}

struct Burst {
  const char* name;
  std::vector<std::pair<int, std::pair<int, int>>> clicksWhileShowing;  // page being shown → click
  int firstTarget;
  int lastChosen;
  std::vector<int> activations;
};

class RapidNavigation : public ::testing::TestWithParam<Burst> {};

TEST_P(RapidNavigation, EndsWithThePageChosenLastAloneOnScreenActivatedOnce) {
  PageSet set;
  ScriptedWindows windows(set);
  set.Open(1, windows);
  windows.activations.clear();
  for (const auto& [page, click] : GetParam().clicksWhileShowing) windows.clicksWhileShowing.insert({page, click});
  set.Navigate(1, GetParam().firstTarget, windows);
  EXPECT_EQ(PagesOnScreen(set), std::vector<int>{GetParam().lastChosen});
  EXPECT_EQ(windows.activations, GetParam().activations);
  EXPECT_EQ(std::count(windows.activations.begin(), windows.activations.end(), GetParam().lastChosen), 1);
  // What the windows were told agrees with what the set holds.
  EXPECT_EQ(windows.Visible(), std::vector<int>{GetParam().lastChosen});
}

INSTANTIATE_TEST_SUITE_P(
    Bursts, RapidNavigation,
    ::testing::Values(
        Burst{"OneClickAtATime", {}, 2, 2, {2}},
        Burst{"ClickOnPage2WhileItLoads", {{2, {2, 3}}}, 2, 3, {2, 3}},
        Burst{"AroundTheThreePagesWhileEachLoads", {{2, {2, 3}}, {3, {3, 1}}}, 2, 1, {2, 3, 1}},
        Burst{"TwoClicksWhilePage2Loads", {{2, {2, 3}}, {2, {1, 2}}}, 2, 2, {2}},
        Burst{"BackToPage1WhilePage3Loads", {{3, {3, 1}}}, 3, 1, {3, 1}}),
    [](const ::testing::TestParamInfo<Burst>& info) { return info.param.name; });

TEST(PageSet, ThePuzzlesButtonShowsPage1WithoutHidingPage3) {
  PageSet set;
  ScriptedWindows windows(set);
  set.Open(1, windows);
  set.Navigate(1, 3, windows);
  set.Open(1, windows);
  EXPECT_EQ(PagesOnScreen(set), (std::vector<int>{1, 3}));
}

TEST(PageSet, AClickWhileTheFirstPageLoadsRunsAfterIt) {
  PageSet set;
  ScriptedWindows windows(set);
  windows.clicksWhileShowing.insert({1, {1, 2}});
  set.Open(1, windows);
  EXPECT_EQ(PagesOnScreen(set), std::vector<int>{2});
  EXPECT_EQ(windows.log, (std::vector<std::string>{"show 1", "show 2", "hide 1"}));
}

// Activations of one page in turn, with where each came from and whether the step runs.
struct Activation {
  PreviousWindow previous;
  bool programJustActivated;
  bool inSystemDialog;
  bool runs;
};

struct ActivationCase {
  const char* name;
  std::vector<Activation> activations;
};

class ActivationRule : public ::testing::TestWithParam<ActivationCase> {};

TEST_P(ActivationRule, RunsAtTheFirstDisplayAndFromTheProgramsOwnWindowsOnly) {
  PageSet set;
  int n = 0;
  for (const Activation& a : GetParam().activations) {
    ++n;
    if (a.programJustActivated) set.ProgramActivated(true);
    std::optional<PageSet::SystemDialogScope> dialog;
    if (a.inSystemDialog) dialog.emplace(set);
    EXPECT_EQ(set.Activated(2, a.previous), a.runs) << "activation " << n;
  }
}

using PW = PreviousWindow;
INSTANTIATE_TEST_SUITE_P(
    Sources, ActivationRule,
    ::testing::Values(
        ActivationCase{"TheFirstDisplayAlwaysRuns", {{PW::OtherProgram, true, false, true}}},
        ActivationCase{"ReturnsFromTheProgramsWindowsRun",
                       {{PW::ProgramWindow, false, false, true}, {PW::ProgramWindow, false, false, true}}},
        ActivationCase{"ClosingTheColorDialogOrAMessageBoxDoesNot",
                       {{PW::ProgramWindow, false, false, true},
                        {PW::SystemDialog, false, false, false},
                        {PW::ProgramWindow, false, true, false},
                        {PW::None, false, true, false},
                        {PW::ProgramWindow, false, false, true}}},
        ActivationCase{"SwitchingInFromAnotherProgramDoesNot",
                       {{PW::ProgramWindow, false, false, true},
                        {PW::OtherProgram, true, false, false},
                        {PW::None, true, false, false},
                        {PW::OtherProgram, false, false, false}}},
        ActivationCase{"AWindowOfTheProgramThatWentAwayCountsAsTheProgram",
                       {{PW::ProgramWindow, false, false, true}, {PW::None, false, false, true}}},
        ActivationCase{"TheProgramsActivationIsUsedUpByThePageItActivates",
                       {{PW::ProgramWindow, false, false, true},
                        {PW::None, true, false, false},
                        {PW::None, false, false, true}}}),
    [](const ::testing::TestParamInfo<ActivationCase>& info) { return info.param.name; });

TEST(PageSet, PagesKeepTheirOwnFirstDisplay) {
  PageSet set;
  EXPECT_TRUE(set.Activated(1, PreviousWindow::None));
  set.ProgramActivated(true);
  EXPECT_FALSE(set.Activated(1, PreviousWindow::OtherProgram));
  EXPECT_TRUE(set.Activated(3, PreviousWindow::OtherProgram)) << "page 3's first display";
}

TEST(PageSet, PagesOutsideOneToThreeAreRefused) {
  PageSet set;
  EXPECT_THROW(set.Page(0), std::out_of_range);
  EXPECT_THROW(set.Page(4), std::out_of_range);
}

}  // namespace
}  // namespace chelan
