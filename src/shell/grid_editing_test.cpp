#include "shell/grid_editing.h"

#include <gtest/gtest.h>

#include "grid/canvas_testutil.h"
#include "platform/doubles_testutil.h"
#include "shell/edit_flows_testutil.h"
#include "shell/fakes_testutil.h"
#include "shell/grid_view.h"
#include "support/cp932.h"
#include "support/paths.h"
#include "support/text.h"

namespace shell {
namespace {

using calendar::DateToJulius;
using grid::MouseButton;
using grid::MouseEvent;

constexpr store::Color kRed = 0x0000FF;  // clRed

// The main window's part around the edits: the grid shows the cycle's
// slots, and its mouse events go to the grid commands.
class GridWindow : public FakeShellView, public grid::CalendarEvents {
 public:
  GridWindow() : grid(DateToJulius(2026, 12, 8), nullptr) {
    grid.SetTarget(&target);
    grid.SetEvents(this);
    grid.SetClientSize({7 * 128 + 3, 6 * 95 + 24 + 3});
  }

  void ShowSlot(int slot, calendar::DayNumber day) override {
    FakeShellView::ShowSlot(slot, day);
    following = true;
    ShowCycleSlot(grid, *cycle, slot, day);
    following = false;
  }
  // The grid moved by itself, as MainWindow::OnDayChange hears it.
  void OnDayChange(grid::TCustomCalendarEx&, int year, int month, int day) override {
    if (!following) cycle->FollowGrid({year, month, day});
  }
  void Refresh() override {
    FakeShellView::Refresh();
    grid.Rebuild();
  }

  void OnMouseDown(grid::TCustomCalendarEx&, const MouseEvent& e) override { commands->MouseDown(e); }
  void OnMouseMove(grid::TCustomCalendarEx&, const MouseEvent& e) override { commands->MouseMove(e); }
  void OnMouseUp(grid::TCustomCalendarEx&, const MouseEvent& e) override { commands->MouseUp(e); }
  void OnDblClick(grid::TCustomCalendarEx&) override { commands->DblClick(); }

  // The date band of `day` in December 2026, in its morning, noon or evening.
  MouseEvent At(int day, int third = 2, grid::ShiftState shift = {}) const {
    return AtDate({2026, 12, day}, third, shift);
  }
  MouseEvent AtDate(const calendar::Date& d, int third = 2, grid::ShiftState shift = {},
                    MouseButton button = MouseButton::Left) const {
    const auto& p = grid.GridProps();
    const int cell = CellOf(d);
    const int x = (cell % 7) * p.LenDayW + (2 * third - 1) * p.LenDayW / 6;
    const int y = p.LenYoubiH + (cell / 7) * p.LenDayH + 4;
    return {button, shift, x, y};
  }
  int CellOf(const calendar::Date& d) const {
    return DateToJulius(d.year, d.month, d.day) - grid.CachedFirstShownDay();
  }
  // Entry lines the grid laid out in the cell of `d`.
  int EntriesIn(const calendar::Date& d) const {
    int n = 0;
    for (const grid::Slot& slot : grid.Slots()[CellOf(d)]) n += !slot.Free() && !slot.IsPeriod();
    return n;
  }
  calendar::Date Shown() const { return calendar::JuliusToDate(grid.JuliusDay()); }

  grid::RecordingTarget target;
  grid::TSeMCal grid;
  MonthCycle* cycle = nullptr;
  GridCommands* commands = nullptr;
  bool following = false;
};

// Format 2 data of December 2026 (today is 8 December) and the program
// with its grid, controller and edits.
class GridEditingTest : public ::testing::Test {
 protected:
  GridEditingTest() {
    fake.system.programFolder = program.path();
    for (const char* f : {"Data", "Data/Files1", "Data/Files2"}) fake.fs.CreateFolder(Folder(f));
    fake.fs.WriteAtomic(Folder("Data/Files1/CaFromTo.kdf"), Cp932Lines({"***** FromTo予定 [Data\\Files1\\]"}));
    controller = std::make_unique<MainController>(fake.services, ParseSwitches({}), window);
    window.cycle = &controller->cycle();
    EXPECT_TRUE(controller->Create());
    editing = std::make_unique<GridEditing>(fake.services, *controller, window.grid, window, editor);
    window.commands = &editing->commands();
  }

  std::string Folder(const std::string& relative) const { return support::JoinPath(program.path(), relative); }
  std::vector<std::string> FileLines(const std::string& relative) {
    const auto bytes = fake.fs.ReadAll(Folder(relative));
    return bytes ? support::SplitLines(support::Cp932ToUtf8(*bytes)) : std::vector<std::string>{};
  }
  void Press(const MouseEvent& e) {
    window.grid.MouseDown(e);
    window.grid.MouseUp(e);
  }

  platform::TempFolder program;
  platform::FakeServices fake;
  GridWindow window;
  FakeDayEditor editor;
  std::unique_ptr<MainController> controller;
  std::unique_ptr<GridEditing> editing;
};

TEST_F(GridEditingTest, ADoubleClickedDayIsWrittenIntoItsMonthFileAtTheClose) {
  editor.Write(std::vector<store::DayEntry>{{"歯医者", {kRed}}, {"会議,第二", {}}});
  Press(window.At(15));
  window.grid.DblClick();
  ASSERT_EQ(editor.days.size(), 1u);
  EXPECT_EQ(editor.days[0].day, 15);
  ASSERT_TRUE(controller->SaveAll());
  EXPECT_EQ(FileLines("Data/Files1/Ca202612.kdf"),
            (std::vector<std::string>{" 0,0,9,2026/12 [Data\\Files1\\]", "15,1,,歯医者,clRed,,,,,",
                                      "15,2,,会議，第二,,,,,,"}));
}

// Pop-up day commands on a neighbour-month cell used to move the grid
// while the cycle stayed on the old month: the month was drawn without any
// entry, the pasted ones included.
TEST_F(GridEditingTest, ADayPastedOnANeighbourCellIsShownWithItsEntries) {
  editor.Write(std::vector<store::DayEntry>{{"歯医者", {kRed}}, {"会議", {}}});
  Press(window.At(8));
  window.grid.DblClick();
  Press(window.AtDate({2026, 12, 8}, 2, {}, MouseButton::Right));
  ASSERT_TRUE(editing->commands().OpenPopup());
  editing->commands().PopupDayCopy();
  const calendar::Date january2{2027, 1, 2};  // in the grid's last rows
  Press(window.AtDate(january2, 2, {}, MouseButton::Right));
  ASSERT_TRUE(editing->commands().OpenPopup()->items.dayPaste);
  editing->commands().PopupDayPaste();
  EXPECT_EQ(window.Shown(), january2);
  EXPECT_EQ(controller->cycle().current(), 2);
  EXPECT_EQ(window.EntriesIn(january2), 2);
  EXPECT_EQ(FileLines("Data/Files1/Ca202701.kdf"),
            (std::vector<std::string>{" 0,0,9,2027/ 1 [Data\\Files1\\]", " 2,1,,歯医者,clRed,,,,,",
                                      " 2,2,,会議,,,,,,"}));
}

// A jump beyond the window's first month reloads through the extra slot
// and clears the grid's flag, so later jumps inside the window move the
// cycle again.
TEST_F(GridEditingTest, NeighbourJumpsBeyondTheWindowAndBackShowTheirEntries) {
  fake.fs.WriteAtomic(Folder("Data/Files1/Ca202610.kdf"),
                      Cp932Lines({" 0,0,9,2026/10 [Data\\Files1\\]", "28,1,,十月の予定,,,,,,"}));
  fake.fs.WriteAtomic(Folder("Data/Files1/Ca202611.kdf"),
                      Cp932Lines({" 0,0,9,2026/11 [Data\\Files1\\]", " 3,1,,十一月の予定,,,,,,"}));
  controller->cycle().ReloadAll();
  auto props = window.grid.Props();
  props.NeighborJump = true;
  window.grid.SetCalendarProps(props);
  controller->cycle().GoToMonth("202611");
  Press(window.AtDate({2026, 10, 28}));
  EXPECT_EQ(window.Shown(), (calendar::Date{2026, 10, 28}));
  EXPECT_TRUE(controller->cycle().outside());
  EXPECT_FALSE(window.grid.ReloadNeeded());
  EXPECT_EQ(window.EntriesIn({2026, 10, 28}), 1);
  Press(window.AtDate({2026, 11, 3}));
  EXPECT_FALSE(controller->cycle().outside());
  EXPECT_EQ(controller->cycle().current(), 0);
  EXPECT_EQ(window.EntriesIn({2026, 11, 3}), 1);
  Press(window.AtDate({2026, 12, 1}));  // a jump inside the window moves the cycle
  EXPECT_EQ(controller->cycle().current(), 1);
}

TEST_F(GridEditingTest, AnAltDragFromEveningToMorningStoresThePeriodLine) {
  const grid::ShiftState alt{false, false, true};
  window.grid.MouseDown(window.At(3, 3, alt));
  window.grid.MouseMove(window.At(4, 2, alt));
  window.grid.MouseUp(window.At(5, 1, alt));
  ASSERT_EQ(editor.periods.size(), 1u);
  editors::PeriodPage page = editor.periods[0];
  EXPECT_EQ(page.start, (store::PeriodDate{2026, 12, 3}));
  EXPECT_EQ(page.startPart, store::DayPart::Evening);
  EXPECT_EQ(page.endPart, store::DayPart::Morning);
  // Nothing queued: that showing was cancelled. Again, and written.
  page.text = "出張";
  editor.Write(page);
  window.grid.MouseDown(window.At(3, 3, alt));
  window.grid.MouseUp(window.At(5, 1, alt));
  ASSERT_TRUE(controller->SaveAll());
  const auto lines = FileLines("Data/Files1/CaFromTo.kdf");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].rfind("2026,12, 3,E,2026,12, 5,M,2026,12, 4,1,clBlue,出張,", 0), 0u) << lines[1];
}

}  // namespace
}  // namespace shell
