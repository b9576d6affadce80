#pragma once
// The display modes of the month grid ("表示行数"): how many entry lines a
// day cell shows and how large the grid is drawn. The mode number is the
// setting vCalGyou.
#include <optional>
#include <span>
#include <string>

namespace shell {

// The grid's layout properties of one mode, with the derived sizes.
struct GridMetrics {
  int ItemGyo = 5;
  int LenFontHidukeH = 18;
  int LenFontNeighbH = 16;
  int LenTopItem = 0;
  int LenFontYoteiH = 12;
  int LenGyokan = 2;
  int LenBottomItem = 3;
  int LenFontKinenbH = 12;
  int LenFontKinenbNH = 11;
  int LenHidukeH = 22;
  int LenHidukeW = 28;
  int LenYohaku = 4;
  int LenKinenC = 2;
  int LenKinenNC = 1;
  int LenYoubiH = 24;
  int LenItemLeftM = 6;
  int LenFontYoubiH = 16;
  bool isFontBold = true;
  int LenYoteiH = 14;
  int LenDayH = 95;
  int LenDayW = 132;
  int gridWidth = 927;
  int gridHeight = 597;
};

struct DisplayMode {
  int mode;            // the vCalGyou value
  const char* item;    // caption under "表示行数"
  bool visible;        // the hidden items are never offered
  GridMetrics metrics; // LenDayW 0: the wide day width
  int sizeClass;
};

inline constexpr int kWideDay = 0;
inline constexpr int kDefaultMode = 5;

std::span<const DisplayMode> DisplayModes();
// The table row of a mode; a mode not in the table gets the row of 4, as
// an invalid vCalGyou does.
const DisplayMode& DisplayModeOf(int mode);

// What a desktop offers the wide modes.
struct ScreenFacts {
  int workAreaWidth = 1280;
  int workAreaHeight = 1024;
  // The main window's width outside the grid: frame borders plus the
  // client area beside the grid, as first laid out.
  int outsideWidth = 90;
  int udYokoC = 0;  // width adjustment of the settings
};

// The mode's metrics with the day width decided and the sizes derived.
GridMetrics MetricsOfMode(int mode, const ScreenFacts& screen);

// "wide": the work area's width * 0.97, less the part outside the grid,
// shared by seven days, plus the adjustment.
int WideDayWidth(const ScreenFacts& screen);

// The "表示行数" item of a mode may be chosen on this work area.
bool ModeSelectable(int mode, int workAreaHeight);

// Switching between month and year page: the new size class when the main
// window changes size, nothing when it keeps its size.
std::optional<int> SizeClassForYearPage(int sizeClass, int mode);
std::optional<int> SizeClassForMonthPage(int sizeClass, int mode);

// "横：%d × 縦：%d".
std::string WindowSizeText(int width, int height);

// The View menu's items that depend on files and options.
struct ViewMenuFacts {
  bool readMeExists = false;
  bool usageExists = false;     // "CaSima.dat"
  bool runLogExists = false;    // "VeldaSte.kdl"
  bool runLogOn = false;        // cbKidouKiroku
  bool editorOn = false;        // cbEditor
};
struct ViewMenuState {
  bool readMe = false;
  bool usage = false;
  bool runLog = false;
  bool memoSubmenu = false;
};
ViewMenuState ViewMenuStateOf(const ViewMenuFacts& facts);

}  // namespace shell
