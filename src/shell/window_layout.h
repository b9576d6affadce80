#pragma once
// Where the main window's parts go around the month grid:
//
//   +-------------------------------------------------+
//   | 　 月 　 | 　 年 　 |                  page tabs  |
//   | １２月 | １月 | ２月 | ３月 | ４月 |     month tabs  |
//   | +---------------------------------+  [前月]     |
//   | |                                 |  [翌月] ... |
//   | |          month grid             |  buttons    |
//   | +---------------------------------+             |
//   | status bar                                      |
//   +-------------------------------------------------+
#include <array>
#include <optional>

namespace shell {

struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Box&) const = default;
};

inline constexpr int kButtonColumnWidth = 74;  // client width beside the grid
inline constexpr int kMinStatusBarHeight = 22;
inline constexpr int kButtonCount = 14;

struct MainLayout {
  int clientWidth = 0;
  int clientHeight = 0;
  Box pageTabs;
  Box monthTabs;
  int monthTabWidth = 0;  // each tab as wide as a day cell
  Box grid;
  std::array<Box, kButtonCount> buttons;
  Box entryBox;  // the month entry box, under the "年月指定" button
  Box statusBar;
};

// The status bar fits the caption height: 22 pixels for captions of 10 to
// 24, then 24, 26, 28 and 30 up to 50.
int StatusBarHeight(int captionHeight);

// The grid's and the status bar's sizes in the pixels of `dpi`, as drawn.
MainLayout LayOut(int gridWidth, int gridHeight, int dayWidth, int statusBarHeight, int dpi = 96);

// The fixed height the window adds to the grid (83 with the smallest
// status bar).
int VerticalMargin(int statusBarHeight);

// Where the day editor goes after the main window changed size: when it
// lies partly outside the work area, centred over the main window (and
// kept inside the work area); nothing when it lies inside.
std::optional<Box> PlaceInsideWorkArea(const Box& window, const Box& mainWindow, const Box& workArea);

// Index of a button in the column, top to bottom.
enum ButtonSlot : int {
  kBtnPrevMonth, kBtnNextMonth, kBtnPrevYear, kBtnNextYear, kBtnThisMonth, kBtnEnterMonth,
  kBtnStandard, kBtnFiles1, kBtnFiles2, kBtnSearch, kBtnMemo, kBtnPrint, kBtnAlarm, kBtnResident,
};

}  // namespace shell
