#pragma once
// The search listing: every entry of every month file of the data folder in
// one text, newest month first, and "kensaku.txt", the file that keeps it.
// A month lists its month memo (day 77) first, then the days 31 down to 1;
// each day opens with an empty line, and further entries of a day line up
// under the first:
//
//   (empty)
//   [ 2004年 3月 ]
//     月末に支払い
//   (empty)
//   2004年 3月15日(月) 歯医者
//                      会議，第二会議室
//   (empty)
//   2004年 3月 3日(水) ひな祭り
//
// A name that holds no year or month lists its day lines with "(？)".
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/datetime.h"
#include "platform/services.h"
#include "support/ini.h"

namespace editors {

inline constexpr char kSearchFileName[] = "kensaku.txt";
inline constexpr char kPeriodFileName[] = "CaFromTo.kdf";
inline constexpr int kSearchDataMaxAgeDays = 30;
inline constexpr int kSearchHistoryLimit = 21;
inline constexpr char kSearchSection[] = "Kensaku";
inline constexpr char kSearchHistoryKey[] = "vItems";

// Characters 3 to 6 and 7 to 8 of "Ca200403.kdf"; -1 for a part that is no
// number.
struct YearMonth {
  int year = -1;
  int month = -1;

  bool operator==(const YearMonth&) const = default;
};
YearMonth YearMonthOfFileName(std::string_view name);

// The heading line of a dated day: "2004年 3月 5日(金) " (19 bytes in
// Shift-JIS), "(？)" in place of the weekday when the date does not exist.
std::string DayHeading(YearMonth ym, int day);
// "[ 2004年 3月 ]".
std::string MonthMemoHeading(YearMonth ym);

// Appends the listing of one month file's lines.
void AppendMonthListing(YearMonth ym, const std::vector<std::string>& lines,
                        std::vector<std::string>& out);

// The files a listing takes: "*.kdf" entries that are no folders, newest
// month first (names sorted ascending, then reversed), "CaFromTo.kdf" left
// out.
std::vector<std::string> ListingFileNames(platform::FileSystem& fs, const std::string& folder);

struct SearchListing {
  std::vector<std::string> lines;
  std::vector<std::string> unreadable;  // names of files that could not be read
};
// Called after each file: files done (from 1) and files in all.
using ListingProgress = std::function<void(int done, int total)>;

SearchListing BuildSearchListing(platform::Services& os, const std::string& dataFolder,
                                 const ListingProgress& progress = {});

// "kensaku.txt" against the 30-day rule: dates rounded to whole days (from
// noon on a date counts as the next day), at most 30 days before today is
// fresh.
enum class SearchDataAge { Fresh, Old, Missing };
SearchDataAge SearchDataAgeOf(const std::optional<platform::DateTime>& written,
                              const platform::DateTime& now);

// ---- The history of search words, most recent first -----------------------

// Section "Kensaku", key "vItems", as comma text.
std::vector<std::string> ReadSearchHistory(const support::IniText& ini);
// At most 21 entries are written.
void WriteSearchHistory(support::IniText& ini, std::vector<std::string> history);
// The word goes to the top (moved there when listed); the list keeps 21.
void RememberSearchWord(std::vector<std::string>& history, std::string_view word);

// ---- The day a listing line belongs to ------------------------------------

struct ListingDate {
  int year = 0;
  int month = 0;
  int day = 0;  // 0 for the month memo

  bool operator==(const ListingDate&) const = default;
};
// The dated heading above `row` (the row itself, or the nearest line above
// it within the same group of lines); nullopt on an empty line, a group
// without a readable date, or a row outside the lines.
std::optional<ListingDate> ListingDateAt(const std::vector<std::string>& lines, int row);

}  // namespace editors
