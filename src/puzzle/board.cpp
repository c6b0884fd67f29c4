#include "puzzle/board.h"

#include <algorithm>

namespace chelan {

Board::Board(int boardSize) { Arrange(boardSize); }

std::wstring Board::Caption(int position) const {
  const int number = tiles_[position];
  return number == 0 ? std::wstring() : std::to_wstring(number);
}

bool Board::TileVisible(int position) const {
  return position >= 0 && position < Positions() && position != blankIndex_;
}

void Board::Arrange(int boardSize) {
  // The level list offers only 2 to 9; anything else would reach past the 81 buttons.
  boardSize_ = std::clamp(boardSize, kMinBoardSize, kMaxBoardSize);
  for (int p = 0; p < kTileButtons; ++p) tiles_[p] = p + 1;
  blankIndex_ = Positions() - 1;
}

void Board::Shuffle(const UniformRandom& random) {
  const int n = boardSize_;
  const int moves = n * n * n * n;
  int column = blankIndex_ % n;
  int row = blankIndex_ / n;
  for (int count = 0; count < moves;) {
    const int direction = static_cast<int>(random() * 4);
    if (direction == 0 && column > 0) {
      --column;
    } else if (direction == 1 && column < n - 1) {
      ++column;
    } else if (direction == 2 && row > 0) {
      --row;
    } else if (direction == 3 && row < n - 1) {
      ++row;
    } else {
      continue;
    }
    const int next = row * n + column;
    tiles_[blankIndex_] = tiles_[next];
    tiles_[next] = 0;
    blankIndex_ = next;
    ++count;
  }
}

bool Board::CanMove(int position) const {
  if (position < 0 || position >= Positions()) return false;
  const int n = boardSize_;
  const int blankColumn = blankIndex_ % n, blankRow = blankIndex_ / n;
  const int column = position % n, row = position / n;
  return (row == blankRow && (column == blankColumn + 1 || column == blankColumn - 1)) ||
         (column == blankColumn && (row == blankRow + 1 || row == blankRow - 1));
}

bool Board::MoveTile(int position) {
  if (!CanMove(position)) return false;
  tiles_[blankIndex_] = tiles_[position];
  blankIndex_ = position;
  tiles_[position] = 0;
  return true;
}

bool Board::IsSolved() const {
  for (int p = 0; p + 1 < Positions(); ++p) {
    if (tiles_[p] != p + 1) return false;
  }
  return true;
}

}  // namespace chelan
