#include "editors/search_listing.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "calendar/comma_text.h"
#include "calendar/julius.h"
#include "store/exact_lines.h"
#include "store/month_file.h"
#include "store/schedule_item.h"
#include "support/text.h"

namespace editors {
namespace {

constexpr int kLastDay = 31;
constexpr unsigned kReadWaitMs = store::kMonthReadWaitMs;
constexpr int kReadTries = store::kMonthReadTries;
const std::string kDayIndent(19, ' ');  // the width of a day heading
const std::string kMemoIndent(2, ' ');

// 0 when the date does not exist (or lies outside years 1..9999).
int WeekdayOf(YearMonth ym, int day) {
  if (ym.year < 1 || ym.year > 9999 || ym.month < 1 || ym.month > 12) return 0;
  if (day < 1 || day > calendar::DaysInMonth(ym.year, ym.month)) return 0;
  try {
    if (!calendar::IsValidDate(ym.year, ym.month, day)) return 0;
    return calendar::JuliusDayOfWeek(calendar::DateToJulius(ym.year, ym.month, day));
  } catch (const std::exception&) {  // the days the 1582 reform dropped
    return 0;
  }
}

std::string_view TextField(std::string_view line) {
  for (int field = 0; field < store::kItemText; ++field) {
    std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return {};
    line.remove_prefix(comma + 1);
  }
  return line.substr(0, line.find(','));
}

// Line indices per listed day: slot 0 the month memo, 1..31 the days.
using DayBuckets = std::array<std::vector<int>, kLastDay + 1>;

void SortIntoDays(const std::vector<std::string>& lines, DayBuckets& buckets) {
  for (auto& bucket : buckets) bucket.clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int day = store::ItemDay(lines[i]);
    if (day == store::kMonthMemoDay) buckets[0].push_back(static_cast<int>(i));
    else if (day >= 1 && day <= kLastDay) buckets[day].push_back(static_cast<int>(i));
  }
}

void AppendDay(YearMonth ym, int day, const std::vector<int>& indices,
               const std::vector<std::string>& lines, std::vector<std::string>& out) {
  if (indices.empty()) return;
  out.emplace_back();
  const bool memo = day == store::kMonthMemoDay;
  if (memo) out.push_back(MonthMemoHeading(ym));
  const std::string& indent = memo ? kMemoIndent : kDayIndent;
  for (std::size_t k = 0; k < indices.size(); ++k) {
    std::string_view text = TextField(lines[indices[k]]);
    std::string line = (memo || k > 0) ? indent : DayHeading(ym, day);
    line.append(text);
    out.push_back(std::move(line));
  }
}

bool IsListingName(const platform::DirEntry& e) {
  return !e.isFolder && !support::EqualsIgnoreCase(e.name, kPeriodFileName);
}

// Days since an epoch with the time of day rounded: noon or later is the
// next day.
long long RoundedDay(const platform::DateTime& t) {
  long long day = 0;
  try {
    day = calendar::DateToJulius(t.year, t.month, t.day);
  } catch (const std::exception&) {
    return 0;
  }
  return day + (t.hour >= 12 ? 1 : 0);
}

int PartNumber(std::string_view text) { return support::StrToIntDef(text, -1); }

// "2004年 3月 5日(" or "[ 2004年 3月 ]" at the start of a heading.
std::optional<ListingDate> DateOfHeading(std::string_view line) {
  const bool memo = line.starts_with("[ ");
  if (memo) line.remove_prefix(2);
  std::size_t y = line.find("年"), m = line.find("月");
  if (y == std::string_view::npos || m == std::string_view::npos || m < y) return std::nullopt;
  ListingDate date{PartNumber(line.substr(0, y)), PartNumber(line.substr(y + 3, m - y - 3)), 0};
  if (!memo) {
    std::size_t d = line.find("日(", m);
    if (d == std::string_view::npos) return std::nullopt;
    date.day = PartNumber(line.substr(m + 3, d - m - 3));
    if (date.day < 1) return std::nullopt;
  }
  if (date.year < 0 || date.month < 1 || date.month > 12) return std::nullopt;
  return date;
}

}  // namespace

YearMonth YearMonthOfFileName(std::string_view name) {
  auto part = [&](std::size_t from, std::size_t count) {
    return from < name.size() ? PartNumber(name.substr(from, count)) : -1;
  };
  return {part(2, 4), part(6, 2)};
}

std::string DayHeading(YearMonth ym, int day) {
  char head[64];
  std::snprintf(head, sizeof head, "%d年%2d月%2d日", ym.year, ym.month, day);
  const int weekday = WeekdayOf(ym, day);
  std::string line = head;
  line += weekday ? "(" + support::WeekdayShort(weekday) + ")" : std::string("(？)");
  line += ' ';
  return line;
}

std::string MonthMemoHeading(YearMonth ym) {
  char head[48];
  std::snprintf(head, sizeof head, "[ %d年%2d月 ]", ym.year, ym.month);
  return head;
}

void AppendMonthListing(YearMonth ym, const std::vector<std::string>& lines,
                        std::vector<std::string>& out) {
  thread_local DayBuckets buckets;
  SortIntoDays(lines, buckets);
  AppendDay(ym, store::kMonthMemoDay, buckets[0], lines, out);
  for (int day = kLastDay; day >= 1; --day) AppendDay(ym, day, buckets[day], lines, out);
}

std::vector<std::string> ListingFileNames(platform::FileSystem& fs, const std::string& folder) {
  std::vector<std::string> names;
  for (const platform::DirEntry& e : fs.List(folder + "*.kdf"))
    if (IsListingName(e)) names.push_back(e.name);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return support::CompareIgnoreCase(a, b) > 0;
  });
  return names;
}

SearchListing BuildSearchListing(platform::Services& os, const std::string& dataFolder,
                                 const ListingProgress& progress) {
  SearchListing listing;
  const std::vector<std::string> names = ListingFileNames(os.fs, dataFolder);
  std::vector<std::string> lines;
  const int total = static_cast<int>(names.size());
  for (int i = 0; i < total; ++i) {
    if (store::ReadLinesRetry(os, dataFolder + names[i], kReadWaitMs, kReadTries, lines, nullptr))
      AppendMonthListing(YearMonthOfFileName(names[i]), lines, listing.lines);
    else
      listing.unreadable.push_back(names[i]);
    if (progress) progress(i + 1, total);
  }
  return listing;
}

SearchDataAge SearchDataAgeOf(const std::optional<platform::DateTime>& written,
                              const platform::DateTime& now) {
  if (!written) return SearchDataAge::Missing;
  return RoundedDay(now) - RoundedDay(*written) <= kSearchDataMaxAgeDays ? SearchDataAge::Fresh
                                                                         : SearchDataAge::Old;
}

// ---- History ------------------------------------------------------------------

std::vector<std::string> ReadSearchHistory(const support::IniText& ini) {
  std::string text = ini.ReadString(kSearchSection, kSearchHistoryKey, "");
  if (support::IsBlank(text)) return {};
  std::vector<std::string> history;
  for (std::string& word : calendar::SplitCommaText(text))
    if (!support::IsBlank(word)) history.push_back(std::move(word));
  if (history.size() > kSearchHistoryLimit) history.resize(kSearchHistoryLimit);
  return history;
}

// The profile functions take one pair of quotes off a value that starts and
// ends with one; a list whose text does so (one word with a blank) gets a
// second pair to keep its own.
void WriteSearchHistory(support::IniText& ini, std::vector<std::string> history) {
  if (history.size() > kSearchHistoryLimit) history.resize(kSearchHistoryLimit);
  std::string text = history.empty() ? std::string() : calendar::JoinCommaText(history);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = '"' + text + '"';
  ini.WriteString(kSearchSection, kSearchHistoryKey, text);
}

void RememberSearchWord(std::vector<std::string>& history, std::string_view word) {
  support::PushRecent(history, word, kSearchHistoryLimit);
}

// ---- Dates of lines --------------------------------------------------------------

std::optional<ListingDate> ListingDateAt(const std::vector<std::string>& lines, int row) {
  if (row < 0 || row >= static_cast<int>(lines.size())) return std::nullopt;
  for (int r = row; r >= 0 && !lines[r].empty(); --r) {
    const std::string& line = lines[r];
    if (line.starts_with(' ')) continue;  // an entry under its heading
    return DateOfHeading(line);
  }
  return std::nullopt;
}

}  // namespace editors
