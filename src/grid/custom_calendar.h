#pragma once
// TCustomCalendarEx, the base of every calendar control: the day
// classifier, the seven fonts, the selected day and the events, drawn
// through a Canvas into whatever the host window provides. No HWND here:
// the Win32 hosts (`_win.cpp`) forward their messages to these classes and
// tests drive them directly.
#include <array>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "calendar/day_classifier.h"
#include "calendar/julius.h"
#include "grid/canvas.h"

namespace grid {

using calendar::CalFont;
using calendar::DayNumber;

// Weekday of the first column; counts from Sunday = 0 (the engine's
// weekdays count from Sunday = 1).
enum TDayOfWeek : int { dowSun = 0, dowMon, dowTue, dowWed, dowThu, dowFri, dowSat };

enum class MouseButton { Left, Right, Middle };

struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

struct MouseEvent {
  MouseButton button = MouseButton::Left;
  ShiftState shift;
  int x = 0;
  int y = 0;
  bool doubleClick = false;  // the press that made a double-click
};

// Virtual-key codes the calendars use themselves.
inline constexpr int kKeyPageUp = 0x21;
inline constexpr int kKeyPageDown = 0x22;
inline constexpr int kKeyLeft = 0x25;
inline constexpr int kKeyUp = 0x26;
inline constexpr int kKeyRight = 0x27;
inline constexpr int kKeyDown = 0x28;

class TCustomCalendarEx;

// What a calendar tells its owner (the main window, the year page).
class CalendarEvents {
 public:
  virtual ~CalendarEvents() = default;
  virtual void OnDayChange(TCustomCalendarEx& sender, int year, int month, int day) {}
  virtual void OnMouseDown(TCustomCalendarEx& sender, const MouseEvent& event) {}
  virtual void OnMouseMove(TCustomCalendarEx& sender, const MouseEvent& event) {}
  virtual void OnMouseUp(TCustomCalendarEx& sender, const MouseEvent& event) {}
  virtual void OnClick(TCustomCalendarEx& sender) {}
  virtual void OnDblClick(TCustomCalendarEx& sender) {}
  // A key the calendar does not use; true when the owner used it.
  virtual bool OnKeyDown(TCustomCalendarEx& sender, int key, ShiftState shift) { return false; }
  virtual void OnKeyPress(TCustomCalendarEx& sender, char32_t character) {}
  // Right click or the menu key; `screen` in screen coordinates.
  virtual void OnContextMenu(TCustomCalendarEx& sender, Point screen) {}
};

// Where a calendar draws: the host's off-screen bitmap, or a test's
// recording. canvas() may be null (layout only).
class RenderTarget {
 public:
  virtual ~RenderTarget() = default;
  virtual Canvas* canvas() = 0;
  // The bitmap changed: copy it to the screen soon.
  virtual void Repaint() = 0;
};

// The seven fonts; any change re-renders the owner. With Synchronize on,
// setting one font gives all seven its face, size and weight; each keeps
// its own colour, which is what tells the kinds of day apart.
class TCalExFonts {
 public:
  explicit TCalExFonts(std::function<void()> onChange) : onChange_(std::move(onChange)) {}

  const calendar::FontSpec& operator[](CalFont which) const { return fonts_[which]; }
  const calendar::TCalExFonts& Specs() const { return fonts_; }
  void SetFont(CalFont which, const calendar::FontSpec& font);
  void SetColour(CalFont which, Colour colour);
  void SetSize(CalFont which, int size);
  bool Synchronize() const { return synchronize_; }
  void SetSynchronize(bool on) { synchronize_ = on; }

 private:
  void Store(CalFont which, const calendar::FontSpec& font);
  calendar::TCalExFonts fonts_;
  bool synchronize_ = false;
  std::function<void()> onChange_;
};

// The view settings every calendar shares.
struct CalendarProps {
  TDayOfWeek FirstDayOfWeek = dowSun;
  Colour NeighborColor = 0xC0C0C0;
  Colour DayOfWeekBkColor = 0xE1E1E1;
  bool ShowNeighbor = true;
  bool NeighborJump = false;  // stored only
  bool AutoResize = false;
  bool FirstRowFirstDay = false;
  bool LastRowLastDay = false;
  bool ShowRokuyo = false;
  bool IsToDay = true;

  bool operator==(const CalendarProps&) const = default;
};

// Screen pixels of a font size in points, at 96 dots per inch unless told.
int PointsToPixels(int points, int dpi = 96);

class TCustomCalendarEx {
 public:
  explicit TCustomCalendarEx(DayNumber today);
  virtual ~TCustomCalendarEx() = default;
  TCustomCalendarEx(const TCustomCalendarEx&) = delete;
  TCustomCalendarEx& operator=(const TCustomCalendarEx&) = delete;

  void SetTarget(RenderTarget* target) { target_ = target; }
  void SetEvents(CalendarEvents* events) { events_ = events; }
  CalendarEvents* Events() const { return events_; }
  Size ClientSize() const { return client_; }
  // The host resized its bitmap; lays out and paints again.
  void SetClientSize(Size size);

  // The DPI of the window that shows the calendar; sizes given in 96-DPI
  // numbers (fonts, gaps, the grid's metrics) are drawn scaled to it. A
  // change lays out and paints again.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi);
  // A 96-DPI size at the calendar's DPI.
  int Px(int pixels96) const;
  // A 96-DPI line width at the calendar's DPI: whole pixels, one stays one
  // up to 191 DPI.
  int LineWidth(int width96) const;

  // The day classifier: rule lists and switches; changes re-render.
  calendar::DayClassifier& Classifier() { return days_; }
  const calendar::DayClassifier& Classifier() const { return days_; }
  const std::vector<std::string>& HolidayList() const { return days_.HolidayList(); }
  const std::vector<std::string>& SpecialDayList() const { return days_.SpecialDayList(); }
  void SetHolidayList(std::vector<std::string> lines) { days_.SetHolidayList(std::move(lines)); }
  void SetSpecialDayList(std::vector<std::string> lines) { days_.SetSpecialDayList(std::move(lines)); }
  bool AutoEquinox() const { return days_.AutoEquinox(); }
  bool AutoFurikae() const { return days_.AutoFurikae(); }
  void SetAutoEquinox(bool on) { days_.SetAutoEquinox(on); }
  void SetAutoFurikae(bool on) { days_.SetAutoFurikae(on); }

  TCalExFonts& Fonts() { return fonts_; }
  const TCalExFonts& Fonts() const { return fonts_; }
  Colour Color() const { return color_; }
  void SetColor(Colour colour);
  const CalendarProps& Props() const { return props_; }
  void SetCalendarProps(const CalendarProps& props);
  template <class T>
  void Set(T CalendarProps::*field, std::type_identity_t<T> value) {
    CalendarProps changed = props_;
    changed.*field = value;
    SetCalendarProps(changed);
  }
  // The system's abbreviated weekday names, Sunday first (default 日..土).
  const std::array<std::string, 7>& WeekdayNames() const { return weekdayNames_; }
  void SetWeekdayNames(const std::array<std::string, 7>& names);

  // The selected day. Changing it re-renders and then fires OnDayChange
  // (unless `notify` is false).
  DayNumber JuliusDay() const { return julius_; }
  void SetJuliusDay(DayNumber day, bool notify = true);
  int Year() const { return date_.year; }
  int Month() const { return date_.month; }
  int Day() const { return date_.day; }
  // Keep the other two parts; an invalid result changes nothing. The days
  // of the 1582 reform gap raise calendar::EJuliusError.
  void SetYear(int year);
  void SetMonth(int month);
  void SetDay(int day);
  DayNumber Today() const { return today_; }
  void SetToday(DayNumber today);

  // Day number of the top-left day cell and the number of rows, the
  // weekday row included.
  virtual DayNumber FirstShownDay() const;
  virtual int RowCount() const;
  // Layout and paint the whole bitmap, then ask for a repaint.
  virtual void Render();
  // Render unless updates are suspended.
  void Rebuild();

  virtual calendar::DayKind GetDayKind(int year, int month, int day) const;
  virtual CalFont GetDayFont(int year, int month, int day) const;
  virtual std::string GetDayNames(int year, int month, int day) const;

  // Input from the host window. A click is a left press and release in the
  // calendar (Click comes before that MouseUp); a double-click sends
  // DblClick and then MouseDown with doubleClick set.
  virtual void MouseDown(const MouseEvent& event);
  virtual void MouseMove(const MouseEvent& event);
  virtual void MouseUp(const MouseEvent& event);
  void Click();
  virtual void DblClick();
  // True when the calendar or its owner used the key.
  virtual bool KeyDown(int key, ShiftState shift);
  void KeyPress(char32_t character);
  void ContextMenu(Point screen);

  // The weekday row's text colour: the Sunday font's for 日/SUN, the
  // Saturday font's for 土/SAT, else `other`.
  Colour WeekdayHeaderColour(Canvas& canvas, const std::string& name, Colour other) const;

 protected:
  virtual bool UpdatesSuspended() const { return false; }
  virtual void Layout() {}
  virtual void Paint(Canvas& canvas) = 0;
  virtual void DayChanged();
  virtual void RulesChanged();
  // The DPI changed, before the calendar renders at it.
  virtual void DpiChanged() {}
  // The font of `which` as drawn at `height` pixels.
  CanvasFont FontOf(CalFont which, int height, bool bold = false) const;
  // The colour of font `which`, resolved for drawing.
  Colour FontColour(Canvas& canvas, CalFont which) const;
  void Repaint();
  RenderTarget* Target() const { return target_; }

 private:
  calendar::DayClassifier days_;
  TCalExFonts fonts_;
  Colour color_ = kClWindow;
  CalendarProps props_;
  std::array<std::string, 7> weekdayNames_;
  DayNumber julius_;
  calendar::Date date_;
  DayNumber today_;
  Size client_;
  int dpi_ = 96;
  RenderTarget* target_ = nullptr;
  CalendarEvents* events_ = nullptr;
};

}  // namespace grid
