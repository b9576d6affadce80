// Lays out and paints a month grid from arbitrary month and period lines.
// Input: two option bytes, then month lines, a line "---", then period
// lines. Nothing may raise or read out of bounds, whatever the lines hold.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/semcal.h"
#include "support/text.h"

namespace {

// Fixed metrics, like the tests' recording canvas, without keeping anything.
class CountingCanvas : public grid::Canvas {
 public:
  grid::Size TextSize(const grid::CanvasFont& font, std::string_view text) override {
    int width = 0;
    for (unsigned char c : text)
      if ((c & 0xC0) != 0x80) width += c < 0x80 ? (font.height + 1) / 2 : font.height;
    return {width, font.height};
  }
  void DrawText(const grid::Rect&, std::string_view text, const grid::TextStyle&) override {
    chars += text.size();
  }
  void FillRect(const grid::Rect&, grid::Colour) override { ++fills; }
  void Line(grid::Point, grid::Point, grid::Colour, int) override { ++lines; }
  grid::Colour SystemColour(int index) override { return index == 5 ? 0xFFFFFF : 0; }
  std::size_t chars = 0, fills = 0, lines = 0;
};

class Target : public grid::RenderTarget {
 public:
  grid::Canvas* canvas() override { return &canvas_; }
  void Repaint() override {}
  CountingCanvas canvas_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint8_t options = data[0], sizes = data[1];
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::size_t cut = text.find("\n---\n");
  const std::string_view monthText = text.substr(0, cut);
  const std::string_view periodText = cut == std::string_view::npos ? std::string_view() : text.substr(cut + 5);

  std::array<store::MonthSlot, 5> months;
  for (int i = 0; i < 5; ++i) {
    int year = 2024, month = 4 + i;
    months[i].year = year;
    months[i].month = month;
    months[i].lines = support::SplitLines(monthText);
  }
  store::PeriodList periods;
  periods.lines = support::SplitLines(periodText);
  periods.selected = periods.lines.empty() ? 0 : sizes % periods.lines.size();

  Target target;
  grid::TSeMCal cal(calendar::DateToJulius(2024, 5, 15));
  cal.SetTarget(&target);
  cal.SetClientSize({7 * 128 + 3, 6 * 95 + 27});
  grid::SeMCalProps props = cal.GridProps();
  props.ItemGyo = sizes % 12;  // out of range on purpose: kept within 1..9
  props.UeTume = options & 1;
  props.TukiMemo = options & 2;
  props.TukiMUeTume = options & 4;
  props.LenFontHidukeH = 8 + (sizes >> 4) * 4;
  cal.SetProps(props);
  grid::CalendarProps common = cal.Props();
  common.ShowRokuyo = options & 8;
  common.ShowNeighbor = options & 16;
  common.NeighborJump = true;
  common.FirstDayOfWeek = static_cast<grid::TDayOfWeek>((options >> 5) % 7);
  cal.SetCalendarProps(common);
  cal.SetSpecialDayList(support::SplitLines(monthText.substr(0, 200)));
  for (int i = 0; i < 5; ++i) cal.SetMonthRecord(i, &months[i]);
  cal.SetPeriodList(&periods);
  cal.SetShownDate(2024, 5, 15);
  cal.Rebuild();

  for (int cell = 0; cell < grid::kCellCount; ++cell) cal.CellContent(cell % 7, cell / 7 + 1);
  const int x = (sizes * 7) % 900, y = (options * 3) % 600;
  cal.MouseDown({grid::MouseButton::Left, {}, x, y});
  cal.SlotAt(cal.HitTest(x, y));
  return 0;
}
