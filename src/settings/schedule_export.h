#pragma once
// A month's schedules written for other programs: plain text with blanks,
// CSV, text for web pages and an iCalendar file. The texts are built here
// from the month file's lines; export_page.h asks, reads and writes.
//
//   text:  2004. 03. 20(土)  [春分の日 結婚記念日]朝礼, 会議,第二会議室
//   CSV:   2004/03/20,"(土)","[春分の日 結婚記念日]朝礼, 会議,第二会議室"
//   web:   <FONT COLOR="#0000ff">2004. 03. 20(土)</FONT>　[...]朝礼会議<BR>
//   ics:   BEGIN:VEVENT / UID:velda2004/03/20_001 / DTSTAMP / DTSTART;VALUE=DATE
//          / DTEND;VALUE=DATE (the next day) / SUMMARY:朝礼\,会議 / END:VEVENT
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_classifier.h"
#include "platform/datetime.h"

namespace settings {

enum class ExportFormat { Text = 0, Csv = 1, Html = 2, ICalendar = 3 };

// The entry text without the markup "<B>", "</B>", "<S>", "</S>", "<H>",
// "</H>" (any letter case). With `keepMarkup` a text that held bold or
// strike tags is wrapped again in "<B>"…"</B>" or "<S>"…"</S>" (not for
// the magenta notices of our own programs). A colour text longer than two
// characters wraps the text in a font tag of that colour.
std::string CleanEntryText(std::string_view text, std::string_view colour, bool keepMarkup);

// "(月)".
std::string DayLabel(int weekday);

// The holiday and special-day names of a day, each list joined by ","
// with full-width blanks shown as blanks, as the grid shows them.
struct DayNamesOfDay {
  std::string holiday;
  std::string special;
};
DayNamesOfDay NamesOfDay(const calendar::DayClassifier& days, int year, int month, int day);

// What is exported: the month file's lines and the rules for the labels.
struct MonthToExport {
  int year = 0;
  int month = 0;
  const std::vector<std::string>& lines;
  const calendar::DayClassifier& days;
};

// One line per day of the month, as UTF-8 text.
std::vector<std::string> TextExportLines(const MonthToExport& m);
std::vector<std::string> CsvExportLines(const MonthToExport& m);
// Framed by "<HTML>" … "</HTML>".
std::vector<std::string> HtmlExportLines(const MonthToExport& m);
// The whole file as UTF-8 with CR LF line ends and folded lines.
// `stampUtc` is the creation time every event carries.
std::string ICalendarExport(const MonthToExport& m, const platform::DateTime& stampUtc);

// The bytes of the file: Shift-JIS for the three text formats, UTF-8 for
// iCalendar.
std::string ExportFileBytes(ExportFormat format, const MonthToExport& m,
                            const platform::DateTime& stampUtc);

// The save dialog: "Te200403.txt", "Te200403.csv", "200403.html",
// "Te200403.ics"; the filter; the title (only iCalendar has one).
inline constexpr char kExportFilter[] =
    "テキストファイル（*.txt）|*.txt|テキストファイル（*.csv）|*.csv|"
    "ハイパーテキスト(*.html)|*.htm*|カレンダデータ(*.ics)|*.ics";
std::string ExportFileName(ExportFormat format, int year, int month);
std::string ExportExtension(ExportFormat format);
std::string ExportDialogTitle(ExportFormat format);

}  // namespace settings
