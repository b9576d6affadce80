#pragma once
// One line of a month file (ScheduleItem): ten comma-separated fields.
//
//    5,1,,会議，第二会議室,clRed,3,9:05:00,,12345,
//   day,position,(reserved),text,colour,mark A,time,mark B,mark C,(end)
//
// Day 0 is the header line, 1..31 the days, 77 the month memo. A text never
// holds ",": the user's commas are stored as "，".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/color_text.h"

namespace store {

inline constexpr int kHeaderDay = 0;
inline constexpr int kMonthMemoDay = 77;
inline constexpr int kNoDay = -1;  // the day field is not a number

// Field numbers of a ScheduleItem line.
enum ItemField : int {
  kItemDay = 0, kItemPosition = 1, kItemText = 3, kItemColor = 4, kItemMarkA = 5,
  kItemTime = 6, kItemMarkB = 7, kItemMarkC = 8, kItemFieldCount = 10,
};

// The attributes of one entry as the day editor keeps them.
struct ItemAttributes {
  Color color = kClWindowText;
  std::uint8_t markA = 0;
  int time = 0;  // seconds after midnight; 0 = no time
  std::uint8_t markB = 0;
  std::int32_t markC = 0;

  bool operator==(const ItemAttributes&) const = default;
};

// One entry of a day as the editor shows it: "，" already turned into ",".
struct DayEntry {
  std::string text;
  ItemAttributes attributes;

  bool operator==(const DayEntry&) const = default;
};

// The fields between the commas, empty ones included ("a,,b" gives three,
// "" gives one). The views point into `line`.
std::vector<std::string_view> SplitItem(std::string_view line);
// The same into `fields`, whose storage is reused from line to line.
void SplitItem(std::string_view line, std::vector<std::string_view>& fields);

// Field 0 as a number; kNoDay when it is none.
int ItemDay(std::string_view line);

// Fields 4..8 by the table of the file format; used only when the line has
// more than five fields. A colour or time that cannot be read leaves it and
// every later attribute at the default.
ItemAttributes ParseItemAttributes(const std::vector<std::string_view>& fields);

// "H:MM:SS" or "H:MM" (24-hour clock) to seconds after midnight.
std::optional<int> ParseTimeText(std::string_view text);
// "9:05:00"; empty for 0 (no time).
std::string TimeToText(int secondsAfterMidnight);

// The whole line, "%2d,%d,,%s,%s,%s,%s,%s,%s," with the user's commas
// turned into "，" and every zero attribute left empty.
std::string FormatItemLine(int day, int position, const DayEntry& entry);

// "," -> "，" for storing; "，" -> "," for showing.
std::string CommasToStored(std::string_view text);
std::string CommasToShown(std::string_view text);

}  // namespace store
