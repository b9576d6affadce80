// The grid at 96, 144 and 192 DPI on the recording canvas: the 96-DPI
// metrics scale, and what fitted at 96 DPI still fits.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "grid/monthly_calendar.h"
#include "grid/semcal_fixture.h"
#include "platform/dpi.h"

namespace grid {
namespace {

using platform::ScaleToDpi;

// The main window's "５行" and "６行（フォント小）" (its smallest font and
// gap), and the grid's own defaults.
SeMCalProps FiveLines() {
  SeMCalProps p;
  p.isFontBold = true;
  p.LenDayW = 132;
  p.LenHidukeH = 22;
  p.LenTopItem = 0;
  p.LenFontYoteiH = 12;
  p.LenBottomItem = 3;
  p.LenItemLeftM = 6;
  p.LenKinenC = 2;
  p.LenKinenNC = 1;
  p.LenDayH = 22 + 0 + 14 * 5 + 3;
  return p;
}

SeMCalProps SixLinesSmall() {
  SeMCalProps p = FiveLines();
  p.ItemGyo = 6;
  p.LenFontHidukeH = 16;
  p.LenFontNeighbH = 14;
  p.LenTopItem = 2;
  p.LenFontYoteiH = 11;
  p.LenGyokan = 1;
  p.LenBottomItem = 2;
  p.LenFontKinenbNH = 11;
  p.LenHidukeH = 19;
  p.LenHidukeW = 26;
  p.LenKinenC = 1;
  p.LenKinenNC = 0;
  p.LenDayW = 163;
  p.LenDayH = 19 + 2 + 12 * 6 + 2;
  return p;
}

int Content(const SeMCalProps& p) {
  return p.LenHidukeH + p.LenTopItem + p.ItemGyo * (p.LenFontYoteiH + p.LenGyokan) + p.LenBottomItem;
}

// ---- the metrics ---------------------------------------------------------

TEST(ScaledProps, At96NothingChanges) {
  for (const SeMCalProps& p : {SeMCalProps{}, FiveLines(), SixLinesSmall()})
    EXPECT_EQ(TSeMCal::ScaledProps(p, 96), p);
}

TEST(ScaledProps, FiveLinesAt144AndAt192) {
  const SeMCalProps m = TSeMCal::ScaledProps(FiveLines(), 144);
  EXPECT_EQ(m.LenDayW, 198);
  EXPECT_EQ(m.LenDayH, 143);  // 95 * 1.5 = 142.5
  EXPECT_EQ(m.LenFontYoteiH + m.LenGyokan, 21);
  EXPECT_EQ(m.LenFontYoteiH, 18);
  EXPECT_EQ(m.LenHidukeH + m.LenTopItem, 33);
  EXPECT_EQ(m.LenFontHidukeH, 27);
  EXPECT_EQ(m.ItemGyo, 5);
  EXPECT_TRUE(m.isFontBold);
  const SeMCalProps d = TSeMCal::ScaledProps(FiveLines(), 192);
  EXPECT_EQ(d.LenDayW, 264);
  EXPECT_EQ(d.LenDayH, 190);
  EXPECT_EQ(d.LenYoubiH, 48);
}

// Rounding each size on its own would give the lines of "６行（フォント小）"
// at 120 DPI 15 + 1 pixels, six times: two pixels more than the cell has.
TEST(ScaledProps, WhatFitsACellAt96FitsItAtEveryDpi) {
  for (SeMCalProps p : {SeMCalProps{}, FiveLines(), SixLinesSmall()})
    for (int items = 1; items <= 9; ++items) {
      p.ItemGyo = items;
      p.LenDayH = Content(p);
      for (int dpi = 96; dpi <= 288; ++dpi) {
        const SeMCalProps m = TSeMCal::ScaledProps(p, dpi);
        ASSERT_LE(Content(m), m.LenDayH) << items << " lines at " << dpi;
        ASSERT_GE(m.LenDayH, ScaleToDpi(p.LenDayH, dpi));
        // Rounding adds at most half a pixel per line and per gap.
        ASSERT_LE(m.LenDayH - ScaleToDpi(p.LenDayH, dpi), (items + 3) / 2) << items << " lines at " << dpi;
        ASSERT_GE(m.LenGyokan, 0);
      }
    }
}

TEST(ScaledProps, TheGridKeepsBothSetsAndSizesItself) {
  GridFixture f(2024, 5);
  f.grid.SetProps(FiveLines());
  f.grid.SetDpi(144);
  EXPECT_EQ(f.grid.GridProps().LenDayW, 132);  // what the owner set stays
  EXPECT_EQ(f.grid.Metrics().LenDayW, 198);
  EXPECT_EQ(f.grid.LineStep(), 21);
  EXPECT_EQ(f.grid.ItemsTop(), 33);
  EXPECT_EQ(f.grid.ColumnThird(), 67);
  EXPECT_EQ(f.grid.GridSize(), (Size{7 * 198, 36 + 6 * 143}));
  f.grid.Set(&SeMCalProps::LenDayW, 140);  // a new 96-DPI value is scaled too
  EXPECT_EQ(f.grid.Metrics().LenDayW, 210);
  f.grid.SetDpi(0);  // nonsense: 96
  EXPECT_EQ(f.grid.Metrics(), f.grid.GridProps());
}

// ---- painting at three DPIs ----------------------------------------------

struct Extent {
  Rect box;  // where the text is, as wide as measured and as high as its font
  bool cut;  // the text's own box cuts it
};

Extent ExtentOf(const DrawOp& op) {
  const Rect at{op.at.x, op.at.y, op.at.x + op.width, op.at.y + op.style.font.height};
  const bool inside = at.left >= op.box.left && at.right <= op.box.right && at.top >= op.box.top &&
                      at.bottom <= op.box.bottom;
  return {at, op.style.clip && !inside};
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// What a painted grid shows, with no pixel numbers in it: the texts and
// bars of each cell, which texts are cut or leave their cell, and which
// overlap another.
struct Picture {
  std::multiset<std::string> texts;
  std::set<std::string> cut, outsideCell, overlapping;
  int bars = 0;
  bool operator==(const Picture&) const = default;
};

class GridAtDpi : public testing::TestWithParam<std::tuple<int, int>> {
 protected:
  int Dpi() const { return std::get<1>(GetParam()); }
  SeMCalProps Props() const { return std::get<0>(GetParam()) == 0 ? FiveLines() : SixLinesSmall(); }

  // May 2024 with a full day (an overflow), a day of three entries, a
  // holiday, a special day and two periods, on a grid at `dpi`.
  static void Fill(GridFixture& f, const SeMCalProps& props, int dpi) {
    f.grid.SetProps(props);
    f.grid.SetHolidayList({"5,3,憲法記念日", "5,6,振替休日"});
    f.grid.SetSpecialDayList({"5,14,結婚記念日"});
    for (const char* text : {"9:00 朝礼", "資料提出締切", "14:00 営業会議", "A社訪問", "B社訪問", "C社訪問",
                             "報告書作成"})
      f.AddEntry(1, 8, text);
    for (const char* text : {"歯医者 16:30", "<B>重要</B>", "<S>中止</S>"}) f.AddEntry(1, 21, text, "clRed");
    f.AddPeriod({{2024, 5, 13}, "M", {2024, 5, 17}, "E", {2024, 5, 15}, "2", "clBlue", "研修"});
    f.AddPeriod({{2024, 5, 15}, "A", {2024, 5, 22}, "M", {2024, 5, 20}, "3", "clRed", "展示会"});
    f.grid.SetDpi(dpi);
    const Size size = f.grid.GridSize();
    f.grid.SetClientSize({size.width + ScaleToDpi(3, dpi), size.height + ScaleToDpi(3, dpi)});
    f.grid.Rebuild();
  }

  static Picture Look(GridFixture& f) {
    Picture p;
    const auto texts = f.canvas().Texts();
    for (int cell = 0; cell < kCellCount; ++cell) {
      const Rect r = f.CellRect(cell);
      std::vector<std::pair<const DrawOp*, Extent>> in;
      for (const DrawOp* op : texts)
        if (r.Contains(op->at)) in.push_back({op, ExtentOf(*op)});
      for (const auto& [op, extent] : in) {
        const std::string name = std::to_string(cell) + ":" + op->text;
        p.texts.insert(name);
        if (extent.cut) p.cut.insert(name);
        if (extent.box.bottom > r.bottom || extent.box.top < r.top) p.outsideCell.insert(name);
        for (const auto& [other, otherExtent] : in)
          if (other != op && Overlap(extent.box, otherExtent.box)) p.overlapping.insert(name);
      }
    }
    for (const DrawOp& op : f.canvas().ops)
      if (op.kind == DrawOp::Kind::Line && op.colour != kCellLineColour && op.colour != 0xA0A0A0) ++p.bars;
    return p;
  }
};

TEST_P(GridAtDpi, ShowsWhatItShowsAt96) {
  GridFixture base(2024, 5, calendar::DateToJulius(2024, 5, 21));
  Fill(base, Props(), 96);
  GridFixture scaled(2024, 5, calendar::DateToJulius(2024, 5, 21));
  Fill(scaled, Props(), Dpi());
  const Picture at96 = Look(base);
  const Picture here = Look(scaled);
  EXPECT_EQ(here.texts, at96.texts);
  EXPECT_EQ(here.cut, at96.cut);
  EXPECT_EQ(here.outsideCell, at96.outsideCell);
  EXPECT_EQ(here.overlapping, at96.overlapping);
  EXPECT_EQ(here.bars, at96.bars);
  EXPECT_TRUE(at96.outsideCell.empty());
  EXPECT_TRUE(at96.overlapping.empty());
  EXPECT_GE(at96.texts.size(), 55u);
  EXPECT_EQ(at96.bars, 17);  // five cells and eight, a tick at each end
}

TEST_P(GridAtDpi, CellsAndTextsScale) {
  GridFixture f(2024, 5, calendar::DateToJulius(2024, 5, 21));
  const SeMCalProps props = Props();
  Fill(f, props, Dpi());
  const Rect cell = f.CellRectOf(2024, 5, 8);
  EXPECT_EQ(cell.Width(), ScaleToDpi(props.LenDayW, Dpi()));
  EXPECT_GE(cell.Height(), ScaleToDpi(props.LenDayH, Dpi()));
  const DrawOp* number = f.canvas().FindText("8");
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->style.font.height, ScaleToDpi(props.LenFontHidukeH, Dpi()));
  EXPECT_EQ(f.canvas().FindText("憲法記念日")->style.font.height, ScaleToDpi(props.LenFontKinenbH, Dpi()));
  const DrawOp* entry = f.canvas().FindText("歯医者 16:30");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->style.font.height, ScaleToDpi(props.LenFontYoteiH, Dpi()));
  EXPECT_EQ(entry->at.x - f.CellRectOf(2024, 5, 21).left, ScaleToDpi(props.LenItemLeftM, Dpi()));
  const DrawOp* weekday = f.canvas().FindText("水");
  EXPECT_EQ(weekday->box.Height(), ScaleToDpi(props.LenYoubiH, Dpi()));
}

TEST_P(GridAtDpi, BarsScaleAndStayInTheirLine) {
  GridFixture f(2024, 5);
  Fill(f, Props(), Dpi());
  const Rect start = f.CellRectOf(2024, 5, 15);
  // "展示会" starts at noon: 50 pixels into the cell at 96 DPI.
  bool found = false;
  for (const DrawOp* op : f.canvas().LinesIn(start)) {
    if (op->colour != 0x0000FF || op->from.y != op->to.y) continue;
    found = true;
    EXPECT_EQ(op->from.x - start.left, ScaleToDpi(50, Dpi()));
    EXPECT_EQ(op->width, platform::LineWidthForDpi(3, Dpi()));
    const int slot = 1;
    const int lineTop = start.top + f.grid.ItemsTop() + slot * f.grid.LineStep();
    EXPECT_GE(op->from.y - op->width / 2, lineTop);
    EXPECT_LT(op->from.y + op->width / 2, lineTop + f.grid.LineStep());
  }
  EXPECT_TRUE(found);
}

TEST_P(GridAtDpi, EveryLineIsHitWhereItIsDrawn) {
  GridFixture f(2024, 5);
  Fill(f, Props(), Dpi());
  const int cell = f.CellOf(2024, 5, 8);
  const Rect r = f.CellRect(cell);
  for (int slot = 0; slot < f.grid.GridProps().ItemGyo; ++slot) {
    const Point p = f.PointInSlot(cell, slot);
    const HitResult hit = f.grid.HitTest(p.x, p.y);
    EXPECT_EQ(hit.Cell(), cell);
    EXPECT_EQ(hit.line, slot + 1);
    const Point last{p.x, r.top + f.grid.ItemsTop() + (slot + 1) * f.grid.LineStep() - 1};
    EXPECT_EQ(f.grid.HitTest(last.x, last.y).line, slot + 1);
  }
  EXPECT_EQ(f.grid.HitTest(r.left + 5, r.top + ScaleToDpi(3, Dpi())).line, f.grid.GridProps().ItemGyo + 1);
  EXPECT_EQ(f.grid.HitTest(r.left + r.Width() / 2, r.top + 40).third, 2);
}

// A pen of width w at x covers x - w/2 .. x + (w-1)/2 (GdiCanvas's test).
TEST_P(GridAtDpi, CellLinesStayInsideTheirCell) {
  GridFixture f(2024, 5);
  Fill(f, Props(), Dpi());
  const Rect inner = f.CellRect(8);
  const int width = platform::LineWidthForDpi(1, Dpi());
  int rules = 0;
  for (const DrawOp* op : f.canvas().LinesIn(inner)) {
    if (op->colour != kCellLineColour) continue;
    ++rules;
    EXPECT_EQ(op->width, width);
    const bool vertical = op->from.x == op->to.x;
    const int at = vertical ? op->from.x : op->from.y, edge = vertical ? inner.right : inner.bottom;
    EXPECT_EQ(at + (width - 1) / 2, edge - 1) << "the rule ends at the cell's last pixel";
    EXPECT_EQ(at - width / 2, edge - width);
  }
  EXPECT_EQ(rules, 2);
}

INSTANTIATE_TEST_SUITE_P(Modes, GridAtDpi,
                         testing::Combine(testing::Values(0, 1), testing::Values(96, 144, 192)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param) == 0 ? "FiveLines" : "SixLinesSmall") +
                                  "At" + std::to_string(std::get<1>(info.param));
                         });

// ---- the year page's small calendar --------------------------------------

TEST(SmallCalendarDpi, FontsFollowTheDpiCellsTheClientSize) {
  for (int dpi : {96, 144, 192}) {
    RecordingTarget target;
    TSeMCalendar cal(calendar::DateToJulius(2024, 5, 15));
    cal.SetTarget(&target);
    cal.SetSmallProps({false, true, 0xD0FFD5});
    cal.SetDpi(dpi);
    cal.SetClientSize({ScaleToDpi(184, dpi), ScaleToDpi(125, dpi)});
    const DrawOp* fifteen = target.recording.FindText("15");
    ASSERT_NE(fifteen, nullptr);
    EXPECT_EQ(fifteen->style.font.height, PointsToPixels(12, dpi));
    EXPECT_EQ(cal.CellRect(6, 6).right, ScaleToDpi(184, dpi));
    int rules = 0;
    for (const DrawOp& op : target.recording.ops) {
      if (op.kind != DrawOp::Kind::Line) continue;
      ++rules;
      EXPECT_EQ(op.width, platform::LineWidthForDpi(1, dpi));
      // None along the last 4 (96-DPI) pixels of the edges.
      if (op.from.x == op.to.x) {
        EXPECT_LT(op.from.x, ScaleToDpi(184, dpi) - ScaleToDpi(4, dpi));
      }
    }
    EXPECT_GT(rules, 40);
  }
}

}  // namespace
}  // namespace grid
