#include "shell/frame_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace chelan {
namespace {

struct WorkCase {
  const char* name;
  ClockedPage page;
  FrameWork work;
  bool labelTicks;
};

class PageWork : public ::testing::TestWithParam<WorkCase> {};

TEST_P(PageWork, OnlyAPageOnScreenDrawsAndOnlyItsLabelTicks) {
  const WorkCase& c = GetParam();
  EXPECT_EQ(FrameWorkOf(c.page), c.work);
  EXPECT_EQ(LabelTicks(c.page), c.labelTicks);
}

INSTANTIATE_TEST_SUITE_P(
    States, PageWork,
    ::testing::Values(WorkCase{"neverActivated", {false, false, false}, FrameWork::None, false},
                      WorkCase{"neverActivatedYetShown", {false, false, true}, FrameWork::None, false},
                      WorkCase{"onScreen", {true, true, true}, FrameWork::Draw, true},
                      WorkCase{"onScreenClockOff", {true, false, true}, FrameWork::Draw, false},
                      WorkCase{"hiddenOrMinimised", {true, true, false}, FrameWork::Advance, false},
                      WorkCase{"hiddenClockOff", {true, false, false}, FrameWork::Advance, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct StepsCase {
  const char* name;
  std::uint64_t since, now;
  std::uint32_t interval;
  std::uint64_t steps, through;
};

class Elapsed : public ::testing::TestWithParam<StepsCase> {};

TEST_P(Elapsed, CountsWholeStepsAndKeepsWhatIsLeftOver) {
  const StepsCase& c = GetParam();
  const ElapsedSteps got = StepsElapsed(c.since, c.now, c.interval);
  EXPECT_EQ(got.steps, c.steps);
  EXPECT_EQ(got.through, c.through);
}

INSTANTIATE_TEST_SUITE_P(
    Times, Elapsed,
    ::testing::Values(StepsCase{"noTime", 1000, 1000, 10, 0, 1000}, StepsCase{"underAStep", 1000, 1009, 10, 0, 1000},
                      StepsCase{"exactlyOne", 1000, 1010, 10, 1, 1010},
                      StepsCase{"twoAndAHalf", 1000, 1025, 10, 2, 1020},
                      StepsCase{"anHour", 5, 5 + 3600000 + 7, 10, 360000, 5 + 3600000},
                      StepsCase{"clockWentBack", 2000, 1500, 10, 0, 2000},
                      StepsCase{"beyondThirtyTwoBits", 0xFFFFFFF0ull, 0x100000010ull, 10, 3, 0xFFFFFFF0ull + 30},
                      StepsCase{"labelSteps", 0, 2000, 800, 2, 1600}),
    [](const auto& info) { return std::string(info.param.name); });

// Three pages as the program has them: page 1 shown first, then 2 and 3 opened in turn.
class Schedule : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) schedule.Add();
  }
  // A page becomes active on screen: its marquee runs from here and its clock label's timer too.
  FrameSchedule::Timers Activate(std::size_t page, std::uint64_t now) {
    schedule.Page(page) = {true, true, true};
    return schedule.Update(now);
  }
  FrameSchedule::Timers SetOnScreen(std::size_t page, bool onScreen, std::uint64_t now) {
    schedule.Page(page).onScreen = onScreen;
    return schedule.Update(now);
  }
  FrameSchedule schedule;
};

TEST_F(Schedule, NothingRunsBeforeAPageIsActivatedOrWhenOnlyANeverActivatedPageIsShown) {
  EXPECT_FALSE(schedule.FramesRun());
  EXPECT_FALSE(schedule.LabelsRun());
  schedule.Page(1).onScreen = true;
  const FrameSchedule::Timers timers = schedule.Update(0);
  EXPECT_FALSE(timers.frames);
  EXPECT_FALSE(timers.labels);
}

TEST_F(Schedule, OnePageOnScreenKeepsBothTimersWhileTheOthersAreHidden) {
  Activate(0, 0);
  Activate(1, 100);
  SetOnScreen(0, false, 100);
  Activate(2, 200);
  const FrameSchedule::Timers timers = SetOnScreen(1, false, 200);
  EXPECT_TRUE(timers.frames);
  EXPECT_TRUE(timers.labels);
  EXPECT_EQ(timers.owedSteps, 0u) << "the timer never stopped";
  EXPECT_EQ(FrameWorkOf(schedule.Page(0)), FrameWork::Advance);
  EXPECT_EQ(FrameWorkOf(schedule.Page(2)), FrameWork::Draw);
}

TEST_F(Schedule, TheClockLabelTimerRunsOnlyForALabelOnScreenWithItsClockOn) {
  Activate(0, 0);
  schedule.Page(0).clockRunning = false;
  FrameSchedule::Timers timers = schedule.Update(10);
  EXPECT_TRUE(timers.frames);
  EXPECT_FALSE(timers.labels);
  // A hidden page with its clock on does not keep the label timer going.
  Activate(1, 20);
  timers = SetOnScreen(1, false, 30);
  EXPECT_FALSE(timers.labels);
  timers = SetOnScreen(1, true, 40);
  EXPECT_TRUE(timers.labels);
}

struct PauseCase {
  const char* name;
  std::uint64_t lastTick;  // the frame timer's last tick before nothing was on screen
  std::uint64_t stopped;   // when the last page left the screen
  std::uint64_t back;      // when a page came back
  std::uint64_t owed;
};

class SchedulePause : public Schedule, public ::testing::WithParamInterface<PauseCase> {};

TEST_P(SchedulePause, NothingTicksWhileNothingIsOnScreenAndTheRollsAreOwedTheStepsOfThePause) {
  const PauseCase& c = GetParam();
  Activate(0, 0);
  Activate(1, 0);
  SetOnScreen(0, false, 0);
  schedule.Ticked(c.lastTick);
  FrameSchedule::Timers timers = SetOnScreen(1, false, c.stopped);  // minimised
  EXPECT_FALSE(timers.frames);
  EXPECT_FALSE(timers.labels);
  EXPECT_EQ(timers.owedSteps, 0u);
  // Showing a page whose marquee never ran does not bring the clock back.
  timers = SetOnScreen(2, true, c.back);
  EXPECT_FALSE(timers.frames);
  SetOnScreen(2, false, c.back);
  timers = SetOnScreen(0, true, c.back);  // another page shown: the clock runs again
  EXPECT_TRUE(timers.frames);
  EXPECT_EQ(timers.owedSteps, c.owed);
  // Once paid, the next change owes nothing, and a second pause counts from where the first
  // count ended.
  EXPECT_EQ(SetOnScreen(1, true, c.back + 5).owedSteps, 0u);
  SetOnScreen(0, false, c.back + 5);
  SetOnScreen(1, false, c.back + 5);
  EXPECT_EQ(SetOnScreen(1, true, c.back + 25).owedSteps, (c.back + 25 - c.lastTick) / 10 - c.owed);
}

INSTANTIATE_TEST_SUITE_P(
    Pauses, SchedulePause,
    ::testing::Values(PauseCase{"atOnce", 1000, 1000, 1000, 0}, PauseCase{"underAStep", 1000, 1003, 1009, 0},
                      PauseCase{"stepsCountFromTheLastTick", 1000, 1008, 1012, 1},
                      PauseCase{"aMinute", 1000, 1004, 61000, 6000}, PauseCase{"aDay", 7, 9, 86400007, 8640000}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chelan
