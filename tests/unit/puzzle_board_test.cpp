#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "puzzle/board.h"

namespace chelan {
namespace {

// Draws for the walk: Int(r × 4) picks left, right, up, down in that order.
constexpr double kLeft = 0.1, kRight = 0.3, kDown = 0.9;  // up would be 0.5 to 0.75

// Repeats a fixed cycle of draws and counts how many the walk took.
struct CyclingRandom {
  std::vector<double> cycle;
  int draws = 0;
  UniformRandom Source() {
    return [this] { return cycle[static_cast<std::size_t>(draws++) % cycle.size()]; };
  }
};

std::vector<int> Numbers(const Board& board) {
  std::vector<int> numbers;
  for (int p = 0; p < board.Positions(); ++p) numbers.push_back(board.TileNumber(p));
  return numbers;
}

// The textbook criterion for an N × N sliding puzzle: solvable exactly when the parity of the
// permutation (blank included, as N²) equals the parity of the blank's taxicab distance from the
// bottom-right corner.
bool IsSolvable(const Board& board) {
  std::vector<int> numbers = Numbers(board);
  const int n = board.BoardSize();
  for (int& v : numbers) if (v == 0) v = n * n;
  int swaps = 0;
  for (int i = 0; i < static_cast<int>(numbers.size()); ++i) {
    while (numbers[i] != i + 1) {
      std::swap(numbers[i], numbers[numbers[i] - 1]);
      ++swaps;
    }
  }
  const int distance = (n - 1 - board.BlankIndex() / n) + (n - 1 - board.BlankIndex() % n);
  return swaps % 2 == distance % 2;
}

TEST(PuzzleBoard, NewBoardIsInOrderWithTheBlankLastAndOnlyTheBoardShown) {
  for (int n = kMinBoardSize; n <= kMaxBoardSize; ++n) {
    const Board board(n);
    EXPECT_EQ(board.BlankIndex(), n * n - 1);
    EXPECT_TRUE(board.IsSolved());
    for (int p = 0; p < kTileButtons; ++p) {
      EXPECT_EQ(board.Caption(p), std::to_wstring(p + 1)) << "N=" << n << " p=" << p;
      EXPECT_EQ(board.TileVisible(p), p < n * n - 1) << "N=" << n << " p=" << p;
    }
  }
}

TEST(PuzzleBoard, ArrangingAgainRestoresOrderAtTheNewSize) {
  Board board(4);
  board.Shuffle(MakeUniformRandom(7));
  board.Arrange(2);
  EXPECT_EQ(board.BoardSize(), 2);
  EXPECT_EQ(board.BlankIndex(), 3);
  EXPECT_TRUE(board.IsSolved());
  EXPECT_EQ(board.Caption(15), L"16") << "buttons beyond the board get their numbers back too";
}

class ShuffleLength : public ::testing::TestWithParam<int> {};

// Down never moves a blank kept in the bottom row, so only every second draw moves it: the walk
// must take exactly 2 × N⁴ draws. Back-and-forth moves leave the tiles in order when N⁴ is even.
TEST_P(ShuffleLength, DrawsOffTheBoardDoNotCount) {
  const int n = GetParam();
  Board board(n);
  CyclingRandom random{{kDown, kLeft, kDown, kRight}};
  board.Shuffle(random.Source());
  EXPECT_EQ(random.draws, 2 * n * n * n * n);
  if (n % 2 == 0) {
    EXPECT_EQ(board.BlankIndex(), n * n - 1);
    EXPECT_TRUE(board.IsSolved());
    EXPECT_EQ(board.Caption(n * n - 1), L"") << "the blank has passed on its number";
  } else {
    EXPECT_EQ(board.BlankIndex(), n * n - 2);
    EXPECT_EQ(board.Caption(n * n - 1), std::to_wstring(n * n - 1));
  }
}

// Left then right alternately: after an odd number of moves the blank ends one left of its
// corner. N⁴ is odd exactly when N is.
TEST_P(ShuffleLength, MakesExactlyNToTheFourthMoves) {
  const int n = GetParam();
  Board board(n);
  CyclingRandom random{{kLeft, kRight}};
  board.Shuffle(random.Source());
  EXPECT_EQ(random.draws, n * n * n * n);
  EXPECT_EQ(board.BlankIndex(), n % 2 == 1 ? n * n - 2 : n * n - 1);
}

INSTANTIATE_TEST_SUITE_P(Levels, ShuffleLength, ::testing::Range(kMinBoardSize, kMaxBoardSize + 1));

class RandomShuffle : public ::testing::TestWithParam<std::tuple<int, std::uint64_t>> {};

TEST_P(RandomShuffle, LeavesASolvablePermutationWithOneHiddenBlank) {
  const auto [n, seed] = GetParam();
  Board board(n);
  board.Shuffle(MakeUniformRandom(seed));

  std::vector<int> numbers = Numbers(board);
  std::sort(numbers.begin(), numbers.end());
  std::vector<int> expected(n * n);
  for (int i = 0; i < n * n; ++i) expected[i] = i;  // the blank's empty caption counts as 0
  EXPECT_EQ(numbers, expected);

  EXPECT_EQ(board.TileNumber(board.BlankIndex()), 0);
  for (int p = 0; p < kTileButtons; ++p) {
    EXPECT_EQ(board.TileVisible(p), p < n * n && p != board.BlankIndex()) << p;
  }
  EXPECT_TRUE(IsSolvable(board));
  // Each move flips the colour of the blank's square on a chessboard, so after N⁴ moves it sits
  // on the corner's colour exactly when N⁴ is even.
  const int distance = (n - 1 - board.BlankIndex() / n) + (n - 1 - board.BlankIndex() % n);
  EXPECT_EQ(distance % 2, n % 2);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomShuffle,
                         ::testing::Combine(::testing::Range(kMinBoardSize, kMaxBoardSize + 1),
                                            ::testing::Values(1u, 20261209u, 987654321u)));

TEST(RandomShuffle, SameSeedSameBoard) {
  Board first(5), second(5);
  first.Shuffle(MakeUniformRandom(42));
  second.Shuffle(MakeUniformRandom(42));
  EXPECT_EQ(Numbers(first), Numbers(second));
}

struct MoveCase {
  const char* name;
  int boardSize;
  int clicked;  // the blank is in the bottom-right corner
  bool moves;
};

class MoveRule : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveRule, OnlyOrthogonalNeighboursOfTheBlankSlide) {
  const MoveCase& c = GetParam();
  Board board(c.boardSize);
  const int blank = board.BlankIndex();
  const std::wstring caption = board.Caption(c.clicked);
  EXPECT_EQ(board.CanMove(c.clicked), c.moves);
  EXPECT_EQ(board.MoveTile(c.clicked), c.moves);
  if (c.moves) {
    EXPECT_EQ(board.BlankIndex(), c.clicked);
    EXPECT_EQ(board.Caption(blank), caption);
    EXPECT_EQ(board.Caption(c.clicked), L"");
    EXPECT_TRUE(board.TileVisible(blank));
    EXPECT_FALSE(board.TileVisible(c.clicked));
  } else {
    EXPECT_EQ(board.BlankIndex(), blank);
    EXPECT_EQ(board.Caption(c.clicked), caption);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, MoveRule,
    ::testing::Values(MoveCase{"leftNeighbour", 3, 7, true}, MoveCase{"upperNeighbour", 3, 5, true},
                      MoveCase{"diagonal", 3, 4, false}, MoveCase{"twoAwayInRow", 3, 6, false},
                      MoveCase{"twoAwayInColumn", 3, 2, false}, MoveCase{"farCorner", 3, 0, false},
                      MoveCase{"theBlankItself", 3, 8, false},
                      MoveCase{"level2Above", 2, 1, true}, MoveCase{"level2Diagonal", 2, 0, false},
                      MoveCase{"beyondTheBoard", 3, 9, false}, MoveCase{"negative", 3, -1, false},
                      MoveCase{"level9LeftNeighbour", 9, 79, true}, MoveCase{"level9Above", 9, 71, true},
                      MoveCase{"level9Diagonal", 9, 70, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MoveRule, RightAndDownNeighboursOfAnInnerBlank) {
  Board board(3);
  ASSERT_TRUE(board.MoveTile(5));
  ASSERT_TRUE(board.MoveTile(4));  // blank now in the centre
  for (int p : {1, 3, 5, 7}) EXPECT_TRUE(board.CanMove(p)) << p;
  for (int p : {0, 2, 6, 8}) EXPECT_FALSE(board.CanMove(p)) << p;
}

TEST(MoveRule, APositionNextInIndexOrderButOnTheRowAboveIsNotANeighbour) {
  Board board(3);
  for (int p : {7, 6, 3}) ASSERT_TRUE(board.MoveTile(p));
  ASSERT_EQ(board.BlankIndex(), 3);  // first column of the middle row
  EXPECT_FALSE(board.CanMove(2));    // last column of the top row
  for (int p : {0, 4, 6}) EXPECT_TRUE(board.CanMove(p)) << p;
}

TEST(SolvedTest, ABlankThatLeftAndCameBackStillCountsAsOrder) {
  Board board(3);
  ASSERT_TRUE(board.MoveTile(7));
  EXPECT_FALSE(board.IsSolved()) << "the empty caption at position 7 counts as 0";
  ASSERT_TRUE(board.MoveTile(8));
  EXPECT_EQ(board.Caption(8), L"") << "the last position now has an empty caption";
  EXPECT_TRUE(board.IsSolved());
}

TEST(SolvedTest, AnyTileOutOfPlaceIsNotSolved) {
  // Round a 2 × 2 block: the blank goes up, left, down and right, which turns three tiles.
  Board board(3);
  for (int p : {5, 4, 7, 8}) ASSERT_TRUE(board.MoveTile(p));
  EXPECT_EQ(board.BlankIndex(), 8);
  EXPECT_FALSE(board.IsSolved());
  EXPECT_EQ(board.Caption(4), L"8");
  EXPECT_EQ(board.Caption(5), L"5");
  EXPECT_EQ(board.Caption(7), L"6");
}

}  // namespace
}  // namespace chelan
