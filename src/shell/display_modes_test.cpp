#include "shell/display_modes.h"

#include <gtest/gtest.h>

#include "shell/month_entry.h"
#include "shell/status_texts.h"

namespace shell {
namespace {

TEST(DisplayModes, FiveRowsGiveTheFamiliarGrid) {
  GridMetrics m = MetricsOfMode(5, {});
  EXPECT_EQ(m.LenDayW, 132);
  EXPECT_EQ(m.LenDayH, 22 + 5 * 14 + 3);
  EXPECT_EQ(m.gridWidth, 927);
  EXPECT_EQ(m.gridHeight, 597);
  EXPECT_EQ(m.LenItemLeftM, 6);
  EXPECT_EQ(m.LenFontYoubiH, 16);
  EXPECT_TRUE(m.isFontBold);
}

TEST(DisplayModes, DateBandIsTheDayFontPlusFourExceptInModesSixAndTwentySix) {
  for (const DisplayMode& mode : DisplayModes()) {
    if (!mode.visible) continue;
    const GridMetrics& m = mode.metrics;
    const int extra = mode.mode == 6 ? 3 : mode.mode == 26 ? 5 : 4;
    EXPECT_EQ(m.LenHidukeH, m.LenFontHidukeH + extra) << mode.item;
  }
}

TEST(DisplayModes, WideModesShareTheWorkAreaBySeven) {
  ScreenFacts screen{1280, 1024, 100, 0};
  EXPECT_EQ(WideDayWidth(screen), 163);  // (1242 - 103) / 7 = 162.7
  EXPECT_EQ(MetricsOfMode(15, screen).LenDayW, 163);
  screen.udYokoC = -10;
  EXPECT_EQ(MetricsOfMode(15, screen).LenDayW, 153);
  EXPECT_EQ(MetricsOfMode(5, screen).LenDayW, 132);  // fixed widths ignore it
}

TEST(DisplayModes, AnUnknownModeFallsBackToFourRows) {
  EXPECT_EQ(DisplayModeOf(7).mode, 4);
  EXPECT_EQ(DisplayModeOf(0).mode, 4);
  EXPECT_EQ(MetricsOfMode(99, {}).ItemGyo, 4);
}

struct Screen {
  int height;
  std::vector<int> selectable;
};
class SelectableModes : public ::testing::TestWithParam<Screen> {};

TEST_P(SelectableModes, SmallDesktopsOfferFewerModes) {
  std::vector<int> offered;
  for (const DisplayMode& mode : DisplayModes())
    if (mode.visible && ModeSelectable(mode.mode, GetParam().height)) offered.push_back(mode.mode);
  EXPECT_EQ(offered, GetParam().selectable);
}

INSTANTIATE_TEST_SUITE_P(Heights, SelectableModes,
                         ::testing::Values(Screen{1024, {3, 4, 14, 5, 15, 6, 26}},
                                           Screen{769, {3, 4, 14, 5, 15, 6, 26}},
                                           Screen{768, {3, 4, 14, 5, 15, 6}},
                                           Screen{601, {3, 4, 14, 5, 15, 6}},
                                           Screen{600, {3}}));

struct SizeSwitch {
  int sizeClass;
  int mode;
  std::optional<int> toYear;
  std::optional<int> toMonth;
};
class SizeClasses : public ::testing::TestWithParam<SizeSwitch> {};

TEST_P(SizeClasses, DecideWhetherThePageSwitchResizes) {
  const auto& p = GetParam();
  EXPECT_EQ(SizeClassForYearPage(p.sizeClass, p.mode), p.toYear);
  EXPECT_EQ(SizeClassForMonthPage(p.sizeClass, p.mode), p.toMonth);
}

INSTANTIATE_TEST_SUITE_P(Table, SizeClasses,
                         ::testing::Values(SizeSwitch{1, 5, std::nullopt, std::nullopt},
                                           SizeSwitch{1, 15, std::nullopt, 3},
                                           SizeSwitch{3, 14, std::nullopt, std::nullopt},
                                           SizeSwitch{3, 15, 1, std::nullopt},
                                           SizeSwitch{2, 3, 1, 3}, SizeSwitch{4, 4, 1, 3}));

TEST(ViewMenu, ItemsFollowTheirFilesAndOptions) {
  ViewMenuState none = ViewMenuStateOf({});
  EXPECT_FALSE(none.readMe || none.usage || none.runLog);
  EXPECT_TRUE(none.memoSubmenu);
  ViewMenuState all = ViewMenuStateOf({true, true, true, false, true});
  EXPECT_TRUE(all.readMe && all.usage);
  EXPECT_FALSE(all.runLog);  // the log exists, but logging is off
  EXPECT_FALSE(all.memoSubmenu);
  EXPECT_TRUE(ViewMenuStateOf({false, false, true, true, false}).runLog);
}

TEST(StatusTexts, WindowSizeClockAndFolder) {
  EXPECT_EQ(WindowSizeText(1015, 740), "横：1015 × 縦：740");
  EXPECT_EQ(ClockText({2026, 12, 8, 9, 5}, true), "2026/12/8 (火) 9 : 5");
  EXPECT_EQ(ClockText({2026, 12, 8, 0, 30}, false), "2026/12/8 (火) AM 12 : 30");
  EXPECT_EQ(ClockText({2026, 12, 8, 15, 45}, false), "2026/12/8 (火) PM 3 : 45");
  EXPECT_EQ(FolderPanelText("C:\\Velda\\", true), "     【 起動フォルダ 】   C:\\Velda\\  ");
  EXPECT_EQ(FolderPanelText("C:\\Velda\\", false), "");
  EXPECT_EQ(DataSetLabelText(2), " --- Files2 ---");
  EXPECT_EQ(DataSetLabelText(1), "");
}

// ---- the month entry box --------------------------------------------------

TEST(MonthEntry, DigitsOverwriteRightOfTheCaret) {
  EntryText t{"200501", kEntryCaretOnFocus};
  t = *TypeIntoEntry(t, '1');
  EXPECT_EQ(t, (EntryText{"200511", 5}));
  t = *TypeIntoEntry(t, '2');
  EXPECT_EQ(t, (EntryText{"200512", 6}));
  EXPECT_FALSE(TypeIntoEntry(t, '3'));  // full, caret at the end
  EXPECT_FALSE(TypeIntoEntry({"200501", 4}, 'a'));
  EXPECT_FALSE(TypeIntoEntry({"200501", 4}, '-'));
  EXPECT_EQ(*TypeIntoEntry({"2005", 4}, '0'), (EntryText{"20050", 5}));
}

TEST(MonthEntry, EnterNeedsAMonthOneToTwelve) {
  EXPECT_TRUE(EntryMonthValid("200501"));
  EXPECT_TRUE(EntryMonthValid("999912"));
  EXPECT_FALSE(EntryMonthValid("200500"));
  EXPECT_FALSE(EntryMonthValid("200513"));
  EXPECT_FALSE(EntryMonthValid("20051"));
}

TEST(MonthEntry, MonthTextCarriesTheYear) {
  EXPECT_EQ(MonthText(2005, 0), "200412");
  EXPECT_EQ(MonthText(2005, 13), "200601");
  EXPECT_EQ(MonthText(2005, -11), "200401");
  EXPECT_EQ(MonthText(2005, 12), "200512");
  EXPECT_EQ(MonthText(1, -1), "000011");
}

}  // namespace
}  // namespace shell
