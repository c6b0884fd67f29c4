#include "puzzle/tile_geometry.h"

namespace chelan {

int TileSizeFor(int boardSize) { return 2 * (90 / boardSize) + 10; }

TilePlacement PlaceTile(int boardSize, int position) {
  const int size = TileSizeFor(boardSize);
  const int row = position / boardSize;
  const int column = position % boardSize;
  return {size * column + size / 2, size * row + size / 2, size, size};
}

}  // namespace chelan
