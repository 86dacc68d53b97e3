// Where the PNG drawing operations place an image.
#include <gtest/gtest.h>

#include "skin/png_layout.h"

namespace ruzi::skin {
namespace {

TEST(PngLayout, CentreTruncatesTowardZero) {
  // A 20-pixel image in a 15-pixel rectangle from 100: -5 / 2 is -2, not -3.
  EXPECT_EQ(PngCentreOrigin({100, 10, 115, 30}, 20, 4), (PngPoint{98, 18}));
  EXPECT_EQ(PngCentreOrigin({0, 0, 10, 10}, 3, 3), (PngPoint{3, 3}));
  EXPECT_EQ(PngCentreOrigin({-10, -10, -5, -5}, 8, 8), (PngPoint{-11, -11}));
}

TEST(PngLayout, StretchTilesAtNaturalWidthPastTheRightEdge) {
  EXPECT_EQ(PngStretchTiles({5, 1, 25, 9}, 7),
            (std::vector<PngRect>{{5, 1, 12, 9}, {12, 1, 19, 9}, {19, 1, 26, 9}}));
  EXPECT_EQ(PngStretchTiles({0, 0, 14, 3}, 7), (std::vector<PngRect>{{0, 0, 7, 3}, {7, 0, 14, 3}}));
  EXPECT_TRUE(PngStretchTiles({0, 0, 0, 3}, 7).empty());
  EXPECT_TRUE(PngStretchTiles({0, 0, 10, 3}, 0).empty());
}

}  // namespace
}  // namespace ruzi::skin
