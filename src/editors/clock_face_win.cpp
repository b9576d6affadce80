#include "editors/clock_face_win.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/dpi.h"
#include "platform/fonts_win.h"
#include "platform/win_handles_win.h"

namespace editors {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The point at `fraction` of a turn clockwise from twelve, `length` from
// the centre.
POINT OnDial(POINT centre, double fraction, double length) {
  const double angle = fraction * 2 * kPi;
  return {centre.x + static_cast<LONG>(std::lround(std::sin(angle) * length)),
          centre.y - static_cast<LONG>(std::lround(std::cos(angle) * length))};
}

void Line(HDC dc, POINT from, POINT to, int width, COLORREF color) {
  platform::UniquePen pen(CreatePen(PS_SOLID, width, color));
  platform::SelectGuard use(dc, pen.get());
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
}

}  // namespace

bool ClockFace::Create(HWND parent, int id, COLORREF faceColor) {
  faceColor_ = faceColor;
  platform::WindowArgs w;
  w.className = L"TVelClockFace";
  w.style = WS_CHILD | WS_VISIBLE;
  w.parent = parent;
  w.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  w.x = w.y = 0;
  w.width = w.height = 10;
  return CreateWindowFrom(w);
}

void ClockFace::SetTime(const settings::TimeOfDay& time) {
  if (time == time_) return;
  time_ = time;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT ClockFace::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message != WM_PAINT) return Default(message, wParam, lParam);
  platform::PaintDc paint(hwnd());
  RECT area{};
  GetClientRect(hwnd(), &area);
  // Painted off screen, so that the second hand does not flicker.
  platform::UniqueMemoryDc memory(CreateCompatibleDC(paint.get()));
  platform::UniqueBitmap bitmap(CreateCompatibleBitmap(paint.get(), area.right, area.bottom));
  platform::SelectGuard useBitmap(memory.get(), bitmap.get());
  Paint(memory.get(), area);
  BitBlt(paint.get(), 0, 0, area.right, area.bottom, memory.get(), 0, 0, SRCCOPY);
  return 0;
}

void ClockFace::Paint(HDC dc, const RECT& area) const {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const int digitsHeight = area.bottom / 7;
  const int size = std::min<int>(area.right, area.bottom - digitsHeight);
  const int radius = size / 2 - Scale(2);
  const POINT centre{area.right / 2, size / 2};
  PaintFace(dc, centre, radius);
  PaintHands(dc, centre, radius);
  PaintDigits(dc, {0, size, area.right, area.bottom});
}

void ClockFace::PaintFace(HDC dc, POINT centre, int radius) const {
  platform::UniqueBrush face(CreateSolidBrush(faceColor_));
  platform::UniquePen rim(CreatePen(PS_SOLID, Thick(2), RGB(64, 64, 64)));
  platform::SelectGuard useFace(dc, face.get());
  platform::SelectGuard useRim(dc, rim.get());
  Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
  for (int minute = 0; minute < 60; ++minute) {
    const bool hour = minute % 5 == 0;
    const double inner = radius * (hour ? 0.82 : 0.9);
    Line(dc, OnDial(centre, minute / 60.0, inner), OnDial(centre, minute / 60.0, radius * 0.95),
         Thick(hour ? 3 : 1), RGB(64, 64, 64));
  }
}

void ClockFace::PaintHands(HDC dc, POINT centre, int radius) const {
  const double seconds = time_.second / 60.0;
  const double minutes = (time_.minute + seconds) / 60.0;
  const double hours = ((time_.hour % 12) + minutes) / 12.0;
  Line(dc, centre, OnDial(centre, hours, radius * 0.5), Thick(5), RGB(32, 32, 32));
  Line(dc, centre, OnDial(centre, minutes, radius * 0.75), Thick(3), RGB(32, 32, 32));
  Line(dc, OnDial(centre, seconds + 0.5, radius * 0.15), OnDial(centre, seconds, radius * 0.85), Thick(1),
       RGB(220, 0, 0));
  platform::UniqueBrush hub(CreateSolidBrush(RGB(220, 0, 0)));
  platform::SelectGuard useHub(dc, hub.get());
  const int hub96 = 3, r = Scale(hub96);
  Ellipse(dc, centre.x - r, centre.y - r, centre.x + r + 1, centre.y + r + 1);
}

int ClockFace::Thick(int width96) const { return platform::LineWidthForDpi(width96, Dpi()); }

void ClockFace::OnDpiChanged(int) { InvalidateRect(hwnd(), nullptr, FALSE); }

void ClockFace::PaintDigits(HDC dc, const RECT& line) const {
  wchar_t text[16];
  std::swprintf(text, 16, L"%d:%02d:%02d", time_.hour, time_.minute, time_.second);
  platform::UniqueFont font(CreateFontW(-(line.bottom - line.top) * 3 / 4, 0, 0, 0, FW_BOLD, 0, 0, 0,
                                        DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, DEFAULT_PITCH,
                                        platform::ChooseUiFontFace().c_str()));
  platform::SelectGuard useFont(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  RECT r = line;
  DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace editors
