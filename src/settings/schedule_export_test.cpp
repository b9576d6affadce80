#include "settings/schedule_export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "settings/icalendar_text.h"
#include "support/cp932.h"
#include "support/text.h"
#include "support/utf8.h"

namespace settings {
namespace {

using Lines = std::vector<std::string>;

const platform::DateTime kStamp{2026, 12, 8, 0, 15, 30, 0};

// March 2004: the 1st is a Monday, the 20th the vernal equinox (a
// Saturday), the 14th a Sunday and a special day.
struct MarchFixture {
  MarchFixture() { days.SetSpecialDayList({"2004,,3,14,,,ホワイト　デー"}); }
  MonthToExport Month(const Lines& lines) const { return {2004, 3, lines, days}; }
  calendar::DayClassifier days;
};

const Lines kSampleMonth = {
    " 0,0,9,2004/ 3 [Data\\Files1\\]",
    " 1,1,,会議，第二会議室,clRed,,,,,",
    " 2,1,,<b>太字</b>の予定,,,,,,",
    " 2,2,,セミコロン;と\\バックスラッシュ,,,,,,",
    " 5,1,,朝礼　,,,,,,",
    " 5,2,,資料作成,,,,,,",
    " 5,3,,打合せ,,,,,,",
    "10,1,,とても長い予定の説明文です。とても長い予定の説明文です。とても長い予定の説明文です。,,,,,,",
    "14,1,,\"引用\"付き,,,,,,",
    "20,1,,<S>取消</S>,,,,,,",
    "31,1,,　,,,,,,",
    "77,1,,月メモは書き出さない,clBlack,,,,,",
};

TEST(CleanEntryText, RemovesMarkupInAnyCaseAndKeepsItOnlyWhenAsked) {
  struct Case {
    const char* text;
    const char* colour;
    bool keep;
    const char* cleaned;
  } cases[] = {
      {"<b>太字</B>", "", false, "太字"},
      {"<b>太字</b>", "", true, "<B>太字</B>"},
      {"前<s>線</S>後", "", true, "<S>前線後</S>"},
      {"<B><S>両方</s></b>", "", true, "<B><S>両方</S></B>"},
      {"見<h>えない</H>部分", "", true, "見えない部分"},
      {"赤", "clRed", false, "<FONT COLOR=\"#ff0000\">赤</FONT>"},
      {"既定", "1", false, "既定"},
      {"16進", "$00FF8000", false, "<FONT COLOR=\"#0080ff\">16進</FONT>"},
      {"読めない色", "clNone", false, "読めない色"},
      {"<B>楓帳のお知らせ</B>", "clFuchsia", true, "<FONT COLOR=\"#ff00ff\">楓帳のお知らせ</FONT>"},
      {"<B>他のお知らせ</B>", "clFuchsia", true, "<FONT COLOR=\"#ff00ff\"><B>他のお知らせ</B></FONT>"},
  };
  for (const Case& c : cases) EXPECT_EQ(CleanEntryText(c.text, c.colour, c.keep), c.cleaned) << c.text;
}

TEST(ExportFiles, NamesFilterAndTitle) {
  EXPECT_EQ(ExportFileName(ExportFormat::Text, 2004, 3), "Te200403.txt");
  EXPECT_EQ(ExportFileName(ExportFormat::Csv, 2004, 3), "Te200403.csv");
  EXPECT_EQ(ExportFileName(ExportFormat::Html, 2004, 3), "200403.html");
  EXPECT_EQ(ExportFileName(ExportFormat::ICalendar, 812, 11), "Te081211.ics");
  EXPECT_EQ(ExportDialogTitle(ExportFormat::ICalendar), "テキスト書出");
  EXPECT_EQ(ExportDialogTitle(ExportFormat::Csv), "");
  EXPECT_EQ(support::Split(kExportFilter, '|').size(), 8u);
}

TEST(TextExport, OneLinePerDayWithLabelsNamesAndEntries) {
  MarchFixture f;
  const Lines text = TextExportLines(f.Month(kSampleMonth));
  ASSERT_EQ(text.size(), 31u);
  EXPECT_EQ(text[0], "2004. 03. 01(月)  会議,第二会議室");
  EXPECT_EQ(text[1], "2004. 03. 02(火)  太字の予定, セミコロン;と\\バックスラッシュ");
  EXPECT_EQ(text[2], "2004. 03. 03(水)  ");
  EXPECT_EQ(text[13], "2004. 03. 14(日)  [ホワイト デー]\"引用\"付き");
  EXPECT_EQ(text[19], "2004. 03. 20(土)  [春分の日]取消");
}

TEST(TextExport, MonthWithoutEntriesStillHasEveryDay) {
  MarchFixture f;
  const Lines header = {kSampleMonth[0]};
  EXPECT_EQ(TextExportLines(f.Month(header)).size(), 31u);
  const Lines february = TextExportLines({2004, 2, header, f.days});
  ASSERT_EQ(february.size(), 29u);
  EXPECT_EQ(february.back(), "2004. 02. 29(日)  ");
  // The reform dropped ten days of October 1582.
  EXPECT_EQ(TextExportLines({1582, 10, header, f.days}).size(), 21u);
}

TEST(CsvExport, QuotesEveryTextFieldAndDoublesInnerQuotes) {
  MarchFixture f;
  const Lines csv = CsvExportLines(f.Month(kSampleMonth));
  ASSERT_EQ(csv.size(), 31u);
  EXPECT_EQ(csv[0], "2004/03/01,\"(月)\",\"会議,第二会議室\"");
  EXPECT_EQ(csv[13], "2004/03/14,\"(日)\",\"[ホワイト デー]\"\"引用\"\"付き\"");
  EXPECT_EQ(csv[30], "2004/03/31,\"(水)\",\"　\"");
}

TEST(HtmlExport, FramedColouredAndWithMarkupKept) {
  MarchFixture f;
  const Lines html = HtmlExportLines(f.Month(kSampleMonth));
  ASSERT_EQ(html.size(), 6u + 31u + 3u);
  EXPECT_EQ(html[2], "<TITLE>2004年 3月カレンダー</TITLE>");
  EXPECT_EQ(html[6], "2004. 03. 01(月)　<FONT COLOR=\"#ff0000\">会議,第二会議室</FONT><BR>");
  EXPECT_EQ(html[7], "2004. 03. 02(火)　<B>太字の予定</B>セミコロン;と\\バックスラッシュ<BR>");
  EXPECT_EQ(html[6 + 13], "<FONT COLOR=\"#ff0000\">2004. 03. 14(日)</FONT>　"
                          "[<FONT COLOR=\"#008000\">ホワイト デー</FONT>]\"引用\"付き<BR>");
  // A Saturday holiday is red, a plain Saturday blue.
  EXPECT_EQ(html[6 + 19], "<FONT COLOR=\"#ff0000\">2004. 03. 20(土)</FONT>　"
                          "[<FONT COLOR=\"#ff0000\">春分の日</FONT>]<S>取消</S><BR>");
  EXPECT_EQ(html[6 + 5], "<FONT COLOR=\"#0000ff\">2004. 03. 06(土)</FONT>　<BR>");
  EXPECT_EQ(html.back(), "</HTML>");
}

TEST(TextFormats, AreShiftJisWithCrLf) {
  MarchFixture f;
  const std::string bytes = ExportFileBytes(ExportFormat::Text, f.Month(kSampleMonth), kStamp);
  EXPECT_EQ(support::Cp932ToUtf8(bytes), support::JoinLines(TextExportLines(f.Month(kSampleMonth))));
  EXPECT_NE(bytes.find("\x89\xEF\x8B\x63"), std::string::npos);  // 会議 in Shift-JIS
}

// ---- iCalendar ----------------------------------------------------------------

std::vector<std::string> Values(const std::string& ics, const std::string& name) {
  std::string unfolded = support::ReplaceAll(ics, "\r\n ", "");
  std::vector<std::string> values;
  for (const std::string& line : support::SplitLines(unfolded))
    if (line.starts_with(name + ":")) values.push_back(line.substr(name.size() + 1));
  return values;
}

TEST(ICalendarExport, EventsSplitAtEntriesEndingInAFullWidthBlank) {
  MarchFixture f;
  const std::string ics = ICalendarExport(f.Month(kSampleMonth), kStamp);
  const auto uids = Values(ics, "UID");
  const auto summaries = Values(ics, "SUMMARY");
  // Days 1, 2, 5 (two events), 10, 14, 20; the 31st holds only a blank.
  ASSERT_EQ(uids.size(), 7u);
  ASSERT_EQ(summaries.size(), 7u);
  EXPECT_EQ(uids[2], "velda2004/03/05_001");
  EXPECT_EQ(summaries[2], "朝礼");
  EXPECT_EQ(uids[3], "velda2004/03/05_002");
  EXPECT_EQ(summaries[3], "資料作成打合せ");
  // Escaped as RFC 5545 asks: "," ";" "\".
  EXPECT_EQ(summaries[0], "会議\\,第二会議室");
  EXPECT_EQ(summaries[1], "太字の予定セミコロン\\;と\\\\バックスラッシュ");
  // Every event has its stamp and a whole day, ending the next morning.
  EXPECT_EQ(Values(ics, "DTSTAMP"), std::vector<std::string>(7, "20261208T001530Z"));
  EXPECT_EQ(Values(ics, "DTSTART;VALUE=DATE")[0], "20040301");
  EXPECT_EQ(Values(ics, "DTEND;VALUE=DATE")[0], "20040302");
}

TEST(ICalendarExport, MonthWithoutEntriesHoldsHeaderAndTrailerOnly) {
  MarchFixture f;
  const Lines header = {kSampleMonth[0], "31,1,,　,,,,,,"};
  EXPECT_EQ(ICalendarExport(f.Month(header), kStamp),
            "BEGIN:VCALENDAR\r\nPRODID:Velda\r\nVERSION:2.0\r\nMETHOD:PUBLISH\r\nCALSCALE:GREGORIAN\r\n"
            "BEGIN:VTIMEZONE\r\nTZID:Asia/Tokyo\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
            "TZOFFSETFROM:+0900\r\nTZOFFSETTO:+0900\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\nEND:VCALENDAR\r\n");
}

TEST(ICalendarExport, LastDayOfTheYearEndsOnNewYear) {
  MarchFixture f;
  const Lines december = {"31,1,,大晦日,,,,,,"};
  const std::string ics = ICalendarExport({2004, 12, december, f.days}, kStamp);
  EXPECT_EQ(Values(ics, "DTEND;VALUE=DATE"), std::vector<std::string>{"20050101"});
}

TEST(ICalendarExport, RunsOfFullWidthBlanksAreRemoved) {
  MarchFixture f;
  const Lines lines = {" 3,1,,A　　B　　　　　　C　D,,,,,,"};
  // Runs of five, four, three and two go in turn: a run of six leaves one.
  EXPECT_EQ(Values(ICalendarExport(f.Month(lines), kStamp), "SUMMARY"),
            std::vector<std::string>{"AB　C　D"});
}

TEST(IcsText, DropsControlsAndShowsUndecodableBytesAsReplacement) {
  EXPECT_EQ(IcsText("a\x01\tb;c,d\\e"), "a\tb\\;c\\,d\\\\e");
  std::string escaped;
  support::AppendUtf8(escaped, support::kCp932EscapeBase + 0x81);
  EXPECT_EQ(IcsText("x" + escaped), "x\xEF\xBF\xBD");
}

// Folding never makes a line longer than 75 octets, never splits a UTF-8
// character, and unfolds back to the line, for every length and mix.
TEST(AppendContentLine, FoldsOnCharacterBoundaries) {
  const std::string pieces[] = {"a", "é", "会", "𠮷"};
  for (int length = 0; length < 200; ++length) {
    std::string line = "SUMMARY:";
    for (int i = 0; i < length; ++i) line += pieces[(i * 7 + length) % 4];
    std::string out;
    AppendContentLine(out, line);
    ASSERT_TRUE(out.ends_with("\r\n"));
    for (const std::string& physical : support::Split(out.substr(0, out.size() - 2), '\n')) {
      const std::string l = physical.ends_with('\r') ? physical.substr(0, physical.size() - 1) : physical;
      EXPECT_LE(l.size(), 75u) << length;
      EXPECT_TRUE(support::IsValidUtf8(l)) << length;
    }
    EXPECT_EQ(support::ReplaceAll(out, "\r\n ", ""), line + "\r\n") << length;
  }
}

// ---- files for the library check (export_check.py) ----------------------------

#ifdef VELDA_EXPORT_SAMPLES
void WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream(std::string(VELDA_EXPORT_SAMPLES) + name, std::ios::binary) << bytes;
}

TEST(ExportSamples, WrittenForTheLibraryCheck) {
  MarchFixture f;
  const auto month = f.Month(kSampleMonth);
  WriteFile("march.ics", ExportFileBytes(ExportFormat::ICalendar, month, kStamp));
  const std::string longText = "とても長い予定の説明文です。とても長い予定の説明文です。とても長い予定の説明文です。";
  WriteFile("march.ics.expect",
            "velda2004/03/01_001\t2004-03-01\t2004-03-02\t会議,第二会議室\n"
            "velda2004/03/02_001\t2004-03-02\t2004-03-03\t太字の予定セミコロン;と\\バックスラッシュ\n"
            "velda2004/03/05_001\t2004-03-05\t2004-03-06\t朝礼\n"
            "velda2004/03/05_002\t2004-03-05\t2004-03-06\t資料作成打合せ\n"
            "velda2004/03/10_001\t2004-03-10\t2004-03-11\t" + longText + "\n"
            "velda2004/03/14_001\t2004-03-14\t2004-03-15\t\"引用\"付き\n"
            "velda2004/03/20_001\t2004-03-20\t2004-03-21\t取消\n");
  WriteFile("march.csv", ExportFileBytes(ExportFormat::Csv, month, kStamp));
  static const char* kWeekdays[] = {"(月)", "(火)", "(水)", "(木)", "(金)", "(土)", "(日)"};
  std::string rows;
  for (int day = 1; day <= 31; ++day) {
    char date[16];
    std::snprintf(date, sizeof date, "2004/03/%.2d", day);
    const std::map<int, std::string> contents = {
        {1, "会議,第二会議室"}, {2, "太字の予定, セミコロン;と\\バックスラッシュ"}, {5, "朝礼　, 資料作成, 打合せ"},
        {10, longText}, {14, "[ホワイト デー]\"引用\"付き"}, {20, "[春分の日]取消"}, {31, "　"}};
    const auto it = contents.find(day);
    rows += std::string(date) + "\t" + kWeekdays[(day - 1) % 7] + "\t" + (it == contents.end() ? "" : it->second) + "\n";
  }
  WriteFile("march.csv.expect", rows);
}
#endif

}  // namespace
}  // namespace settings
