#include "shell/grid_commands.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/doubles_testutil.h"
#include "shell/edit_flows_testutil.h"

namespace shell {
namespace {

using calendar::DateToJulius;
using calendar::DayNumber;
using grid::MouseButton;
using grid::MouseEvent;
using grid::Point;
using grid::ShiftState;

constexpr ShiftState kPlain{};
constexpr ShiftState kCtrl{false, true, false};
constexpr ShiftState kAlt{false, false, true};

// Records what the commands asked for.
class RecordingHost : public GridCommandHost {
 public:
  void EditDay(DayNumber day) override { Log("EditDay", day); }
  void EditMonthMemo() override { log.push_back("EditMonthMemo"); }
  void EditPeriod(int index) override { log.push_back("EditPeriod " + std::to_string(index)); }
  bool NewPeriod(const PeriodMarks& m) override {
    newPeriods.push_back(m);
    log.push_back("NewPeriod");
    return !MarksReversed(m);
  }
  void DeletePeriod() override { log.push_back("DeletePeriod"); }
  void CopyDay(DayNumber day) override { Log("CopyDay", day); }
  void PasteDay(DayNumber day) override { Log("PasteDay", day); }
  void EditSpecialDay(DayNumber day) override { Log("EditSpecialDay", day); }
  bool DayCopyPending() const override { return dayCopyPending; }
  bool NetworkOn() const override { return networkOn; }
  bool MonthMemoOption() const override { return monthMemo; }
  void CancelResidencyCountdown() override { ++countdownCancels; }

  void Log(const char* what, DayNumber day) {
    const calendar::Date d = calendar::JuliusToDate(day);
    char text[48];
    std::snprintf(text, sizeof text, "%s %d/%d", what, d.month, d.day);
    log.emplace_back(text);
  }

  std::vector<std::string> log;
  std::vector<PeriodMarks> newPeriods;
  bool dayCopyPending = false;
  bool networkOn = false;
  bool monthMemo = true;
  int countdownCancels = 0;
};

// The main window's part: the grid's events go to the commands.
class Forwarder : public grid::CalendarEvents {
 public:
  void OnMouseDown(grid::TCustomCalendarEx&, const MouseEvent& e) override { commands->MouseDown(e); }
  void OnMouseMove(grid::TCustomCalendarEx&, const MouseEvent& e) override { commands->MouseMove(e); }
  void OnMouseUp(grid::TCustomCalendarEx&, const MouseEvent& e) override { commands->MouseUp(e); }
  void OnDblClick(grid::TCustomCalendarEx&) override { commands->DblClick(); }
  GridCommands* commands = nullptr;
};

// March 2004 with the main window's sizes: cells 128 x 95 under a 24-pixel
// weekday row, five lines of 14 pixels from 22 pixels below the cell top;
// the first row starts on Sunday 29 February, so 3 March is cell 3,
// 30 March cell 30 and 2 April cell 33. Entries sit at the bottom of a
// cell: one entry takes slot 4.
class GridCommandsTest : public ::testing::Test {
 protected:
  GridCommandsTest() {
    for (int i = 0; i < 5; ++i) {
      months[i].year = 2004;
      months[i].month = 2 + i;
      months[i].lines = {store::MonthHeader(2004, 2 + i, "Data\\Files1\\")};
      grid.SetMonthRecord(i, &months[i]);
    }
    periods.lines = {"***** FromTo予定 [Data\\Files1\\]"};
    grid.SetPeriodList(&periods);
    grid.SetCurrentMonthIndex(1);
    grid::SeMCalProps props = grid.GridProps();
    props.LenHidukeH = 22;
    props.LenTopItem = 0;
    props.LenFontYoteiH = 12;
    grid.SetProps(props);
    grid.SetEvents(&forwarder);
    forwarder.commands = &commands;
    grid.SetShownDate(2004, 3, 1);
    grid.Rebuild();
  }

  void AddEntry(int record, int day, const std::string& text) {
    char head[16];
    std::snprintf(head, sizeof head, "%2d,1,,", day);
    months[record].lines.push_back(head + text + ",,,,,,");
    grid.Rebuild();
  }
  int AddPeriod(const std::string& line) {
    periods.lines.push_back(line);
    grid.Rebuild();
    return static_cast<int>(periods.lines.size()) - 1;
  }
  void UseMonthMemoArea() {
    grid.Set(&grid::SeMCalProps::TukiMemo, true);
  }

  static DayNumber Day(int month, int day) { return DateToJulius(2004, month, day); }
  // A point in `slot` of a day's cell, in the given third (1..3).
  Point At(int month, int day, int slot, int third = 2) const {
    const int cell = Day(month, day) - grid.CachedFirstShownDay();
    const int column = cell % 7, row = cell / 7;
    const int x = column * 128 + (third - 1) * 43 + 20;
    const int y = 24 + row * 95 + grid.ItemsTop() + slot * grid.LineStep() + 1;
    return {x, y};
  }
  Point InDateBand(int month, int day) const {
    const Point p = At(month, day, 0);
    return {p.x, p.y - grid.ItemsTop() + 3};
  }
  Point InWeekdayRow() const { return {200, 5}; }
  Point InMonthMemoArea() const { return {4 * 128 + 30, 24 + 5 * 95 + 40}; }

  MouseEvent Event(Point p, ShiftState shift, MouseButton button = MouseButton::Left,
                   bool doubleClick = false) const {
    return MouseEvent{button, shift, p.x, p.y, doubleClick};
  }
  void Press(Point p, ShiftState shift = kPlain, MouseButton b = MouseButton::Left, bool dbl = false) {
    grid.MouseDown(Event(p, shift, b, dbl));
  }
  void Release(Point p, ShiftState shift = kPlain, MouseButton b = MouseButton::Left) {
    grid.MouseUp(Event(p, shift, b));
  }
  void ClickAt(Point p, ShiftState shift = kPlain, MouseButton b = MouseButton::Left) {
    Press(p, shift, b);
    Release(p, shift, b);
  }
  // What the grid receives for a double-click: a click, DblClick, then the
  // second press marked as a double-click and its release.
  void DoubleClickAt(Point p) {
    ClickAt(p);
    grid.DblClick();
    Press(p, kPlain, MouseButton::Left, true);
    Release(p);
  }
  void RightClickAt(Point p) { ClickAt(p, kPlain, MouseButton::Right); }

  std::array<store::MonthSlot, 5> months;
  store::PeriodList periods;
  grid::TSeMCal grid{DateToJulius(2000, 1, 1)};
  RecordingHost host;
  platform::ScriptedDialogs dialogs;
  GridCommands commands{grid, host, dialogs};
  Forwarder forwarder;
};

using Log = std::vector<std::string>;

// ---- clicks and double-clicks on days -------------------------------------

TEST_F(GridCommandsTest, ClickOnAnEmptyLineSelectsTheDayAndADoubleClickOpensIt) {
  ClickAt(At(3, 10, 2));
  EXPECT_EQ(grid.JuliusDay(), Day(3, 10));
  EXPECT_TRUE(host.log.empty());
  grid.DblClick();
  EXPECT_EQ(host.log, (Log{"EditDay 3/10"}));
}

TEST_F(GridCommandsTest, ClickOnAnEntryOpensTheDayAtOnceAndTheDoubleClickIsSwallowed) {
  AddEntry(1, 10, "会議");
  ClickAt(At(3, 10, 4));
  EXPECT_EQ(host.log, (Log{"EditDay 3/10"}));
  grid.DblClick();
  EXPECT_EQ(host.log.size(), 1u);
}

// Regression: the flag of a click that opened the editor outlived it, so
// the next real double-click on a day was swallowed.
TEST_F(GridCommandsTest, ALaterDoubleClickIsNotSwallowedByAnOldEditorOpening) {
  AddEntry(1, 10, "会議");
  ClickAt(At(3, 10, 4));  // the editor opens modally and takes the rest
  DoubleClickAt(At(3, 12, 1));
  EXPECT_EQ(host.log, (Log{"EditDay 3/10", "EditDay 3/12"}));
}

TEST_F(GridCommandsTest, CtrlClickOpensADayOfTheShownMonthOnly) {
  ClickAt(InDateBand(3, 10), kCtrl);
  ClickAt(At(4, 2, 1), kCtrl);   // a neighbour-month day in the last rows
  ClickAt(At(2, 29, 1), kCtrl);  // and in the first row
  EXPECT_EQ(host.log, (Log{"EditDay 3/10"}));
  EXPECT_EQ(grid.Month(), 3);
}

TEST_F(GridCommandsTest, AClickOnANeighbourEntryOpensNothing) {
  AddEntry(2, 2, "四月");
  ClickAt(At(4, 2, 4));
  grid.DblClick();
  EXPECT_TRUE(host.log.empty());
}

TEST_F(GridCommandsTest, WithNeighbourJumpTheGridMovesAndTheDoubleClickOpensNothing) {
  grid.Set(&grid::CalendarProps::NeighborJump, true);
  const Point p = At(4, 2, 1);
  ClickAt(p, kCtrl);
  EXPECT_EQ(grid.Month(), 4);
  grid.DblClick();
  EXPECT_TRUE(host.log.empty());
}

TEST_F(GridCommandsTest, ReleasingOnAnotherDayThanPressedOpensNothing) {
  AddEntry(1, 11, "会議");
  Press(At(3, 10, 4));
  Release(At(3, 11, 4));
  EXPECT_TRUE(host.log.empty());
}

TEST_F(GridCommandsTest, ClicksInTheWeekdayRowOpenNothing) {
  ClickAt(InWeekdayRow(), kCtrl);
  grid.DblClick();
  EXPECT_TRUE(host.log.empty());
}

TEST_F(GridCommandsTest, AReleaseWithoutAPressDoesNothing) {
  AddEntry(1, 10, "会議");
  grid.SetJuliusDay(Day(3, 10));
  Release(At(3, 10, 4));
  EXPECT_TRUE(host.log.empty());
}

TEST_F(GridCommandsTest, EveryPressCancelsTheResidencyCountdown) {
  ClickAt(At(3, 10, 1));
  RightClickAt(At(3, 10, 1));
  EXPECT_EQ(host.countdownCancels, 2);
}

// ---- the month memo ----------------------------------------------------------

TEST_F(GridCommandsTest, CtrlClickInTheMonthMemoAreaOpensTheMemoOnce) {
  UseMonthMemoArea();
  ClickAt(InMonthMemoArea(), kCtrl);
  grid.DblClick();
  EXPECT_EQ(host.log, (Log{"EditMonthMemo"}));
}

TEST_F(GridCommandsTest, DoubleClickInTheMonthMemoAreaOpensTheMemo) {
  UseMonthMemoArea();
  ClickAt(InMonthMemoArea());
  EXPECT_TRUE(commands.monthMemoPending());
  grid.DblClick();
  EXPECT_EQ(host.log, (Log{"EditMonthMemo"}));
}

TEST_F(GridCommandsTest, WithoutTheMonthMemoOptionTheAreaOpensNothing) {
  UseMonthMemoArea();
  host.monthMemo = false;
  ClickAt(InMonthMemoArea(), kCtrl);
  DoubleClickAt(InMonthMemoArea());
  EXPECT_TRUE(host.log.empty());
}

// ---- Alt+drag ----------------------------------------------------------------

TEST_F(GridCommandsTest, AltDragFromTheEveningOfThe3rdToTheMorningOfThe5th) {
  Press(At(3, 3, 2, 3), kAlt);
  EXPECT_EQ(grid.SelectionStart(), Day(3, 3));
  grid.MouseMove(Event(At(3, 4, 2), kAlt));
  EXPECT_EQ(grid.SelectionEnd(), Day(3, 4));
  grid.MouseMove(Event(At(3, 5, 2, 1), kAlt));
  EXPECT_EQ(grid.SelectionEnd(), Day(3, 5));
  Release(At(3, 5, 2, 1), kAlt);
  ASSERT_EQ(host.newPeriods.size(), 1u);
  EXPECT_EQ(host.newPeriods[0], (PeriodMarks{{Day(3, 3), 3}, {Day(3, 5), 1}}));
  EXPECT_EQ(grid.SelectionStart(), 0);
  EXPECT_EQ(grid.SelectionEnd(), 0);
  EXPECT_FALSE(commands.marks().start.set());
}

TEST_F(GridCommandsTest, AltDragBackwardsIsHandedOnReversed) {
  Press(At(3, 12, 1, 1), kAlt);
  Release(At(3, 9, 1, 3), kAlt);
  ASSERT_EQ(host.newPeriods.size(), 1u);
  EXPECT_TRUE(MarksReversed(host.newPeriods[0]));
}

TEST_F(GridCommandsTest, AltDragAcrossTheMonthEdgeReachesTheNeighbourDay) {
  Press(At(3, 30, 1, 2), kAlt);
  grid.MouseMove(Event(At(4, 2, 1, 2), kAlt));
  Release(At(4, 2, 1, 2), kAlt);
  ASSERT_EQ(host.newPeriods.size(), 1u);
  EXPECT_EQ(host.newPeriods[0], (PeriodMarks{{Day(3, 30), 2}, {Day(4, 2), 2}}));
}

TEST_F(GridCommandsTest, LettingGoOfAltBeforeTheReleaseForgetsTheStart) {
  Press(At(3, 3, 1), kAlt);
  Release(At(3, 5, 1));
  EXPECT_TRUE(host.newPeriods.empty());
  EXPECT_FALSE(commands.marks().start.set());
}

TEST_F(GridCommandsTest, AltReleaseInTheWeekdayRowOpensNoPeriod) {
  Press(At(3, 3, 1), kAlt);
  Release(InWeekdayRow(), kAlt);
  EXPECT_TRUE(host.newPeriods.empty());
}

TEST_F(GridCommandsTest, MovingWithoutAPressSelectsNothing) {
  grid.MouseMove(Event(At(3, 4, 2), kAlt));
  EXPECT_EQ(grid.SelectionEnd(), 0);
}

// ---- period bars ---------------------------------------------------------------

TEST_F(GridCommandsTest, FirstClickSelectsABarSecondEditsIt) {
  const int p = AddPeriod("2004, 3, 8,M,2004, 3,10,E,2004, 3, 8,1,clBlue,出張,PC01,,,,,");
  ClickAt(At(3, 9, 0));
  EXPECT_EQ(grid.SelectedPeriod(), p);
  EXPECT_EQ(commands.menu(), GridMenu::Delete);
  grid.DblClick();  // the double-click of that click opens no day
  EXPECT_TRUE(host.log.empty());
  ClickAt(At(3, 10, 0));
  EXPECT_EQ(host.log, (Log{"EditPeriod " + std::to_string(p)}));
}

TEST_F(GridCommandsTest, AClickBesideTheBarDropsTheSelection) {
  AddPeriod("2004, 3, 8,M,2004, 3,10,E,2004, 3, 8,1,clBlue,出張,PC01,,,,,");
  ClickAt(At(3, 9, 0));
  ClickAt(At(3, 9, 2));
  EXPECT_EQ(grid.SelectedPeriod(), 0);
  EXPECT_EQ(commands.menu(), GridMenu::Normal);
}

// Regression: a Ctrl+click on a bar opened the day editor and then
// selected or edited the bar as well.
TEST_F(GridCommandsTest, CtrlClickOnABarOpensOnlyTheDay) {
  const int p = AddPeriod("2004, 3, 8,M,2004, 3,10,E,2004, 3, 8,1,clBlue,出張,PC01,,,,,");
  grid.SetSelectedPeriod(p);
  grid.SetJuliusDay(Day(3, 9));
  ClickAt(At(3, 9, 0), kCtrl);
  EXPECT_EQ(host.log, (Log{"EditDay 3/9"}));
  EXPECT_EQ(grid.SelectedPeriod(), 0);
}

TEST_F(GridCommandsTest, TheDeleteMenuOpensOnlyWithASelectedPeriod) {
  AddPeriod("2004, 3, 8,M,2004, 3,10,E,2004, 3, 8,1,clBlue,出張,PC01,,,,,");
  ClickAt(At(3, 9, 0));
  Press(At(3, 9, 2), kPlain, MouseButton::Right);
  EXPECT_FALSE(grid.ClickHighlight());  // no highlight under the delete menu
  Release(At(3, 9, 2), kPlain, MouseButton::Right);
  grid.SetSelectionStart(Day(3, 9));
  auto popup = commands.OpenPopup();
  ASSERT_TRUE(popup);
  EXPECT_EQ(popup->menu, GridMenu::Delete);
  EXPECT_EQ(grid.SelectionStart(), 0);  // the day selection goes first
  commands.PopupDeletePeriod();
  EXPECT_EQ(host.log, (Log{"DeletePeriod"}));
  grid.SetSelectedPeriod(0);
  EXPECT_FALSE(commands.OpenPopup());
}

TEST_F(GridCommandsTest, RightPressOnTheSelectedDayPaintsTheHighlight) {
  ClickAt(At(3, 9, 2));
  Press(At(3, 9, 2), kPlain, MouseButton::Right);
  EXPECT_TRUE(grid.ClickHighlight());
}

// ---- through the edit flows ------------------------------------------------------

TEST_F(GridCommandsTest, TheEditCommandsCarryAltDragsAndTheNetworkState) {
  platform::FakeServices fake;
  store::Folders folders;
  settings::Settings settings;
  settings.udKFutosa = 2;
  settings.edtKColor = store::kClBlue;
  calendar::DayClassifier days;
  FakeEditHost editHost;
  FakeDayEditor editor;
  DayCopy dayCopy{fake.services};
  EditFlows flows{fake.services, folders, settings, editHost, editor, days};
  PeriodEdit periodEdit{fake.services, folders, settings, editHost, editor};
  SpecialDayEdit specialDays{fake.services, folders, editHost, editor, days};
  store::NetworkLink network;
  EditCommands editCommands{editHost, flows, periodEdit, specialDays, dayCopy, settings, network};
  int countdownCancels = 0;
  editCommands.cancelResidencyCountdown = [&] { ++countdownCancels; };
  GridCommands wired{grid, editCommands, fake.dialogs};
  forwarder.commands = &wired;

  Press(At(3, 12, 1, 1), kAlt);  // backwards
  Release(At(3, 9, 1, 3), kAlt);
  EXPECT_EQ(fake.dialogs.Texts(), (std::vector<std::string>{"初めと終わりが逆です。"}));
  EXPECT_EQ(editor.shown, 0);

  Press(At(3, 3, 1, 3), kAlt);
  Release(At(3, 5, 1, 1), kAlt);
  ASSERT_EQ(editor.periods.size(), 1u);
  const editors::PeriodPage& page = editor.periods[0];
  EXPECT_EQ(page.start, (store::PeriodDate{2004, 3, 3}));
  EXPECT_EQ(page.startPart, store::DayPart::Evening);
  EXPECT_EQ(page.end, (store::PeriodDate{2004, 3, 5}));
  EXPECT_EQ(page.endPart, store::DayPart::Morning);
  EXPECT_EQ(page.thickness, 2);
  EXPECT_EQ(countdownCancels, 2);

  RightClickAt(At(3, 10, 1));
  EXPECT_TRUE(wired.OpenPopup()->items.dayCopy);
  network.on = true;  // shared data: no day copy
  EXPECT_FALSE(wired.OpenPopup()->items.dayCopy);
}

// ---- the normal pop-up menu ----------------------------------------------------

TEST_F(GridCommandsTest, RightClickHighlightsTheDayAndOffersItsCommands) {
  RightClickAt(At(3, 10, 1));
  EXPECT_EQ(grid.ClickedDay(), Day(3, 10));
  auto popup = commands.OpenPopup();
  ASSERT_TRUE(popup);
  EXPECT_EQ(popup->menu, GridMenu::Normal);
  EXPECT_EQ(popup->items, (PopupItems{true, true, true, true, true, false, true}));
  host.dayCopyPending = true;
  EXPECT_TRUE(commands.OpenPopup()->items.dayPaste);
}

struct PopupCase {
  const char* name;
  bool network, pending, periodStarted, inWeekdayRow;
  bool copy, paste;
};

class PopupItemsTest : public GridCommandsTest, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(PopupItemsTest, DayCopyItems) {
  const PopupCase& c = GetParam();
  host.networkOn = c.network;
  host.dayCopyPending = c.pending;
  if (c.periodStarted) {
    RightClickAt(At(3, 3, 1));
    commands.PopupPeriodStart();
  }
  RightClickAt(c.inWeekdayRow ? InWeekdayRow() : At(3, 10, 1));
  const PopupItems items = commands.OpenPopup()->items;
  EXPECT_EQ(items.dayCopy, c.copy);
  EXPECT_EQ(items.dayPaste, c.paste);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PopupItemsTest,
    ::testing::Values(PopupCase{"Plain", false, false, false, false, true, false},
                      PopupCase{"Pending", false, true, false, false, true, true},
                      PopupCase{"Network", true, true, false, false, false, false},
                      PopupCase{"PeriodMarked", false, true, true, false, false, false},
                      PopupCase{"WeekdayRow", false, true, false, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridCommandsTest, DayCopyAndPasteActOnTheClickedDay) {
  host.dayCopyPending = true;
  RightClickAt(At(3, 20, 1));
  commands.PopupDayCopy();
  EXPECT_EQ(grid.JuliusDay(), Day(3, 20));
  RightClickAt(At(3, 20, 1));
  EXPECT_TRUE(grid.ClickHighlight());
  commands.PopupDayPaste();
  EXPECT_FALSE(grid.ClickHighlight());
  RightClickAt(At(4, 1, 1));  // the neighbour month's day becomes the current one
  commands.PopupDayPaste();
  EXPECT_EQ(grid.Month(), 4);
  EXPECT_EQ(host.log, (Log{"CopyDay 3/20", "PasteDay 3/20", "PasteDay 4/1"}));
}

TEST_F(GridCommandsTest, DisabledDayItemsDoNothing) {
  host.networkOn = true;
  RightClickAt(At(3, 20, 1));
  commands.PopupDayCopy();
  commands.PopupDayPaste();
  EXPECT_TRUE(host.log.empty());
}

TEST_F(GridCommandsTest, PeriodStartAndEndFromThePopupOpenANewPeriod) {
  RightClickAt(At(3, 5, 1, 2));
  commands.PopupPeriodStart();
  RightClickAt(At(4, 2, 1, 3));  // a neighbour-month cell: its own day, not the selected one
  commands.PopupPeriodEnd();
  ASSERT_EQ(host.newPeriods.size(), 1u);
  EXPECT_EQ(host.newPeriods[0], (PeriodMarks{{Day(3, 5), 2}, {Day(4, 2), 3}}));
  EXPECT_FALSE(commands.marks().start.set());
}

TEST_F(GridCommandsTest, AReversedEndKeepsTheStartForAnotherTry) {
  RightClickAt(At(3, 12, 1, 1));
  commands.PopupPeriodStart();
  RightClickAt(At(3, 10, 1));
  commands.PopupPeriodEnd();
  EXPECT_TRUE(commands.marks().start.set());
  RightClickAt(At(3, 14, 1, 3));
  commands.PopupPeriodEnd();
  ASSERT_EQ(host.newPeriods.size(), 2u);
  EXPECT_EQ(host.newPeriods[1], (PeriodMarks{{Day(3, 12), 1}, {Day(3, 14), 3}}));
}

TEST_F(GridCommandsTest, AnEndWithoutAStartOpensNothing) {
  RightClickAt(At(3, 10, 1));
  commands.PopupPeriodEnd();
  EXPECT_TRUE(host.newPeriods.empty());
}

TEST_F(GridCommandsTest, PopupEditDayOpensTheSelectedDayAndDropsTheHighlight) {
  ClickAt(At(3, 15, 1));
  RightClickAt(At(3, 15, 1));
  EXPECT_TRUE(grid.ClickHighlight());
  commands.PopupEditDay();
  EXPECT_EQ(host.log, (Log{"EditDay 3/15"}));
  EXPECT_FALSE(grid.ClickHighlight());
}

TEST_F(GridCommandsTest, PopupSpecialDayMakesTheDayCurrent) {
  RightClickAt(At(3, 25, 1));
  commands.PopupSpecialDay();
  EXPECT_EQ(grid.JuliusDay(), Day(3, 25));
  EXPECT_EQ(host.log, (Log{"EditSpecialDay 3/25"}));
}

// ---- the day-number box --------------------------------------------------------

struct DayBoxCase {
  const char* text;
  int opened;  // day of March 2004 opened, 0: none
  const char* message;
};

class DayNumberBoxTest : public GridCommandsTest, public ::testing::WithParamInterface<DayBoxCase> {};

TEST_P(DayNumberBoxTest, OpensADayOfTheShownMonthOrSaysWhy) {
  const DayBoxCase& c = GetParam();
  EXPECT_EQ(commands.DayNumberEntered(c.text), c.opened != 0);
  EXPECT_EQ(host.log, c.opened ? Log{"EditDay 3/" + std::to_string(c.opened)} : Log{});
  EXPECT_EQ(dialogs.Texts(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DayNumberBoxTest,
    ::testing::Values(DayBoxCase{"5", 5, ""}, DayBoxCase{" 31 ", 31, ""}, DayBoxCase{"", 0, ""},
                      DayBoxCase{"  ", 0, ""},
                      DayBoxCase{"32", 0, "[ 32 ]日は、日付に出来ません。"},
                      DayBoxCase{"0", 0, "[ 0 ]日は、日付に出来ません。"},
                      DayBoxCase{"-3", 0, "[ -3 ]日は、日付に出来ません。"},
                      DayBoxCase{"３", 0, "[ ３ ]日は、日付に出来ません。"},
                      DayBoxCase{"abc", 0, "[ abc ]日は、日付に出来ません。"}));

TEST_F(GridCommandsTest, DayNumber31InAThirtyDayMonthIsRefused) {
  grid.SetShownDate(2004, 4, 1);
  EXPECT_FALSE(commands.DayNumberEntered("31"));
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"[ 31 ]日は、日付に出来ません。"}));
  EXPECT_TRUE(host.log.empty());
}

TEST_F(GridCommandsTest, TheDaysTheReformDroppedAreNoDays) {
  grid.SetShownDate(1582, 10, 1);
  EXPECT_FALSE(commands.DayNumberEntered("10"));
  EXPECT_TRUE(commands.DayNumberEntered("15"));
}

TEST(DayNumberBoxKeys, OpeningAndKeys) {
  EXPECT_TRUE(GridCommands::OpensDayNumberBox(grid::kKeyDown, kCtrl, true, false));
  EXPECT_TRUE(GridCommands::OpensDayNumberBox(kKeyL, kCtrl, true, false));
  EXPECT_FALSE(GridCommands::OpensDayNumberBox(grid::kKeyDown, kPlain, true, false));
  EXPECT_FALSE(GridCommands::OpensDayNumberBox(kKeyL, kCtrl, false, false));  // year page
  EXPECT_FALSE(GridCommands::OpensDayNumberBox(kKeyL, kCtrl, true, true));    // entry box shown
  EXPECT_EQ(GridCommands::DayNumberBoxKey(kKeySpace), DayBoxKey::Enter);
  EXPECT_EQ(GridCommands::DayNumberBoxKey(kKeyReturn), DayBoxKey::Enter);
  EXPECT_EQ(GridCommands::DayNumberBoxKey(kKeyEscape), DayBoxKey::Clear);
  EXPECT_EQ(GridCommands::DayNumberBoxKey('5'), DayBoxKey::None);
}

}  // namespace
}  // namespace shell
