#include "shell/window_layout.h"

#include <algorithm>

#include "platform/dpi.h"

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

// The numbers above are 96-DPI ones, scaled here; the grid's size comes
// already at the DPI, as it draws itself.
MainLayout LayOut(int gridWidth, int gridHeight, int dayWidth, int statusBarHeight, int dpi) {
  const auto px = [dpi](int pixels96) { return platform::ScaleToDpi(pixels96, dpi); };
  MainLayout l;
  l.clientWidth = px(kGridLeft) + gridWidth + px(kButtonColumnWidth - kGridLeft);
  l.clientHeight = px(kGridTop) + gridHeight + px(kGapAboveStatusBar) + statusBarHeight;
  l.pageTabs = {0, 0, l.clientWidth, px(kPageTabsHeight)};
  l.monthTabs = {px(kGridLeft), px(kMonthTabsTop), gridWidth, px(kMonthTabsHeight)};
  l.monthTabWidth = dayWidth;
  l.grid = {px(kGridLeft), px(kGridTop), gridWidth, gridHeight};
  const int x = l.grid.x + gridWidth + px(6);
  const int width = px(kButtonColumnWidth - 12);
  const int gap = px(kButtonGap);
  // A grid too low for the whole column (three rows) gets lower buttons.
  const int pitch = std::min(px(kButtonHeight) + gap, (gridHeight - px(kEntryRoom)) / kButtonCount);
  int y = l.grid.y;
  for (int i = 0; i < kButtonCount; ++i) {
    l.buttons[i] = {x, y, width, pitch - gap};
    y += pitch;
    if (i == kBtnEnterMonth) {
      l.entryBox = {x, y, width, px(kEntryHeight)};
      y += px(kEntryRoom);
    }
  }
  l.statusBar = {0, l.clientHeight - statusBarHeight, l.clientWidth, statusBarHeight};
  return l;
}

namespace {

bool Inside(const Box& b, const Box& area) {
  return b.x >= area.x && b.y >= area.y && b.x + b.width <= area.x + area.width &&
         b.y + b.height <= area.y + area.height;
}

// Left or top edge of a length placed at `wanted` within [start, start + room).
int Clamp(int wanted, int length, int start, int room) {
  return std::max(start, std::min(wanted, start + room - length));
}

}  // namespace

std::optional<Box> PlaceInsideWorkArea(const Box& window, const Box& mainWindow, const Box& workArea) {
  if (Inside(window, workArea)) return std::nullopt;
  Box placed = window;
  placed.x = Clamp(mainWindow.x + (mainWindow.width - window.width) / 2, window.width, workArea.x,
                   workArea.width);
  placed.y = Clamp(mainWindow.y + (mainWindow.height - window.height) / 2, window.height, workArea.y,
                   workArea.height);
  return placed;
}

}  // namespace shell
