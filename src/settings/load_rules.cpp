#include "settings/load_rules.h"

#include <algorithm>
#include <array>

namespace settings {
namespace {

RowRead HowToRead(const KeyRow<Settings>& row, const ReadConditions& c, const Settings& s) {
  switch (row.group) {
    case RowGroup::Always:
      return RowRead::Read;
    case RowGroup::Timer:
      // cbJigen comes earlier in the table, so it is already read here.
      return s.cbJigen ? RowRead::Read : RowRead::UseDefault;
    case RowGroup::Network:
      return c.netFolderSetByStartup ? RowRead::Keep : RowRead::Read;
    case RowGroup::NetworkDrive:
      return c.onNetworkDrive ? RowRead::Read : RowRead::UseDefault;
    case RowGroup::CalendarRows:
      return c.workAreaHeight > kCompactScreenHeight ? RowRead::Read : RowRead::Keep;
    case RowGroup::WriteOnly:
      return RowRead::UseDefault;
  }
  return RowRead::Read;
}

void ApplyScreenSize(const ReadConditions& c, Settings& s) {
  s.vSizeNo = 4;
  if (c.workAreaHeight <= kCompactScreenHeight) {
    s.vCalGyou = 3;
    s.vSizeNo = 3;
  } else if (!IsValidCalendarRows(s.vCalGyou)) {
    s.vCalGyou = 4;
  }
}

bool Centred(const Settings& s, const Rect& area, int width, int height) {
  if (s.HyoujiIchi != 1) return true;
  if (s.cbNotMannaka) return false;
  return s.fmC21Top + height / 2 > area.bottom || s.fmC21Left + width / 2 > area.right ||
         s.fmC21Top < area.top || s.fmC21Left < area.left;
}

}  // namespace

bool IsValidCalendarRows(int rows) {
  constexpr std::array<int, 7> kValid{3, 4, 5, 6, 14, 15, 26};
  return std::find(kValid.begin(), kValid.end(), rows) != kValid.end();
}

void ReadSettings(const IniValues& ini, const ReadConditions& conditions, Settings& s) {
  ReadRows<Settings>(SettingsKeys(), ini, s, [&](const KeyRow<Settings>& row) {
    return HowToRead(row, conditions, s);
  });
  ApplyScreenSize(conditions, s);
  s.cbMonthBtn = false;
  if (conditions.shellMajorVersion <= 4) s.cbToday = false;
}

WindowPlacement PlaceMainWindow(const Settings& s, const Rect& area, int width, int height) {
  if (!Centred(s, area, width, height)) return {false, s.fmC21Left, s.fmC21Top};
  return {true, area.left + (area.Width() - width) / 2, area.top + (area.Height() - height) / 2};
}

}  // namespace settings
