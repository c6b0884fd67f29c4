#pragma once
// Where a tile button stands on the puzzle board, in pixels of the window's client area.

namespace chelan {

// Level limits: the board is BoardSize × BoardSize positions.
inline constexpr int kMinBoardSize = 2;
inline constexpr int kMaxBoardSize = 9;
// Buttons in the window's tile array, enough for the largest board.
inline constexpr int kTileButtons = kMaxBoardSize * kMaxBoardSize;

struct TilePlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TilePlacement&) const = default;
};

// 2 × Int(90 / N) + 10: always even, so the half-tile margin is a whole number of pixels.
int TileSizeFor(int boardSize);

// The tile at position p = row × N + column, set off from the client's corner by half a tile.
TilePlacement PlaceTile(int boardSize, int position);

}  // namespace chelan
