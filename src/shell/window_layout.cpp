#include "shell/window_layout.h"

namespace shell {
namespace {

constexpr int kPageTabsHeight = 24;
constexpr int kMonthTabsTop = 26;
constexpr int kMonthTabsHeight = 20;
constexpr int kGridTop = kMonthTabsTop + kMonthTabsHeight + 2;  // 48
constexpr int kGridLeft = 2;
constexpr int kGapAboveStatusBar = 13;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 4;
constexpr int kEntryHeight = 22;
// The entry box sits below "年月指定" and pushes the buttons under it down.
constexpr int kEntryRoom = kEntryHeight + kButtonGap;

}  // namespace

int StatusBarHeight(int captionHeight) {
  if (captionHeight >= 44) return 30;
  if (captionHeight >= 37) return 28;
  if (captionHeight >= 32) return 26;
  if (captionHeight >= 25) return 24;
  return kMinStatusBarHeight;
}

int VerticalMargin(int statusBarHeight) {
  return kGridTop + kGapAboveStatusBar + statusBarHeight;
}

MainLayout LayOut(int gridWidth, int gridHeight, int dayWidth, int statusBarHeight) {
  MainLayout l;
  l.clientWidth = gridWidth + kButtonColumnWidth;
  l.clientHeight = gridHeight + VerticalMargin(statusBarHeight);
  l.pageTabs = {0, 0, l.clientWidth, kPageTabsHeight};
  l.monthTabs = {kGridLeft, kMonthTabsTop, gridWidth, kMonthTabsHeight};
  l.monthTabWidth = dayWidth;
  l.grid = {kGridLeft, kGridTop, gridWidth, gridHeight};
  const int x = kGridLeft + gridWidth + 6;
  const int width = kButtonColumnWidth - 12;
  int y = kGridTop;
  for (int i = 0; i < kButtonCount; ++i) {
    l.buttons[i] = {x, y, width, kButtonHeight};
    y += kButtonHeight + kButtonGap;
    if (i == kBtnEnterMonth) {
      l.entryBox = {x, y, width, kEntryHeight};
      y += kEntryRoom;
    }
  }
  l.statusBar = {0, l.clientHeight - statusBarHeight, l.clientWidth, statusBarHeight};
  return l;
}

}  // namespace shell
