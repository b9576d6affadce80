#pragma once
// The run-time log "VeldaSte.kdl" in the common data folder: one line per
// start and orderly end, Shift-JIS, CR LF, and its viewer's table.
//
//   起動時刻ファイル<VeldaSte.kdl>      header, written by the month cycle
//   S:2026/12/08 9:00:12              a start
//   E:2026/12/08 17:31:05             an orderly end
//   T:... / F:...                     recording started / stopped (read only)
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/datetime.h"
#include "platform/services.h"

namespace shell {

// The date and time of a record: the short date the program uses
// ("yyyy/mm/dd"), a blank and the long time ("H:mm:ss"), as Japanese
// Windows writes them. Reading takes the same with or without leading
// zeros and seconds.
std::string RunLogDateTimeText(const platform::DateTime& at);
std::optional<platform::DateTime> ParseRunLogDateTime(std::string_view text);

struct StartRecord {
  bool ok = true;      // false: "起動時刻取得エラー" is due; nothing was written
  std::string report;  // the previous end, for the first activation; "" for none
};

class RunLog {
 public:
  RunLog(platform::Services& os, std::string path) : os_(os), path_(std::move(path)) {}

  // At start-up with logging on: adds "S:" (the file kept to `maxLines`
  // lines) and, when asked, reports how the previous run ended. A file
  // that cannot be read is not written over.
  StartRecord RecordStart(bool reportPreviousEnd, int maxLines);
  // At an accepted close: appends "E:" when the file exists.
  void RecordEnd();
  // The option switched: on starts a missing file with "S:", off ends an
  // existing one with "E:".
  void LoggingSwitched(bool on);
  // The viewer's table; nullopt when the file is missing or the user
  // stopped at an unreadable record.
  std::optional<std::string> ViewerText();

  const std::string& path() const { return path_; }

 private:
  std::string Record(char kind) const;
  bool Load(std::vector<std::string>& lines);
  bool Save(const std::vector<std::string>& lines);
  StartRecord StartNewFile(const std::string& line);

  platform::Services& os_;
  std::string path_;
};

// The viewer's table of records, in Shift-JIS byte columns: date 22 wide
// left-aligned, start 18 and end 20 right-aligned.
//
//   日付                            開始時刻            終了時刻
//
//   令和8年12月8日(火)               9:00:12            17:31:05
//   令和8年12月9日(水)              23:10:00                   -
//   令和8年12月10日(木)                    -             1:02:00
//
// `askAbort` is asked at a record whose date cannot be read; true stops
// the table (nullopt).
class RunLogTable {
 public:
  explicit RunLogTable(std::function<bool()> askAbort) : askAbort_(std::move(askAbort)) {}
  std::optional<std::vector<std::string>> Build(const std::vector<std::string>& lines);

 private:
  struct Record {
    char kind = 0;
    std::string dateCell;  // the date text, or blanks when the date goes on
    std::string dateText;
    std::string time;
    bool opensDate = false;
  };
  bool Read(const std::string& line, Record& r);
  void Add(const Record& r);
  void Complete(const std::string& end);

  std::function<bool()> askAbort_;
  std::vector<std::string> out_;
  std::optional<std::string> pending_;
  std::optional<int> previousDay_;
};

inline constexpr int kRunLogDateWidth = 22;
inline constexpr int kRunLogStartWidth = 18;
inline constexpr int kRunLogEndWidth = 20;

}  // namespace shell
