#include "shell/grid_editing.h"

#include <gtest/gtest.h>

#include "grid/canvas_testutil.h"
#include "platform/doubles_testutil.h"
#include "shell/edit_flows_testutil.h"
#include "shell/fakes_testutil.h"
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
    const bool inside = slot < kWindowSlots;
    for (int i = 0; i < kWindowSlots; ++i)
      grid.SetMonthRecord(i, inside ? &cycle->slot(i).data
                                    : i == kCurrentMonthSlot ? &cycle->slot(kExtraSlot).data : nullptr);
    grid.SetCurrentMonthIndex(inside ? slot : kCurrentMonthSlot);
    grid.SetWindowDays(cycle->windowFirstDay(), cycle->windowLastDay());
    grid.SetPeriodList(&cycle->periods());
    grid.SetJuliusDay(day, false);
    grid.Rebuild();
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
    const auto& p = grid.GridProps();
    const int cell = DateToJulius(2026, 12, day) - grid.CachedFirstShownDay();
    const int x = (cell % 7) * p.LenDayW + (2 * third - 1) * p.LenDayW / 6;
    const int y = p.LenYoubiH + (cell / 7) * p.LenDayH + 4;
    return {MouseButton::Left, shift, x, y};
  }

  grid::RecordingTarget target;
  grid::TSeMCal grid;
  MonthCycle* cycle = nullptr;
  GridCommands* commands = nullptr;
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
