#include "shell/display_modes.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace shell {
namespace {

// One row of the table, its columns in the table's order.
constexpr GridMetrics Row(int itemGyo, int fontHiduke, int fontNeighb, int topItem, int fontYotei,
                          int gyokan, int bottomItem, int fontKinenb, int fontKinenbN,
                          int hidukeH, int hidukeW, int yohaku, int kinenC, int kinenNC,
                          int youbiH, int dayW) {
  GridMetrics m;
  m.ItemGyo = itemGyo;
  m.LenFontHidukeH = fontHiduke;
  m.LenFontNeighbH = fontNeighb;
  m.LenTopItem = topItem;
  m.LenFontYoteiH = fontYotei;
  m.LenGyokan = gyokan;
  m.LenBottomItem = bottomItem;
  m.LenFontKinenbH = fontKinenb;
  m.LenFontKinenbNH = fontKinenbN;
  m.LenHidukeH = hidukeH;
  m.LenHidukeW = hidukeW;
  m.LenYohaku = yohaku;
  m.LenKinenC = kinenC;
  m.LenKinenNC = kinenNC;
  m.LenYoubiH = youbiH;
  m.LenDayW = dayW;
  return m;
}

constexpr GridMetrics kFourRows = Row(4, 18, 16, 0, 12, 2, 4, 12, 11, 22, 28, 4, 2, 1, 24, 117);

// The hidden items are kept so that the menu knows them; they are never
// offered and no setting selects them.
constexpr std::array<DisplayMode, 11> kModes{{
    {3, "３行", true, Row(3, 16, 14, 0, 12, 2, 3, 12, 11, 20, 28, 4, 1, 0, 22, kWideDay), 2},
    {4, "４行", true, kFourRows, 4},
    {14, "４行（フォント大）", true,
     Row(4, 22, 18, 2, 14, 2, 3, 14, 12, 26, 34, 6, 2, 2, 24, 132), 3},
    {5, "５行", true, Row(5, 18, 16, 0, 12, 2, 3, 12, 11, 22, 28, 4, 2, 1, 24, 132), 1},
    {15, "５行横長", true, Row(5, 18, 16, 0, 12, 2, 3, 12, 11, 22, 28, 4, 2, 1, 24, kWideDay), 3},
    {6, "６行（フォント小）", true,
     Row(6, 16, 14, 2, 11, 1, 2, 12, 11, 19, 26, 4, 1, 0, 24, kWideDay), 3},
    {16, "６行（フォント大）", false, kFourRows, 3},
    {26, "６行（縦900ドット）", true,
     Row(6, 22, 16, 2, 12, 2, 3, 14, 12, 27, 34, 6, 2, 2, 24, kWideDay), 3},
    {7, "７行", false, kFourRows, 3},
    {8, "８行", false, kFourRows, 3},
    {9, "９行（フォント小）", false, kFourRows, 3},
}};

bool OneOf(int mode, std::initializer_list<int> modes) {
  for (int m : modes)
    if (m == mode) return true;
  return false;
}

}  // namespace

std::span<const DisplayMode> DisplayModes() { return kModes; }

const DisplayMode& DisplayModeOf(int mode) {
  for (const DisplayMode& m : kModes)
    if (m.visible && m.mode == mode) return m;
  return kModes[1];
}

int WideDayWidth(const ScreenFacts& screen) {
  const long usable = std::lround(screen.workAreaWidth * 0.97);   // the window may take
  const double perDay = (usable - screen.outsideWidth - 3) / 7.0;  // 3: the grid's edges
  return static_cast<int>(std::lround(perDay)) + screen.udYokoC;
}

GridMetrics MetricsOfMode(int mode, const ScreenFacts& screen) {
  GridMetrics m = DisplayModeOf(mode).metrics;
  if (m.LenDayW == kWideDay) m.LenDayW = WideDayWidth(screen);
  m.LenYoteiH = m.LenFontYoteiH + m.LenGyokan;
  m.LenDayH = m.LenHidukeH + m.LenTopItem + m.LenYoteiH * m.ItemGyo + m.LenBottomItem;
  m.gridWidth = m.LenDayW * 7 + 3;
  m.gridHeight = m.LenDayH * 6 + m.LenYoubiH + 3;
  return m;
}

bool ModeSelectable(int mode, int workAreaHeight) {
  if (workAreaHeight <= 600) return mode == 3;
  if (workAreaHeight <= 768) return mode != 26;
  return true;
}

std::optional<int> SizeClassForYearPage(int sizeClass, int mode) {
  if (sizeClass == 1 || (sizeClass == 3 && OneOf(mode, {5, 6, 14}))) return std::nullopt;
  return 1;
}

std::optional<int> SizeClassForMonthPage(int sizeClass, int mode) {
  if (sizeClass == 3 || (sizeClass == 1 && OneOf(mode, {5, 6}))) return std::nullopt;
  return 3;
}

std::string WindowSizeText(int width, int height) {
  char text[64];
  std::snprintf(text, sizeof text, "横：%d × 縦：%d", width, height);
  return text;
}

ViewMenuState ViewMenuStateOf(const ViewMenuFacts& facts) {
  return {facts.readMeExists, facts.usageExists, facts.runLogExists && facts.runLogOn,
          !facts.editorOn};
}

}  // namespace shell
