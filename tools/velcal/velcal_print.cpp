#include <algorithm>
#include <cstdio>
#include <ostream>

#include "support/text.h"
#include "velcal.h"

namespace velcal {
namespace {

using calendar::DayNumber;

constexpr int kMonthWidth = 20;  // seven columns of three, less the last blank
constexpr const char* kGap = "  ";

// Columns a text takes in a terminal: CJK characters (3 and 4 UTF-8 bytes)
// two, others one.
int DisplayWidth(const std::string& text) {
  int width = 0;
  for (unsigned char c : text) {
    if (c < 0x80 || (c >= 0xC0 && c < 0xE0)) width += 1;
    if (c >= 0xE0) width += 2;
  }
  return width;
}

std::string PadRight(std::string text, int width) {
  text.append(std::max(0, width - DisplayWidth(text)), ' ');
  return text;
}

std::string Centred(const std::string& text, int width) {
  return std::string(std::max(0, (width - DisplayWidth(text)) / 2), ' ') + text;
}

std::string TrimmedRight(const std::string& text) {
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d", value);
  return text;
}

std::string IsoDate(const calendar::Date& d) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", d.year < 0 ? "-" : "",
                d.year < 0 ? -d.year : d.year, d.month, d.day);
  return text;
}

DayNumber FirstOfMonth(std::int32_t year, int month) { return calendar::DateToJulius(year, month, 1); }

DayNumber FirstOfNextMonth(std::int32_t year, int month) {
  return month == 12 ? FirstOfMonth(year + 1, 1) : FirstOfMonth(year, month + 1);
}

std::string_view RokuyoText(DayNumber day) {
  const int rokuyo = calendar::RokuyoOf(day);
  return rokuyo ? calendar::RokuyoName(rokuyo) : std::string_view();
}

// "*" marks holidays and substitute holidays, "+" other special days.
char MarkOf(calendar::DayKind kind) {
  if (kind & (calendar::dkHoliday | calendar::dkFurikae)) return '*';
  return (kind & calendar::dkSpecial) ? '+' : ' ';
}

std::string WeekHeader(bool mondayFirst) {
  return mondayFirst ? "月 火 水 木 金 土 日" : "日 月 火 水 木 金 土";
}

// The days of the month, seven to a row, each "%2d" and its mark.
std::vector<std::string> WeekRows(const calendar::DayClassifier& days, std::int32_t year,
                                  int month, bool mondayFirst) {
  const DayNumber first = FirstOfMonth(year, month);
  const int firstColumn = (calendar::JuliusDayOfWeek(first) - (mondayFirst ? 2 : 1) + 7) % 7;
  std::vector<std::string> rows = {std::string(3 * firstColumn, ' ')};
  for (DayNumber day = first; day < FirstOfNextMonth(year, month); ++day) {
    if (rows.back().size() == 3 * 7) rows.emplace_back();
    const calendar::Date d = calendar::JuliusToDate(day);
    rows.back() += TwoDigits(d.day) + MarkOf(days.GetDayKind(d.year, d.month, d.day));
  }
  return rows;
}

// Title, weekday header and six week rows, each kMonthWidth columns wide.
std::vector<std::string> MonthBlock(const calendar::DayClassifier& days, std::int32_t year,
                                    int month, bool mondayFirst) {
  const std::string title = std::to_string(year) + "年" + std::to_string(month) + "月";
  std::vector<std::string> lines = {Centred(title, kMonthWidth), WeekHeader(mondayFirst)};
  for (const std::string& row : WeekRows(days, year, month, mondayFirst)) lines.push_back(row);
  lines.resize(8);
  for (std::string& line : lines) line = PadRight(TrimmedRight(line), kMonthWidth);
  return lines;
}

// " 3 金 大安 憲法記念日": day, weekday, rokuyo (blank when none), names.
std::string DayLine(const calendar::DayClassifier& days, DayNumber day, const std::string& head) {
  const calendar::Date d = calendar::JuliusToDate(day);
  const int rokuyo = calendar::RokuyoOf(day);
  const std::string names = days.GetDayNames(d.year, d.month, d.day);
  std::string line = head + " " + support::WeekdayShort(calendar::JuliusDayOfWeek(day)) + " ";
  line += rokuyo ? std::string(calendar::RokuyoName(rokuyo)) : "    ";
  if (!names.empty()) line += " " + names;
  return TrimmedRight(line);
}

}  // namespace

void PrintMonth(const calendar::DayClassifier& days, std::int32_t year, int month,
                bool mondayFirst, std::ostream& out) {
  for (const std::string& line : MonthBlock(days, year, month, mondayFirst)) {
    const std::string trimmed = TrimmedRight(line);
    if (!trimmed.empty()) out << trimmed << "\n";
  }
  out << "\n";
  for (DayNumber day = FirstOfMonth(year, month); day < FirstOfNextMonth(year, month); ++day)
    out << DayLine(days, day, TwoDigits(calendar::JuliusToDate(day).day)) << "\n";
}

void PrintYear(const calendar::DayClassifier& days, std::int32_t year, bool mondayFirst,
               std::ostream& out) {
  out << Centred(std::to_string(year) + "年", 3 * kMonthWidth + 4) << "\n\n";
  for (int firstMonth = 1; firstMonth <= 12; firstMonth += 3) {
    if (firstMonth > 1) out << "\n";
    std::vector<std::vector<std::string>> blocks;
    for (int month = firstMonth; month < firstMonth + 3; ++month)
      blocks.push_back(MonthBlock(days, year, month, mondayFirst));
    for (std::size_t i = 0; i < blocks[0].size(); ++i) {
      const std::string line = blocks[0][i] + kGap + blocks[1][i] + kGap + blocks[2][i];
      out << TrimmedRight(line) << "\n";
    }
  }
  out << "\n";
  for (DayNumber day = FirstOfMonth(year, 1); day < FirstOfMonth(year + 1, 1); ++day) {
    const calendar::Date d = calendar::JuliusToDate(day);
    if (days.GetDayNames(d.year, d.month, d.day).empty()) continue;
    out << DayLine(days, day, TwoDigits(d.month) + "/" + TwoDigits(d.day)) << "\n";
  }
}

void PrintDays(const calendar::DayClassifier& days, DayNumber from, DayNumber to,
               std::ostream& out) {
  for (DayNumber day = from; day <= to; ++day) {
    const calendar::Date d = calendar::JuliusToDate(day);
    out << IsoDate(d) << '\t' << calendar::JuliusDayOfWeek(day) << '\t'
        << int{days.GetDayKind(d.year, d.month, d.day)} << '\t'
        << days.GetDayNames(d.year, d.month, d.day) << '\t'
        << RokuyoText(day) << '\n';
    if (day == to) break;  // to may be the last day number there is
  }
}

}  // namespace velcal
