#pragma once
// The Win32 windows of the calendars. CalendarHost puts any calendar into
// a child window: it owns the off-screen bitmap the calendar draws into,
// copies it to the screen on WM_PAINT (no background erase), re-renders on
// resize, asks the dialog manager for arrow keys and characters, and turns
// mouse and key messages into the calendar's input calls, which reach the
// owner through CalendarEvents.
#include <windows.h>

#include <memory>

#include "grid/custom_calendar.h"
#include "grid/gdi_canvas_win.h"
#include "grid/semcal.h"
#include "platform/window_win.h"

namespace grid {

inline constexpr wchar_t kSeMCalClass[] = L"TSeMCal";
inline constexpr wchar_t kSeMCalendarClass[] = L"TSeMCalendar";

class CalendarHost : public platform::Window, public RenderTarget {
 public:
  explicit CalendarHost(TCustomCalendarEx& calendar) : calendar_(calendar) {}
  ~CalendarHost() override;

  // A child window of `className` at `bounds` (outer size, sunken edge
  // included, in pixels of the parent); the calendar then draws into it.
  // With `followWindowDpi` the calendar draws at the window's DPI, and at a
  // new one when the parent passes it on (SetDpi) or the system says so
  // (WM_DPICHANGED_AFTERPARENT); without, its owner sets the calendar's.
  bool Create(HWND parent, const wchar_t* className, const RECT& bounds, int id, bool followWindowDpi = true);
  TCustomCalendarEx& calendar() { return calendar_; }
  const GdiCanvas& bitmap() const { return canvas_; }

  Canvas* canvas() override { return canvas_.HasBitmap() ? &canvas_ : nullptr; }
  void Repaint() override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The calendar draws at the window's DPI.
  void OnDpiChanged(int oldDpi) override;

 private:
  void OnSize();
  void OnPaint();
  void OnButtonDown(MouseButton button, WPARAM wParam, LPARAM lParam);
  void OnButtonUp(MouseButton button, WPARAM wParam, LPARAM lParam);
  void OnDoubleClick(WPARAM wParam, LPARAM lParam);
  bool OnKey(WPARAM key);
  void OnContextMenu(LPARAM lParam);
  MouseEvent EventOf(MouseButton button, WPARAM wParam, LPARAM lParam) const;

  TCustomCalendarEx& calendar_;
  GdiCanvas canvas_;
  bool followDpi_ = true;
  bool leftPressed_ = false;  // a left press began here: its release clicks
};

// The month grid in its window (class "TSeMCal").
struct SeMCalWindowArgs {
  HWND parent = nullptr;
  RECT bounds{};
  int id = 0;
  DayNumber today = 0;
  platform::Services* os = nullptr;  // file loads and the grid's questions
  CalendarEvents* events = nullptr;  // the main window
};

class SeMCalWindow {
 public:
  explicit SeMCalWindow(const SeMCalWindowArgs& args);
  TSeMCal& grid() { return grid_; }
  HWND hwnd() const { return host_.hwnd(); }
  // The grid draws at 96 DPI until its owner sets another: the owner sizes
  // the window by grid().GridSize(), so it sets the DPI at the same time
  // (after creating the grid, and on its own WM_DPICHANGED).
  void SetDpi(int dpi) { grid_.SetDpi(dpi); }
  const GdiCanvas& bitmap() const { return host_.bitmap(); }

 private:
  friend std::unique_ptr<SeMCalWindow> CreateSeMCalWindow(const SeMCalWindowArgs& args);
  TSeMCal grid_;  // outlives the window that forwards to it
  CalendarHost host_;
};

// Null when the window cannot be made.
std::unique_ptr<SeMCalWindow> CreateSeMCalWindow(const SeMCalWindowArgs& args);

// Calendars use the system's weekday names when it has them.
void UseSystemWeekdayNames(TCustomCalendarEx& calendar);

}  // namespace grid
