#include "shell/window_layout.h"

#include <gtest/gtest.h>

#include "platform/dpi.h"
#include "shell/display_modes.h"

namespace shell {
namespace {

TEST(WindowLayout, FiveRowsMakeAClientOfGridPlusFixedMargins) {
  GridMetrics m = MetricsOfMode(5, {});
  MainLayout l = LayOut(m.gridWidth, m.gridHeight, m.LenDayW, kMinStatusBarHeight);
  EXPECT_EQ(l.clientWidth, 927 + 74);
  EXPECT_EQ(l.clientHeight, 597 + 83);  // the margin of a small desktop
  EXPECT_EQ(l.grid.width, 927);
  EXPECT_EQ(l.grid.height, 597);
  EXPECT_EQ(l.monthTabs.width, l.grid.width);
  EXPECT_EQ(l.monthTabWidth, 132);
  EXPECT_EQ(l.statusBar.y + l.statusBar.height, l.clientHeight);
}

class WindowLayoutAtDpi : public testing::TestWithParam<int> {};

// The three-row grid is the tightest: at every DPI the column still
// stacks without overlap beside the grid, the entry box between its two
// buttons, and everything above the status bar.
TEST_P(WindowLayoutAtDpi, ButtonsStackBesideTheGridWithRoomForTheEntryBox) {
  const int dpi = GetParam();
  const auto px = [dpi](int v) { return platform::ScaleToDpi(v, dpi); };
  MainLayout l = LayOut(px(500), px(415), px(71), px(kMinStatusBarHeight), dpi);
  for (int i = 1; i < kButtonCount; ++i) {
    EXPECT_GT(l.buttons[i].y, l.buttons[i - 1].y + l.buttons[i - 1].height - 1) << i;
    EXPECT_GE(l.buttons[i].x, l.grid.x + l.grid.width) << i;
    EXPECT_LE(l.buttons[i].x + l.buttons[i].width, l.clientWidth) << i;
  }
  const Box& entry = l.entryBox;
  EXPECT_GE(entry.y, l.buttons[kBtnEnterMonth].y + l.buttons[kBtnEnterMonth].height);
  EXPECT_LE(entry.y + entry.height, l.buttons[kBtnStandard].y);
  EXPECT_GE(l.buttons[0].height, px(20));  // still tall enough for a caption
  EXPECT_LE(l.buttons[kButtonCount - 1].y + l.buttons[kButtonCount - 1].height, l.statusBar.y);
  EXPECT_GE(l.grid.y, l.monthTabs.y + l.monthTabs.height);
  EXPECT_GE(l.monthTabs.y, l.pageTabs.height);
  // The window keeps its proportions: within a pixel or two of 96's scaled.
  const MainLayout at96 = LayOut(500, 415, 71, kMinStatusBarHeight);
  EXPECT_NEAR(l.clientWidth, px(at96.clientWidth), 2);
  EXPECT_NEAR(l.clientHeight, px(at96.clientHeight), 2);
}

INSTANTIATE_TEST_SUITE_P(Dpis, WindowLayoutAtDpi, testing::Values(96, 120, 144, 192));

TEST(WindowLayout, StatusBarFollowsTheCaptionHeight) {
  const int table[][2] = {{10, 22}, {24, 22}, {25, 24}, {31, 24}, {32, 26}, {36, 26},
                          {37, 28}, {43, 28}, {44, 30}, {50, 30}};
  for (const auto& [caption, height] : table) EXPECT_EQ(StatusBarHeight(caption), height) << caption;
  EXPECT_EQ(VerticalMargin(26), 83 + 4);
}

// The day editor after a display-mode change: left alone inside the work
// area, otherwise centred over the main window without leaving the area.
TEST(DayEditorPlace, OnlyAnEditorPartlyOutsideIsCentredOverTheMainWindow) {
  const Box area{0, 0, 1280, 1000};
  const Box main{100, 50, 1000, 700};
  EXPECT_FALSE(PlaceInsideWorkArea({980, 700, 300, 300}, main, area));  // touches the corner
  EXPECT_EQ(PlaceInsideWorkArea({981, 700, 300, 300}, main, area), (Box{450, 250, 300, 300}));
  EXPECT_EQ(PlaceInsideWorkArea({-5, 10, 300, 300}, main, area), (Box{450, 250, 300, 300}));
  EXPECT_EQ(PlaceInsideWorkArea({10, 900, 300, 300}, main, area), (Box{450, 250, 300, 300}));
}

TEST(DayEditorPlace, ACentreOutsideTheWorkAreaIsPulledBackIntoIt) {
  const Box area{0, 40, 1280, 960};
  EXPECT_EQ(PlaceInsideWorkArea({2000, 0, 300, 330}, {-600, -200, 1000, 700}, area),
            (Box{0, 40, 300, 330}));
  EXPECT_EQ(PlaceInsideWorkArea({-900, 0, 300, 330}, {1100, 800, 1000, 700}, area),
            (Box{980, 670, 300, 330}));
}

}  // namespace
}  // namespace shell
