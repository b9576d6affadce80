#include "platform/dpi.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

struct ScaleCase {
  int pixels96, dpi, scaled;
};

class ScaleToDpiTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleToDpiTest, RoundsToTheNearestPixel) {
  const ScaleCase c = GetParam();
  EXPECT_EQ(ScaleToDpi(c.pixels96, c.dpi), c.scaled);
}

INSTANTIATE_TEST_SUITE_P(Table, ScaleToDpiTest,
                         testing::Values(ScaleCase{12, 96, 12}, ScaleCase{12, 120, 15}, ScaleCase{12, 144, 18},
                                         ScaleCase{12, 192, 24}, ScaleCase{3, 144, 5},    // 4.5 rounds up
                                         ScaleCase{95, 120, 119},                        // 118.75
                                         ScaleCase{1010, 144, 1515}, ScaleCase{0, 144, 0},
                                         ScaleCase{-3, 144, -5},                         // halves away from zero
                                         ScaleCase{-9, 120, -11},                        // -11.25
                                         ScaleCase{12, 0, 12},                           // a failed query counts as 96
                                         ScaleCase{12, -1, 12}, ScaleCase{12, 100000, 12}));

TEST(ScaleFromDpi, GivesBackEveryValueScaledUpAtCommonDpis) {
  // A window size saved at one DPI and read at the same one must not creep
  // a pixel per session.
  for (int dpi : {96, 110, 120, 144, 168, 192, 240, 288, 480})
    for (int v = -50; v <= 3000; ++v) ASSERT_EQ(ScaleFromDpi(ScaleToDpi(v, dpi), dpi), v) << v << " at " << dpi;
}

TEST(ScaleToDpi, NeverShrinksAndKeepsOrder) {
  for (int dpi : {96, 120, 144, 168, 192})
    for (int v = 0; v < 2000; ++v) {
      ASSERT_GE(ScaleToDpi(v, dpi), v);
      ASSERT_LE(ScaleToDpi(v, dpi), ScaleToDpi(v + 1, dpi));
    }
}

TEST(LineWidthForDpi, StaysWholeAndCrisp) {
  EXPECT_EQ(LineWidthForDpi(1, 96), 1);
  EXPECT_EQ(LineWidthForDpi(1, 144), 1);
  EXPECT_EQ(LineWidthForDpi(1, 192), 2);
  EXPECT_EQ(LineWidthForDpi(3, 144), 4);
  EXPECT_EQ(LineWidthForDpi(3, 192), 6);
  EXPECT_EQ(LineWidthForDpi(0, 192), 1);  // a bar of thickness 0 is still drawn
}

TEST(ScaleRectToDpi, KeepsSharedEdgesShared) {
  const support::Rect left{0, 0, 131, 95}, right{131, 0, 263, 95};
  for (int dpi : {120, 144, 168}) {
    EXPECT_EQ(ScaleRectToDpi(left, dpi).right, ScaleRectToDpi(right, dpi).left);
    EXPECT_EQ(ScaleRectToDpi(right, dpi).Width(), ScaleToDpi(263, dpi) - ScaleToDpi(131, dpi));
  }
}

TEST(PointsToPixelsAtDpi, MatchesTheClassicTableAt96) {
  EXPECT_EQ(PointsToPixelsAtDpi(9, 96), 12);
  EXPECT_EQ(PointsToPixelsAtDpi(10, 96), 13);
  EXPECT_EQ(PointsToPixelsAtDpi(12, 96), 16);
  EXPECT_EQ(PointsToPixelsAtDpi(12, 144), 24);
  EXPECT_EQ(PointsToPixelsAtDpi(10, 120), 17);  // 16.67
}

}  // namespace
}  // namespace platform
