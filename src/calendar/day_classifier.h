#pragma once
// What kind of day a date is (weekday, Saturday, Sunday, holiday, substitute
// holiday, special day), its font and its names, from the holiday and
// special-day rule lines and the two computed kinds of holiday: the
// equinox days and the Monday after a Sunday holiday.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calendar/day_rules.h"
#include "calendar/julius.h"

namespace calendar {

using DayKind = std::uint8_t;
inline constexpr DayKind dkSunday = 1;
inline constexpr DayKind dkSaturday = 2;
inline constexpr DayKind dkHoliday = 4;
inline constexpr DayKind dkFurikae = 8;  // substitute holiday
inline constexpr DayKind dkSpecial = 16;

inline constexpr const char* kVernalEquinoxName = "春分の日";
inline constexpr const char* kAutumnalEquinoxName = "秋分の日";
inline constexpr const char* kFurikaeName = "振替休日";

// The seven fonts of a calendar, by index.
enum class CalFont : std::uint8_t {
  Weekday = 0,
  Saturday = 1,
  Sunday = 2,
  DayOfWeek = 3,
  Holiday = 4,
  SpecialDay = 5,
  Rokuyo = 6,
};

// Colours are 0x00BBGGRR, as a Win32 COLORREF.
using Colour = std::uint32_t;

struct FontSpec {
  std::string face;  // empty: the calendar's UI font
  int size = 12;     // points
  Colour colour = 0;
  bool bold = false;

  bool operator==(const FontSpec&) const = default;
};

struct TCalExFonts {
  std::array<FontSpec, 7> fonts;

  TCalExFonts();
  FontSpec& operator[](CalFont which) { return fonts[static_cast<int>(which)]; }
  const FontSpec& operator[](CalFont which) const { return fonts[static_cast<int>(which)]; }
};

// One name of a day and where it came from.
struct DayName {
  std::string text;
  bool special = false;  // from a special-day rule; else a holiday name

  bool operator==(const DayName&) const = default;
};

// For each month 1..12 the indexes of the rules that can match in it, in
// list order; entry 0 lists every rule, for months out of range.
using RulesByMonth = std::array<std::vector<std::uint32_t>, 13>;

class DayClassifier {
 public:
  // onChanged runs after the rules or a switch changed, so that the owner
  // renders again.
  explicit DayClassifier(std::function<void()> onChanged = {});

  const std::vector<std::string>& HolidayList() const { return holidayLines_; }
  const std::vector<std::string>& SpecialDayList() const { return specialLines_; }
  // Replace a list of rule lines; both parsed lists are rebuilt. When a bad
  // number ends the parse of a list, the rules before it apply and
  // HolidayError()/SpecialDayError() tell where it stopped.
  void SetHolidayList(std::vector<std::string> lines);
  void SetSpecialDayList(std::vector<std::string> lines);
  // Between BeginUpdate and the matching EndUpdate changes are collected
  // and rebuilt once at the end.
  void BeginUpdate();
  void EndUpdate();

  const TBinaryDayList& HolidayRules() const { return holidays_.rules; }
  const TBinaryDayList& SpecialDayRules() const { return specials_.rules; }
  const std::optional<RuleParseError>& HolidayError() const { return holidays_.error; }
  const std::optional<RuleParseError>& SpecialDayError() const { return specials_.error; }

  bool AutoEquinox() const { return autoEquinox_; }
  bool AutoFurikae() const { return autoFurikae_; }
  void SetAutoEquinox(bool on);
  void SetAutoFurikae(bool on);

  // These throw EJuliusError for the days of the reform gap.
  DayKind GetDayKind(std::int32_t year, int month, int day) const;
  CalFont GetDayFont(std::int32_t year, int month, int day) const;
  // The names as comma text: special-day names, holiday names, the equinox
  // name, then "振替休日".
  std::string GetDayNames(std::int32_t year, int month, int day) const;
  std::vector<DayName> DayNames(std::int32_t year, int month, int day) const;

 private:
  struct EquinoxDays {
    std::int32_t year = kYearUnset;
    Date vernal, autumnal;
  };
  void Rebuild();
  void RulesChanged();
  void Notify();
  DayKind KindOf(const DayFacts& date) const;
  bool IsHoliday(const DayFacts& date) const;
  bool IsFurikae(const DayFacts& date, bool isHoliday) const;
  int EquinoxOf(const DayFacts& date) const;  // 0 none, 1 vernal, 2 autumnal
  const EquinoxDays& EquinoxesOf(std::int32_t year) const;

  std::function<void()> onChanged_;
  std::vector<std::string> holidayLines_;
  std::vector<std::string> specialLines_;
  DayRuleParse holidays_;
  DayRuleParse specials_;
  RulesByMonth holidayIndex_;
  RulesByMonth specialIndex_;
  bool autoEquinox_ = true;
  bool autoFurikae_ = true;
  int updateDepth_ = 0;
  bool pendingRebuild_ = false;
  bool pendingNotify_ = false;
  // The calendars ask for a few years at a time, every day of them.
  mutable std::array<EquinoxDays, 4> equinoxCache_{};
  mutable unsigned equinoxNext_ = 0;
};

}  // namespace calendar
