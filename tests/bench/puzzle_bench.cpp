#include <benchmark/benchmark.h>

#include <string>

#include "puzzle/board.h"
#include "puzzle/puzzle_game.h"

namespace chelan {
namespace {

// The walk alone: 6561 blank moves on the level-9 board.
void BM_Level9Shuffle(benchmark::State& state) {
  const UniformRandom random = MakeUniformRandom(20261209);
  Board board(9);
  for (auto _ : state) {
    board.Arrange(9);
    board.Shuffle(random);
    benchmark::DoNotOptimize(board.BlankIndex());
  }
}
BENCHMARK(BM_Level9Shuffle)->Unit(benchmark::kMicrosecond);

// What the window runs per click of the action button on a solved level-9 board: the shuffle, then
// reading back all 81 captions and visibilities to show them.
void BM_Level9ShuffleClickWithCaptions(benchmark::State& state) {
  PuzzleGame game(MakeUniformRandom(20261209), 9);
  for (auto _ : state) {
    game.NewBoard();
    game.cmdShuffle_Click();
    std::size_t length = 0;
    for (int p = 0; p < kTileButtons; ++p) {
      length += game.Caption(p).size() + (game.TileVisible(p) ? 1 : 0);
    }
    benchmark::DoNotOptimize(length);
  }
}
BENCHMARK(BM_Level9ShuffleClickWithCaptions)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace chelan
