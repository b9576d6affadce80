#include "grid/custom_calendar.h"

#include "platform/dpi.h"
#include "support/text.h"

namespace grid {
namespace {

std::array<std::string, 7> JapaneseWeekdayNames() {
  std::array<std::string, 7> names;
  for (int i = 0; i < 7; ++i) names[i] = support::WeekdayShort(i + 1);
  return names;
}

}  // namespace

// ---- TCalExFonts ---------------------------------------------------------

void TCalExFonts::SetFont(CalFont which, const calendar::FontSpec& font) {
  if (!synchronize_) {
    Store(which, font);
  } else {
    for (auto& each : fonts_.fonts) {
      const Colour own = each.colour;
      each = font;
      each.colour = own;
    }
    fonts_[which].colour = font.colour;
  }
  if (onChange_) onChange_();
}

void TCalExFonts::SetColour(CalFont which, Colour colour) {
  calendar::FontSpec font = fonts_[which];
  font.colour = colour;
  SetFont(which, font);
}

void TCalExFonts::SetSize(CalFont which, int size) {
  calendar::FontSpec font = fonts_[which];
  font.size = size;
  SetFont(which, font);
}

void TCalExFonts::Store(CalFont which, const calendar::FontSpec& font) { fonts_[which] = font; }

int PointsToPixels(int points, int dpi) { return platform::PointsToPixelsAtDpi(points, dpi); }

// ---- TCustomCalendarEx ---------------------------------------------------

TCustomCalendarEx::TCustomCalendarEx(DayNumber today)
    : days_([this] { RulesChanged(); }),
      fonts_([this] { Rebuild(); }),
      weekdayNames_(JapaneseWeekdayNames()),
      julius_(today),
      date_(calendar::JuliusToDate(today)),
      today_(today) {}

void TCustomCalendarEx::SetClientSize(Size size) {
  if (size == client_) return;
  client_ = size;
  Rebuild();
}

void TCustomCalendarEx::SetDpi(int dpi) {
  dpi = platform::UsableDpi(dpi);
  if (dpi == dpi_) return;
  dpi_ = dpi;
  DpiChanged();
  Rebuild();
}

int TCustomCalendarEx::Px(int pixels96) const { return platform::ScaleToDpi(pixels96, dpi_); }

int TCustomCalendarEx::LineWidth(int width96) const { return platform::LineWidthForDpi(width96, dpi_); }

void TCustomCalendarEx::SetColor(Colour colour) {
  if (colour == color_) return;
  color_ = colour;
  Rebuild();
}

void TCustomCalendarEx::SetCalendarProps(const CalendarProps& props) {
  CalendarProps storedOnly = props_;
  storedOnly.NeighborJump = props.NeighborJump;
  props_ = props;
  if (!(storedOnly == props)) Rebuild();
}

void TCustomCalendarEx::SetWeekdayNames(const std::array<std::string, 7>& names) {
  if (names == weekdayNames_) return;
  weekdayNames_ = names;
  Rebuild();
}

void TCustomCalendarEx::SetJuliusDay(DayNumber day, bool notify) {
  if (day == julius_) return;
  julius_ = day;
  date_ = calendar::JuliusToDate(day);
  Rebuild();
  if (notify) DayChanged();
}

void TCustomCalendarEx::SetYear(int year) {
  if (calendar::IsValidDate(year, Month(), Day()))
    SetJuliusDay(calendar::DateToJulius(year, Month(), Day()));
}

void TCustomCalendarEx::SetMonth(int month) {
  if (calendar::IsValidDate(Year(), month, Day()))
    SetJuliusDay(calendar::DateToJulius(Year(), month, Day()));
}

void TCustomCalendarEx::SetDay(int day) {
  if (calendar::IsValidDate(Year(), Month(), day))
    SetJuliusDay(calendar::DateToJulius(Year(), Month(), day));
}

void TCustomCalendarEx::SetToday(DayNumber today) {
  if (today == today_) return;
  today_ = today;
  Rebuild();
}

DayNumber TCustomCalendarEx::FirstShownDay() const {
  DayNumber first = calendar::DateToJulius(Year(), Month(), 1);
  const int weekday = calendar::JuliusDayOfWeek(first);  // 1..7
  first -= (weekday - 1 - props_.FirstDayOfWeek + 7) % 7;
  if (!props_.FirstRowFirstDay && calendar::JuliusToDate(first).day == 1) first -= 7;
  return first;
}

int TCustomCalendarEx::RowCount() const {
  if (!props_.AutoResize) return 7;
  const DayNumber first = FirstShownDay();
  const int lastDay = calendar::DaysInMonth(Year(), Month());
  const DayNumber last = calendar::DateToJulius(Year(), Month(), lastDay);
  int rows = (last - first) / 7 + 2;
  if (!props_.LastRowLastDay && (last - first + 1) % 7 == 0) ++rows;
  return rows;
}

void TCustomCalendarEx::Render() {
  Layout();
  if (target_ == nullptr) return;
  if (Canvas* canvas = target_->canvas()) Paint(*canvas);
  target_->Repaint();
}

void TCustomCalendarEx::Rebuild() {
  if (!UpdatesSuspended()) Render();
}

void TCustomCalendarEx::Repaint() {
  if (target_) target_->Repaint();
}

calendar::DayKind TCustomCalendarEx::GetDayKind(int year, int month, int day) const {
  return days_.GetDayKind(year, month, day);
}

CalFont TCustomCalendarEx::GetDayFont(int year, int month, int day) const {
  return days_.GetDayFont(year, month, day);
}

std::string TCustomCalendarEx::GetDayNames(int year, int month, int day) const {
  return days_.GetDayNames(year, month, day);
}

void TCustomCalendarEx::MouseDown(const MouseEvent& event) {
  if (events_) events_->OnMouseDown(*this, event);
}

void TCustomCalendarEx::MouseMove(const MouseEvent& event) {
  if (events_) events_->OnMouseMove(*this, event);
}

void TCustomCalendarEx::MouseUp(const MouseEvent& event) {
  if (events_) events_->OnMouseUp(*this, event);
}

void TCustomCalendarEx::Click() {
  if (events_) events_->OnClick(*this);
}

void TCustomCalendarEx::DblClick() {
  if (events_) events_->OnDblClick(*this);
}

bool TCustomCalendarEx::KeyDown(int key, ShiftState shift) {
  return events_ && events_->OnKeyDown(*this, key, shift);
}

void TCustomCalendarEx::KeyPress(char32_t character) {
  if (events_) events_->OnKeyPress(*this, character);
}

void TCustomCalendarEx::ContextMenu(Point screen) {
  if (events_) events_->OnContextMenu(*this, screen);
}

void TCustomCalendarEx::DayChanged() {
  if (events_) events_->OnDayChange(*this, Year(), Month(), Day());
}

void TCustomCalendarEx::RulesChanged() { Rebuild(); }

CanvasFont TCustomCalendarEx::FontOf(CalFont which, int height, bool bold) const {
  const calendar::FontSpec& spec = fonts_[which];
  return CanvasFont{spec.face, height, bold || spec.bold, false};
}

Colour TCustomCalendarEx::FontColour(Canvas& canvas, CalFont which) const {
  return ResolveColour(canvas, fonts_[which].colour);
}

Colour TCustomCalendarEx::WeekdayHeaderColour(Canvas& canvas, const std::string& name,
                                              Colour other) const {
  const std::string upper = support::ToUpperAscii(name);
  if (name == "日" || upper == "SUN") return FontColour(canvas, CalFont::Sunday);
  if (name == "土" || upper == "SAT") return FontColour(canvas, CalFont::Saturday);
  return other;
}

}  // namespace grid
