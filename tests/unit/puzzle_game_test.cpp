#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "puzzle/puzzle_game.h"

namespace chelan {
namespace {

constexpr double kLeft = 0.1, kRight = 0.3, kDown = 0.9;

UniformRandom Cycle(std::vector<double> draws) {
  return [draws, i = std::size_t{0}]() mutable { return draws[i++ % draws.size()]; };
}

// On a 3 × 3 board, 81 alternating left and right moves leave the blank at position 7 with tile 8
// to its right: one click on button 8 away from order.
PuzzleGame OneMoveFromOrderAfterShuffle() {
  PuzzleGame game(Cycle({kLeft, kRight}));
  game.cmdShuffle_Click();
  return game;
}

// The same tiles reached by one click on the ordered board, without a shuffle.
PuzzleGame OneMoveFromOrderWithoutShuffle() {
  PuzzleGame game(Cycle({kLeft, kRight}));
  game.cmdButton_MouseDown(7);
  return game;
}

enum class From { Ordered, Timed, Untimed };

PuzzleGame Start(From from) {
  switch (from) {
    case From::Timed: {
      PuzzleGame game = OneMoveFromOrderAfterShuffle();
      for (int i = 0; i < 3; ++i) game.Timer1_Timer();
      return game;
    }
    case From::Untimed: return OneMoveFromOrderWithoutShuffle();
    case From::Ordered: break;
  }
  return PuzzleGame(Cycle({kLeft, kRight}));
}

const char* Name(BoardState s) {
  switch (s) {
    case BoardState::Ordered: return "Ordered";
    case BoardState::TimedGame: return "TimedGame";
    case BoardState::UntimedGame: return "UntimedGame";
  }
  return "?";
}

// The state table: Solved, stopwatch and action caption follow from the state.
void ExpectStateColumns(const PuzzleGame& game, BoardState state) {
  ASSERT_EQ(game.State(), state) << "got " << Name(game.State()) << ", want " << Name(state);
  EXPECT_EQ(game.Solved(), state == BoardState::Ordered);
  EXPECT_EQ(game.StopwatchRunning(), state == BoardState::TimedGame);
  EXPECT_EQ(std::wstring(game.ActionCaption()), state == BoardState::Ordered ? L"重 拼" : L"刷 新");
}

using Event = std::function<PuzzleEffects(PuzzleGame&)>;
const Event kAction = [](PuzzleGame& g) { return g.cmdShuffle_Click(); };
const Event kCompletingClick = [](PuzzleGame& g) { return g.cmdButton_MouseDown(8); };
const Event kFixedTileClick = [](PuzzleGame& g) { return g.cmdButton_MouseDown(0); };
const Event kDisorderingClick = [](PuzzleGame& g) {
  return g.cmdButton_MouseDown(g.Solved() ? 7 : 4);  // a neighbour of the blank that is not tile 8
};
const Event kOtherLevel = [](PuzzleGame& g) { g.cmbSize_Click(5); return PuzzleEffects{}; };
const Event kSameLevel = [](PuzzleGame& g) { g.cmbSize_Click(3); return PuzzleEffects{}; };

struct Transition {
  const char* name;
  From from;
  Event event;
  BoardState to;
  std::vector<SoundEvent> sounds;
  std::optional<int> bestTimeSeconds;  // the win sequence ran with these seconds
  std::wstring windowCaption;
};

class BoardStates : public ::testing::TestWithParam<Transition> {};

TEST_P(BoardStates, FollowTheTransitionTable) {
  const Transition& t = GetParam();
  PuzzleGame game = Start(t.from);
  const PuzzleEffects effects = t.event(game);
  ExpectStateColumns(game, t.to);
  EXPECT_EQ(effects.sounds, t.sounds);
  EXPECT_EQ(effects.bestTimeSeconds, t.bestTimeSeconds);
  EXPECT_EQ(game.WindowCaption(), t.windowCaption);
  if (t.to == BoardState::Ordered) {
    EXPECT_EQ(game.ElapsedSeconds(), 0);
  }
}

const std::wstring kTitle = L"澈岚拼图训练营";
using enum SoundEvent;

INSTANTIATE_TEST_SUITE_P(
    Table, BoardStates,
    ::testing::Values(
        Transition{"orderedActionShuffles", From::Ordered, kAction, BoardState::TimedGame, {Action}, {}, kTitle},
        Transition{"timedActionResetsAndDiscardsTime", From::Timed, kAction, BoardState::Ordered, {Action}, {},
                   kTitle},
        Transition{"untimedActionResets", From::Untimed, kAction, BoardState::Ordered, {Action}, {}, kTitle},
        Transition{"orderedMoveStartsUntimedGame", From::Ordered, kDisorderingClick, BoardState::UntimedGame,
                   {Move}, {}, kTitle},
        Transition{"timedMoveStaysTimed", From::Timed, kDisorderingClick, BoardState::TimedGame, {Move}, {},
                   L"拼图记时: 3 s"},
        Transition{"untimedMoveStaysUntimed", From::Untimed, kDisorderingClick, BoardState::UntimedGame, {Move},
                   {}, kTitle},
        // The win keeps the last time in the caption and hands the elapsed seconds to the check.
        Transition{"timedWin", From::Timed, kCompletingClick, BoardState::Ordered, {Move, Win}, 3,
                   L"拼图记时: 3 s"},
        Transition{"untimedWinIsSilentWithZeroSeconds", From::Untimed, kCompletingClick, BoardState::Ordered,
                   {Move}, 0, kTitle},
        Transition{"orderedFixedTileRunsSilentWin", From::Ordered, kFixedTileClick, BoardState::Ordered, {}, 0,
                   kTitle},
        Transition{"timedFixedTileChangesNothing", From::Timed, kFixedTileClick, BoardState::TimedGame, {}, {},
                   L"拼图记时: 3 s"},
        Transition{"untimedFixedTileChangesNothing", From::Untimed, kFixedTileClick, BoardState::UntimedGame, {},
                   {}, kTitle},
        Transition{"orderedOtherLevel", From::Ordered, kOtherLevel, BoardState::Ordered, {}, {}, kTitle},
        Transition{"timedOtherLevelResets", From::Timed, kOtherLevel, BoardState::Ordered, {}, {}, kTitle},
        Transition{"untimedOtherLevelResets", From::Untimed, kOtherLevel, BoardState::Ordered, {}, {}, kTitle},
        Transition{"timedSameLevelKeepsGame", From::Timed, kSameLevel, BoardState::TimedGame, {}, {},
                   L"拼图记时: 3 s"},
        Transition{"untimedSameLevelKeepsGame", From::Untimed, kSameLevel, BoardState::UntimedGame, {}, {},
                   kTitle}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PuzzleGame, OpensSolvedAtLevelThree) {
  const PuzzleGame game(Cycle({kLeft}));
  EXPECT_EQ(game.BoardSize(), 3);
  EXPECT_EQ(game.TileSize(), 70);
  EXPECT_EQ(game.BlankIndex(), 8);
  EXPECT_EQ(game.WindowCaption(), L"澈岚拼图训练营");
  EXPECT_EQ(game.ElapsedSeconds(), 0);
  ExpectStateColumns(game, BoardState::Ordered);
}

TEST(PuzzleGame, LevelChangeLaysOutTheNewSizeAndSameLevelKeepsTheTiles) {
  PuzzleGame game = OneMoveFromOrderWithoutShuffle();
  game.cmbSize_Click(3);
  EXPECT_EQ(game.BlankIndex(), 7);
  game.cmbSize_Click(9);
  EXPECT_EQ(game.BoardSize(), 9);
  EXPECT_EQ(game.BlankIndex(), 80);
  EXPECT_EQ(game.TileSize(), 30);
  EXPECT_TRUE(game.TileVisible(79));
  game.cmbSize_Click(10);  // not in the list
  EXPECT_EQ(game.BoardSize(), 9);
}

TEST(PuzzleGame, MoveFocusesTheTileThatNowCarriesTheNumberAndAWinFocusesTheActionButton) {
  PuzzleGame game = OneMoveFromOrderAfterShuffle();
  const PuzzleEffects move = game.cmdButton_MouseDown(4);
  EXPECT_EQ(move.focus, (FocusRequest{FocusRequest::Target::Tile, 7}));
  EXPECT_EQ(game.Caption(7), L"5");

  game = OneMoveFromOrderAfterShuffle();
  EXPECT_EQ(game.cmdButton_MouseDown(8).focus, (FocusRequest{FocusRequest::Target::Shuffle, -1}));
  EXPECT_EQ(game.cmdButton_MouseDown(0).focus, (FocusRequest{FocusRequest::Target::Shuffle, -1}));
}

TEST(PuzzleGame, HiddenButtonsTakeNoClicks) {
  PuzzleGame game = OneMoveFromOrderAfterShuffle();
  for (int hidden : {7, 9, 80}) {
    const PuzzleEffects effects = game.cmdButton_MouseDown(hidden);
    EXPECT_TRUE(effects.sounds.empty()) << hidden;
    EXPECT_FALSE(effects.bestTimeSeconds) << hidden;
  }
  ExpectStateColumns(game, BoardState::TimedGame);
}

TEST(PuzzleGame, AShuffleThatLandsInOrderIsWonByAnyClickWithTheTimeSoFar) {
  // Down never moves a bottom-row blank, and 16 moves left and right cancel out: the shuffled
  // 2 × 2 tiles are in order.
  PuzzleGame game(Cycle({kDown, kLeft, kDown, kRight}), 2);
  game.cmdShuffle_Click();
  ExpectStateColumns(game, BoardState::TimedGame);
  game.Timer1_Timer();
  const PuzzleEffects effects = game.cmdButton_MouseDown(0);
  EXPECT_EQ(effects.sounds, std::vector<SoundEvent>{Win});
  EXPECT_EQ(effects.bestTimeSeconds, 1);
  ExpectStateColumns(game, BoardState::Ordered);
}

TEST(PuzzleGame, AClickOnAFixedTileOfARandomShuffleIsNoWin) {
  PuzzleGame game(MakeUniformRandom(20261209));
  game.cmdShuffle_Click();
  ASSERT_FALSE(game.IsSolved());
  int fixed = 0;
  while (!game.TileVisible(fixed) || game.Tiles().CanMove(fixed)) ++fixed;
  const PuzzleEffects effects = game.cmdButton_MouseDown(fixed);
  EXPECT_FALSE(effects.bestTimeSeconds);
  ExpectStateColumns(game, BoardState::TimedGame);
}

TEST(Stopwatch, CountsOnlyWhileATimedGameRuns) {
  PuzzleGame game(Cycle({kLeft, kRight}));
  game.Timer1_Timer();  // a late tick on the ordered board
  EXPECT_EQ(game.ElapsedSeconds(), 0);
  EXPECT_EQ(game.WindowCaption(), L"澈岚拼图训练营");

  game.cmdShuffle_Click();
  game.Timer1_Timer();
  EXPECT_EQ(game.WindowCaption(), L"拼图记时: 1 s");
  for (int i = 0; i < 14; ++i) game.Timer1_Timer();
  EXPECT_EQ(game.WindowCaption(), L"拼图记时: 15 s");

  EXPECT_EQ(game.cmdButton_MouseDown(8).bestTimeSeconds, 15);
  game.Timer1_Timer();  // a tick already queued when the win stopped the stopwatch
  EXPECT_EQ(game.ElapsedSeconds(), 0);
  EXPECT_EQ(game.WindowCaption(), L"拼图记时: 15 s");

  game.cmdShuffle_Click();
  game.Timer1_Timer();
  EXPECT_EQ(game.WindowCaption(), L"拼图记时: 1 s") << "a new game counts from 0";
}

TEST(Stopwatch, MinimisingPausesATimedGameAndRestoringResumesIt) {
  PuzzleGame game = Start(From::Timed);
  game.Form_Resize(true);
  EXPECT_FALSE(game.StopwatchRunning());
  EXPECT_EQ(game.State(), BoardState::TimedGame);
  game.Form_Resize(true);  // a second minimised notice must not forget the pause
  game.Timer1_Timer();
  EXPECT_EQ(game.WindowCaption(), L"拼图记时: 3 s");
  game.Form_Resize(false);
  ExpectStateColumns(game, BoardState::TimedGame);
  game.Timer1_Timer();
  EXPECT_EQ(game.WindowCaption(), L"拼图记时: 4 s");
}

TEST(Stopwatch, RestoringNeverStartsItOutsideATimedGame) {
  for (From from : {From::Ordered, From::Untimed}) {
    PuzzleGame game = Start(from);
    game.Form_Resize(true);
    game.Form_Resize(false);
    EXPECT_FALSE(game.StopwatchRunning());
  }
  // Paused and resumed once, then won: a later restore notice leaves the ordered board alone.
  PuzzleGame game = Start(From::Timed);
  game.Form_Resize(true);
  game.Form_Resize(false);
  game.cmdButton_MouseDown(8);
  game.Form_Resize(false);
  ExpectStateColumns(game, BoardState::Ordered);
}

}  // namespace
}  // namespace chelan
