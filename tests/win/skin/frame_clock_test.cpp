// The pages on the program's one frame clock, through real windows and real timer messages: one
// clock steps every running page, draws only the one on screen, stops when no page is on screen
// and brings every roll to where a tick per step would have left it when a page comes back.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "pages_fixture.h"
#include "shell/marquee.h"

namespace chelan {
namespace {

// Lets messages run, timers included, until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (!done()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    testing::PumpMessages();
  }
  return true;
}

void PumpFor(DWORD milliseconds) { PumpUntil([] { return false; }, milliseconds); }

// The roll after the given number of ticks, one step per tick.
MarqueeState TickedOn(const SkinPage& page, MarqueeState state, int ticks) {
  for (int tick = 0; tick < ticks; ++tick) AdvanceMarquee(page.Marquee()->Layout(), state);
  return state;
}

// The number of ticks, up to `most`, that takes every roll from `before` to where it stands now;
// -1 when no one number does for all of them.
int CommonTicks(const std::vector<std::pair<const SkinPage*, MarqueeState>>& before, int most) {
  for (int ticks = 0; ticks <= most; ++ticks) {
    bool all = true;
    for (const auto& [page, state] : before) {
      all = all && TickedOn(*page, state, ticks).scrollPosition == page->marquee.scrollPosition;
    }
    if (all) return ticks;
  }
  return -1;
}

TEST_F(PagesTest, OneClockDrawsThePageOnScreenAndMovesTheHiddenRunningRollsAlike) {
  Open(page1);
  Open(page2);
  page1.Hide();
  page3.Load();  // loaded, never shown: its marquee has not started
  testing::PumpMessages();
  ASSERT_TRUE(page2.OnScreen());
  ASSERT_FALSE(page1.OnScreen());
  EXPECT_TRUE(clock.FramesTicking());
  const std::vector<std::pair<const SkinPage*, MarqueeState>> before{{&page1, page1.marquee}, {&page2, page2.marquee}};
  ASSERT_TRUE(PumpUntil([&] { return page2.marquee.scrollPosition <= before[1].second.scrollPosition - 20; }, 5000))
      << "the frame clock does not tick";
  const int ticks = CommonTicks(before, 400);
  EXPECT_GE(ticks, 20) << "the hidden page 1 and page 2 on screen took different steps";
  EXPECT_EQ(page3.marquee.scrollPosition, page3.marquee.startPosition);
  // The frame on screen is the one just composed.
  forms::ClientDc shown(page2.hwnd());
  for (POINT p : {POINT{5, 5}, POINT{300, 100}, POINT{590, 200}}) {
    EXPECT_EQ(GetPixel(shown.get(), p.x, p.y + 27), GetPixel(page2.picBody.Dc(), p.x, p.y)) << p.x;
  }
}

TEST_F(PagesTest, AFrameAfterAPartialRepaintStillReachesTheWholeBody) {
  // The page keeps its DC for good; a paint of a small part of it must not leave the next frames
  // clipped to that part.
  Open(page2);
  page2.marquee.scrollPosition = 40;  // rows in the part compared below, moving from frame to frame
  const RECT corner{0, 27, 8, 35};
  InvalidateRect(page2.hwnd(), &corner, FALSE);
  UpdateWindow(page2.hwnd());
  for (int frame = 0; frame < 3; ++frame) page2.Timer2_Timer();
  forms::ClientDc shown(page2.hwnd());
  int differing = 0;
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < page2.marquee.width; x += 3) {
      differing += GetPixel(shown.get(), x, y + 27) != GetPixel(page2.picBody.Dc(), x, y);
    }
  }
  EXPECT_EQ(differing, 0);
}

// The frames of one roll cycle of the page: from the start position until it stands there again.
int CycleOf(const SkinPage& page) {
  MarqueeState state = page.marquee;
  state.scrollPosition = state.startPosition;
  int frames = 0;
  do {
    AdvanceMarquee(page.Marquee()->Layout(), state);
    ++frames;
  } while (state.scrollPosition != state.startPosition);
  return frames;
}

struct AwayCase {
  const char* name;
  void (*leave)(SkinPage&);  // takes the last page on screen out of sight
  void (*back)(SkinPage&);
  // How long the program stays out of sight, in whole roll cycles and thirds of one; a roll that
  // missed the steps then stands at least a third of a cycle away from where it should.
  int cycles;
  int thirds;
};

class ProgramOutOfSight : public PagesTest, public ::testing::WithParamInterface<AwayCase> {};

TEST_P(ProgramOutOfSight, NothingTicksAndEveryRollCatchesUpWhenAPageComesBack) {
  const AwayCase& c = GetParam();
  frozenTime = 50'000;
  Open(page1);
  Open(page2);
  page1.Hide();
  testing::PumpMessages();
  ASSERT_TRUE(clock.FramesTicking());
  ASSERT_TRUE(clock.LabelsTicking());

  c.leave(page2);
  testing::PumpMessages();
  EXPECT_FALSE(page2.OnScreen());
  EXPECT_FALSE(clock.FramesTicking());
  EXPECT_FALSE(clock.LabelsTicking());
  const std::vector<std::pair<const SkinPage*, MarqueeState>> away{{&page1, page1.marquee}, {&page2, page2.marquee}};
  PumpFor(150);
  EXPECT_EQ(page1.marquee.scrollPosition, away[0].second.scrollPosition)
      << "a hidden roll moved with nothing on screen";
  EXPECT_EQ(page2.marquee.scrollPosition, away[1].second.scrollPosition);

  // Every tick there was came at the frozen moment, so the steps owed are the whole time away; what
  // is left over of a step is owed nothing.
  const int cycle = CycleOf(page2);
  const int owed = c.cycles * cycle + c.thirds * cycle / 3;
  *frozenTime += static_cast<std::uint64_t>(owed) * 10 + 7;
  services.now = LocalTime{2026, 12, 11, 13, 14, 15};
  c.back(page2);
  EXPECT_TRUE(clock.FramesTicking());
  EXPECT_EQ(page2.lblClock.Text(), L"13:14:15") << "the clock label is brought up to date when its page is back";
  // Ticks may follow as soon as the page is back; they move both rolls alike.
  std::vector<std::pair<const SkinPage*, MarqueeState>> owedBack;
  for (const auto& [page, state] : away) owedBack.push_back({page, TickedOn(*page, state, owed)});
  const int after = CommonTicks(owedBack, cycle / 4);
  EXPECT_GE(after, 0) << "the rolls do not stand where " << owed << " ticks would have left them";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ProgramOutOfSight,
    ::testing::Values(AwayCase{"minimised", [](SkinPage& p) { ShowWindow(p.hwnd(), SW_MINIMIZE); },
                               [](SkinPage& p) { ShowWindow(p.hwnd(), SW_RESTORE); }, 0, 1},
                      AwayCase{"minimisedLongerThanACycle", [](SkinPage& p) { ShowWindow(p.hwnd(), SW_MINIMIZE); },
                               [](SkinPage& p) { ShowWindow(p.hwnd(), SW_RESTORE); }, 300, 2},
                      AwayCase{"hidden", [](SkinPage& p) { p.Hide(); }, [](SkinPage& p) { p.Show(); }, 4, 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chelan
