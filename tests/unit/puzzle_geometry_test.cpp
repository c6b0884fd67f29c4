#include <gtest/gtest.h>

#include "puzzle/tile_geometry.h"

namespace chelan {
namespace {

struct GeometryCase {
  int boardSize;
  int tileSize;  // 2 × Int(90 / N) + 10
};

class TileGeometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(TileGeometry, TilesSitEdgeToEdgeInsideAHalfTileMargin) {
  const auto [n, size] = GetParam();
  ASSERT_EQ(TileSizeFor(n), size);
  ASSERT_EQ(size % 2, 0) << "the half-tile margin must be whole pixels";
  const int margin = size / 2;
  for (int p = 0; p < n * n; ++p) {
    const int row = p / n, column = p % n;
    const TilePlacement expected{margin + column * size, margin + row * size, size, size};
    EXPECT_EQ(PlaceTile(n, p), expected) << "position " << p;
  }
  // The far edge of the last tile is N + ½ tiles out, within the 285 pixels above the controls.
  const TilePlacement last = PlaceTile(n, n * n - 1);
  EXPECT_EQ(last.left + last.width, size * n + margin);
  EXPECT_EQ(last.top + last.height, size * n + margin);
  EXPECT_LE(last.top + last.height, 285);
}

INSTANTIATE_TEST_SUITE_P(Levels, TileGeometry,
                         ::testing::Values(GeometryCase{2, 100}, GeometryCase{3, 70}, GeometryCase{4, 54},
                                           GeometryCase{5, 46}, GeometryCase{6, 40}, GeometryCase{7, 34},
                                           GeometryCase{8, 32}, GeometryCase{9, 30}),
                         [](const auto& info) { return "N" + std::to_string(info.param.boardSize); });

TEST(TileGeometry, SmallestAndLargestBoardsSpanTheirDocumentedEdges) {
  // Level 2: tiles of 100 pixels at 50 and 150; level 9: tiles of 30 pixels from 15 to 285.
  EXPECT_EQ(PlaceTile(2, 0), (TilePlacement{50, 50, 100, 100}));
  EXPECT_EQ(PlaceTile(2, 3), (TilePlacement{150, 150, 100, 100}));
  EXPECT_EQ(PlaceTile(9, 0), (TilePlacement{15, 15, 30, 30}));
  EXPECT_EQ(PlaceTile(9, 80), (TilePlacement{255, 255, 30, 30}));
}

}  // namespace
}  // namespace chelan
