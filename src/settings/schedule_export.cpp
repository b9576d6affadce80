#include "settings/schedule_export.h"

#include <array>
#include <cstdio>

#include "calendar/julius.h"
#include "settings/icalendar_text.h"
#include "store/color_text.h"
#include "store/schedule_item.h"
#include "support/cp932.h"
#include "support/text.h"

namespace settings {
namespace {

constexpr char kFullWidthBlank[] = "　";
constexpr char kFullWidthComma[] = "，";
constexpr store::Color kClRed = 0x0000FF;
constexpr store::Color kClGreen = 0x008000;
constexpr store::Color kMagenta = 0xFF00FF;
// Our own programs announce themselves in magenta entries; those keep no
// markup in the web text.
constexpr std::array<const char*, 6> kOwnProgramNames = {"楓歌", "楓帳", "楓プリン", "岳斗", "刻守", "楓時計"};

struct Entry {
  std::string_view text;
  std::string_view colour;  // "" when the line has five fields or fewer
};

// One calendar day of the month and its entries in file order.
struct ExportDay {
  calendar::Date date;
  int weekday = 0;
  std::vector<Entry> entries;
};

// Removes every `tag` (ASCII case ignored); true when there was one.
bool RemoveTag(std::string& text, std::string_view tag) {
  const std::string lowerTag = support::ToLowerAscii(tag);
  bool found = false;
  for (std::size_t at; (at = support::ToLowerAscii(text).find(lowerTag)) != std::string::npos;) {
    text.erase(at, tag.size());
    found = true;
  }
  return found;
}

bool RemovePair(std::string& text, std::string_view open, std::string_view close) {
  const bool opened = RemoveTag(text, open);
  return RemoveTag(text, close) || opened;
}

bool IsOwnProgramNotice(std::string_view text, std::string_view colour) {
  const auto value = store::ParseColorText(colour);
  if (!value || *value != kMagenta) return false;
  for (const char* name : kOwnProgramNames)
    if (text.find(name) != std::string_view::npos) return true;
  return false;
}

std::string FontTag(std::uint32_t colour, std::string_view text) {
  return "<FONT COLOR=\"" + support::ColorToHex(colour) + "\">" + std::string(text) + "</FONT>";
}

std::string Formatted(const char* format, const calendar::Date& d) {
  char text[32];
  std::snprintf(text, sizeof text, format, d.year, d.month, d.day);
  return text;
}

std::string DottedDate(const calendar::Date& d) { return Formatted("%.4d. %.2d. %.2d", d); }

std::string ShownName(const std::string& name) { return support::ReplaceAll(name, kFullWidthBlank, " "); }

// "[holiday special]", each part in its font tag for the web.
std::string DayInformation(const DayNamesOfDay& names, bool web) {
  std::vector<std::string> parts;
  if (!names.holiday.empty()) parts.push_back(web ? FontTag(kClRed, names.holiday) : names.holiday);
  if (!names.special.empty()) parts.push_back(web ? FontTag(kClGreen, names.special) : names.special);
  if (parts.empty()) return {};
  return "[" + support::Join(parts, " ") + "]";
}

// Each calendar day of the month (the reform's missing days left out) with
// its entries.
std::vector<ExportDay> DaysOf(const MonthToExport& m) {
  std::vector<ExportDay> days;
  const calendar::DayNumber first = calendar::DateToJulius(m.year, m.month, 1);
  const calendar::DayNumber next = m.month == 12 ? calendar::DateToJulius(m.year + 1, 1, 1)
                                                 : calendar::DateToJulius(m.year, m.month + 1, 1);
  std::array<int, 32> indexOfDay{};
  indexOfDay.fill(-1);
  for (calendar::DayNumber n = first; n < next; ++n) {
    const calendar::Date date = calendar::JuliusToDate(n);
    indexOfDay[date.day] = static_cast<int>(days.size());
    days.push_back({date, calendar::JuliusDayOfWeek(n), {}});
  }
  std::vector<std::string_view> fields;
  for (const std::string& line : m.lines) {
    store::SplitItem(line, fields);
    const int day = store::ItemDay(line);
    if (day < 1 || day > 31 || indexOfDay[day] < 0) continue;
    Entry entry;
    if (fields.size() > store::kItemText) entry.text = fields[store::kItemText];
    if (fields.size() > 5) entry.colour = fields[store::kItemColor];
    days[indexOfDay[day]].entries.push_back(entry);
  }
  return days;
}

std::string JoinedEntries(const ExportDay& day, bool web) {
  std::vector<std::string> texts;
  for (const Entry& e : day.entries)
    texts.push_back(web ? CleanEntryText(e.text, e.colour, true) : CleanEntryText(e.text, "", false));
  return support::Join(texts, web ? "" : ", ");
}

std::string CommasShown(std::string text) { return support::ReplaceAll(text, kFullWidthComma, ","); }

// A CSV field in double quotes, inner quotes doubled.
std::string CsvQuoted(std::string_view text) { return "\"" + support::ReplaceAll(text, "\"", "\"\"") + "\""; }

std::string WebDate(const ExportDay& day, bool holiday) {
  const std::string text = DottedDate(day.date) + DayLabel(day.weekday);
  if (day.weekday == 1 || holiday) return FontTag(kClRed, text);
  if (day.weekday == 7) return FontTag(store::kClBlue, text);
  return text;
}

// ---- iCalendar --------------------------------------------------------------

struct IcsDay {
  const ExportDay& day;
  const std::string& dateText;
  const std::string& nextDateText;
  const std::string& stamp;
  int events = 0;
};

std::string EventText(std::string text) {
  if (text.ends_with(kFullWidthBlank)) text.resize(text.size() - std::string_view(kFullWidthBlank).size());
  for (int run = 5; run >= 2; --run) text = support::ReplaceAll(text, support::Repeat(kFullWidthBlank, run), "");
  return CommasShown(std::move(text));
}

void EmitEvent(std::string& out, IcsDay& d, const std::string& accumulated) {
  const std::string text = EventText(accumulated);
  if (text.empty()) return;
  char uid[48];
  std::snprintf(uid, sizeof uid, "UID:velda%.4d/%.2d/%.2d_%.3d", d.day.date.year, d.day.date.month,
                d.day.date.day, ++d.events);
  AppendContentLine(out, "BEGIN:VEVENT");
  AppendContentLine(out, uid);
  AppendContentLine(out, "DTSTAMP:" + d.stamp);
  AppendContentLine(out, "DESCRIPTION:");
  AppendContentLine(out, "DTSTART;VALUE=DATE:" + d.dateText);
  AppendContentLine(out, "DTEND;VALUE=DATE:" + d.nextDateText);
  AppendContentLine(out, "SUMMARY:" + IcsText(text));
  AppendContentLine(out, "END:VEVENT");
}

// An event ends with every entry whose text ends in a full-width blank,
// and with the day.
void AppendDayEvents(std::string& out, IcsDay& d) {
  std::string accumulated;
  for (const Entry& e : d.day.entries) {
    const std::string text = CleanEntryText(e.text, "", false);
    accumulated += text;
    if (text.ends_with(kFullWidthBlank)) {
      EmitEvent(out, d, accumulated);
      accumulated.clear();
    }
  }
  EmitEvent(out, d, accumulated);
}

std::string NextDateText(const ExportDay& day) {
  const calendar::Date next = calendar::JuliusToDate(
      calendar::DateToJulius(day.date.year, day.date.month, day.date.day) + 1);
  return IcsDate(next.year, next.month, next.day);
}

}  // namespace

std::string CleanEntryText(std::string_view text, std::string_view colour, bool keepMarkup) {
  std::string out(text);
  const bool bold = RemovePair(out, "<B>", "</B>");
  const bool strike = RemovePair(out, "<S>", "</S>");
  RemovePair(out, "<H>", "</H>");
  if (keepMarkup && !IsOwnProgramNotice(text, colour)) {
    if (strike) out = "<S>" + out + "</S>";
    if (bold) out = "<B>" + out + "</B>";
  }
  if (colour.size() > 2)
    if (const auto value = store::ParseColorText(colour)) out = FontTag(*value, out);
  return out;
}

std::string DayLabel(int weekday) { return "(" + support::WeekdayShort(weekday) + ")"; }

DayNamesOfDay NamesOfDay(const calendar::DayClassifier& days, int year, int month, int day) {
  std::vector<std::string> holiday, special;
  for (const calendar::DayName& name : days.DayNames(year, month, day))
    (name.special ? special : holiday).push_back(ShownName(name.text));
  return {support::Join(holiday, ","), support::Join(special, ",")};
}

std::vector<std::string> TextExportLines(const MonthToExport& m) {
  std::vector<std::string> lines;
  for (const ExportDay& day : DaysOf(m)) {
    const auto names = NamesOfDay(m.days, day.date.year, day.date.month, day.date.day);
    lines.push_back(CommasShown(DottedDate(day.date) + DayLabel(day.weekday) + "  " +
                                DayInformation(names, false) + JoinedEntries(day, false)));
  }
  return lines;
}

std::vector<std::string> CsvExportLines(const MonthToExport& m) {
  std::vector<std::string> lines;
  for (const ExportDay& day : DaysOf(m)) {
    const auto names = NamesOfDay(m.days, day.date.year, day.date.month, day.date.day);
    const std::string content = CommasShown(DayInformation(names, false) + JoinedEntries(day, false));
    lines.push_back(Formatted("%.4d/%.2d/%.2d", day.date) + "," + CsvQuoted(DayLabel(day.weekday)) + "," +
                    CsvQuoted(content));
  }
  return lines;
}

std::vector<std::string> HtmlExportLines(const MonthToExport& m) {
  char title[64];
  std::snprintf(title, sizeof title, "<TITLE>%4d年%2d月カレンダー</TITLE>", m.year, m.month);
  std::vector<std::string> lines = {"<HTML>", "<HEAD>", title, "</HEAD>", "<BODY>", "<DIV>"};
  for (const ExportDay& day : DaysOf(m)) {
    const auto names = NamesOfDay(m.days, day.date.year, day.date.month, day.date.day);
    lines.push_back(CommasShown(WebDate(day, !names.holiday.empty()) + kFullWidthBlank +
                                DayInformation(names, true) + JoinedEntries(day, true) + "<BR>"));
  }
  lines.insert(lines.end(), {"</DIV>", "</BODY>", "</HTML>"});
  return lines;
}

std::string ICalendarExport(const MonthToExport& m, const platform::DateTime& stampUtc) {
  std::string out;
  for (const char* line : {"BEGIN:VCALENDAR", "PRODID:Velda", "VERSION:2.0", "METHOD:PUBLISH", "CALSCALE:GREGORIAN"})
    AppendContentLine(out, line);
  const std::string stamp = IcsUtcStamp(stampUtc);
  for (const ExportDay& day : DaysOf(m)) {
    const std::string dateText = IcsDate(day.date.year, day.date.month, day.date.day);
    const std::string nextDateText = NextDateText(day);
    IcsDay d{day, dateText, nextDateText, stamp};
    AppendDayEvents(out, d);
  }
  for (const char* line : {"BEGIN:VTIMEZONE", "TZID:Asia/Tokyo", "BEGIN:STANDARD", "DTSTART:19700101T000000",
                           "TZOFFSETFROM:+0900", "TZOFFSETTO:+0900", "END:STANDARD", "END:VTIMEZONE",
                           "END:VCALENDAR"})
    AppendContentLine(out, line);
  return out;
}

std::string ExportFileBytes(ExportFormat format, const MonthToExport& m, const platform::DateTime& stampUtc) {
  switch (format) {
    case ExportFormat::Text: return support::Utf8ToCp932(support::JoinLines(TextExportLines(m)));
    case ExportFormat::Csv: return support::Utf8ToCp932(support::JoinLines(CsvExportLines(m)));
    case ExportFormat::Html: return support::Utf8ToCp932(support::JoinLines(HtmlExportLines(m)));
    case ExportFormat::ICalendar: return ICalendarExport(m, stampUtc);
  }
  return {};
}

std::string ExportExtension(ExportFormat format) {
  switch (format) {
    case ExportFormat::Text: return "txt";
    case ExportFormat::Csv: return "csv";
    case ExportFormat::Html: return "html";
    case ExportFormat::ICalendar: return "ics";
  }
  return "txt";
}

std::string ExportFileName(ExportFormat format, int year, int month) {
  char name[32];
  std::snprintf(name, sizeof name, "%.4d%.2d.%s", year, month, ExportExtension(format).c_str());
  return format == ExportFormat::Html ? name : "Te" + std::string(name);
}

std::string ExportDialogTitle(ExportFormat format) {
  return format == ExportFormat::ICalendar ? "テキスト書出" : "";
}

}  // namespace settings
