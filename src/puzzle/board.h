#pragma once
// The tiles of the sliding puzzle: which number stands at each position, where the blank is, and
// the legal slides. Knows nothing of stopwatch, sounds or windows.
#include <array>
#include <string>

#include "puzzle/tile_geometry.h"
#include "puzzle/uniform_random.h"

namespace chelan {

// Tile button p always stands at position p = row × N + column; a tile moves by handing its
// number from one button to another. Number 0 stands for an empty caption.
class Board {
 public:
  // A solved board of the given size.
  explicit Board(int boardSize);

  int BoardSize() const { return boardSize_; }
  int BlankIndex() const { return blankIndex_; }
  int TileSize() const { return TileSizeFor(boardSize_); }
  int Positions() const { return boardSize_ * boardSize_; }

  // The numeric value of button p's caption, 0 when the caption is empty; p from 0 to 80.
  int TileNumber(int position) const { return tiles_[position]; }
  // Button p's caption: the decimal number, or empty.
  std::wstring Caption(int position) const;
  // Only the positions of the board take part, and the blank is the one hidden among them.
  bool TileVisible(int position) const;
  TilePlacement Placement(int position) const { return PlaceTile(boardSize_, position); }

  // Solved order for the given size: every button captioned with its index + 1 ("1" to "81"),
  // the blank in the last position (its caption N² stays behind the hidden button).
  void Arrange(int boardSize);

  // A random walk of exactly N⁴ blank moves; a draw that would leave the board draws again.
  // Every step is a legal slide, so the result can always be solved.
  void Shuffle(const UniformRandom& random);

  // Whether the tile at the position is one of the blank's four orthogonal neighbours.
  bool CanMove(int position) const;
  // Slides the tile into the blank, which takes its place with an empty caption. False, and
  // nothing changes, when the tile cannot move.
  bool MoveTile(int position);

  // Positions 0 to N² − 2 hold 1 to N² − 1; the last position is not looked at.
  bool IsSolved() const;

 private:
  int boardSize_ = 0;
  int blankIndex_ = 0;
  std::array<int, kTileButtons> tiles_{};
};

}  // namespace chelan
