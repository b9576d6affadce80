#pragma once
// A canvas that records what is drawn, for tests of the calendars and of
// the windows built on them. Text metrics are fixed: an ASCII character is
// half the font height wide (rounded up), any other character the full
// height; every text is the font height high.
#include <string>
#include <string_view>
#include <vector>

#include "grid/canvas.h"
#include "grid/custom_calendar.h"

namespace grid {

struct DrawOp {
  enum class Kind { Text, Fill, Line };
  Kind kind = Kind::Text;
  Rect box;           // the text box or the filled area
  std::string text;
  TextStyle style;    // texts
  Point at;           // where the text starts after alignment (left, top)
  int width = 0;      // text width; line width
  Point from, to;     // lines
  Colour colour = 0;  // fills and lines; texts use style.colour
};

class RecordingCanvas : public Canvas {
 public:
  static int CharacterWidth(int fontHeight, bool ascii);

  Size TextSize(const CanvasFont& font, std::string_view text) override;
  void DrawText(const Rect& box, std::string_view text, const TextStyle& style) override;
  void FillRect(const Rect& area, Colour colour) override;
  void Line(Point from, Point to, Colour colour, int width) override;
  // The Windows 10 defaults: window white, window text black, button
  // shadow 0xA0A0A0 ...
  Colour SystemColour(int index) override;

  void Clear() { ops.clear(); }
  std::vector<const DrawOp*> Texts() const;
  // The first text drawn exactly as `text`; null when none.
  const DrawOp* FindText(std::string_view text) const;
  // Texts whose start point lies in `area`, in drawing order.
  std::vector<const DrawOp*> TextsIn(const Rect& area) const;
  std::vector<std::string> TextStringsIn(const Rect& area) const;
  std::vector<const DrawOp*> LinesIn(const Rect& area) const;
  // The colour of the last fill that covers `point`; -1 when none.
  long long FillColourAt(Point point) const;

  std::vector<DrawOp> ops;
};

// A render target that records each render afresh.
class RecordingTarget : public RenderTarget {
 public:
  Canvas* canvas() override {
    recording.Clear();
    ++renders;
    return &recording;
  }
  void Repaint() override { ++repaints; }

  RecordingCanvas recording;
  int renders = 0;
  int repaints = 0;
};

// Records every event a calendar sends, as short texts ("day 2024/3/5",
// "down 10,40", "click" ...).
class RecordingEvents : public CalendarEvents {
 public:
  void OnDayChange(TCustomCalendarEx&, int year, int month, int day) override;
  void OnMouseDown(TCustomCalendarEx&, const MouseEvent& event) override;
  void OnMouseUp(TCustomCalendarEx&, const MouseEvent& event) override;
  void OnClick(TCustomCalendarEx&) override { log.push_back("click"); }
  void OnDblClick(TCustomCalendarEx&) override { log.push_back("dblclick"); }
  bool OnKeyDown(TCustomCalendarEx&, int key, ShiftState) override;

  std::vector<std::string> log;
  bool handleKeys = false;
};

}  // namespace grid
