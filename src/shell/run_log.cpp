#include "shell/run_log.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "calendar/japanese_era.h"
#include "platform/dialog_helpers.h"
#include "platform/list_files.h"
#include "support/cp932.h"
#include "support/text.h"

namespace shell {
namespace {

using platform::Inform;

constexpr unsigned kReadWaitMs = 300;
constexpr unsigned kWriteWaitMs = 500;
constexpr int kTries = 5;
constexpr int kFewestLines = 10, kMostLines = 1000;
constexpr std::size_t kReportedTextLength = 30;

std::string TimeText(const platform::DateTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

std::optional<int> Field(std::string_view text, int low, int high) {
  const auto value = support::ParseInt(text);
  if (!value || *value < low || *value > high || text.empty() || text.size() > 4) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  return *value;
}

std::string Heading() {
  return support::PadRight("日付", kRunLogDateWidth) + support::PadLeft("開始時刻", kRunLogStartWidth) +
         support::PadLeft("終了時刻", kRunLogEndWidth);
}

std::string StartCell(std::string_view text) { return support::PadLeft(text, kRunLogStartWidth); }
std::string EndCell(std::string_view text) { return support::PadLeft(text, kRunLogEndWidth); }

int DayOf(const platform::DateTime& t) { return calendar::DateToJulius(t.year, t.month, t.day); }

}  // namespace

std::string RunLogDateTimeText(const platform::DateTime& at) {
  char date[16];
  std::snprintf(date, sizeof date, "%04d/%02d/%02d ", at.year, at.month, at.day);
  return date + TimeText(at);
}

std::optional<platform::DateTime> ParseRunLogDateTime(std::string_view text) {
  const std::vector<std::string> halves = support::Split(support::Trim(text), ' ');
  if (halves.size() != 2) return std::nullopt;
  const std::vector<std::string> date = support::Split(halves[0], '/');
  const std::vector<std::string> time = support::Split(halves[1], ':');
  if (date.size() != 3 || time.size() < 2 || time.size() > 3) return std::nullopt;
  const auto y = Field(date[0], 1, 9999), mo = Field(date[1], 1, 12), d = Field(date[2], 1, 31);
  const auto h = Field(time[0], 0, 23), mi = Field(time[1], 0, 59);
  const auto s = time.size() == 3 ? Field(time[2], 0, 59) : std::optional<int>(0);
  if (!y || !mo || !d || !h || !mi || !s) return std::nullopt;
  try {
    if (!calendar::IsValidDate(*y, *mo, *d)) return std::nullopt;
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return platform::DateTime{*y, *mo, *d, *h, *mi, *s, 0};
}

// ---- the records -----------------------------------------------------------

std::string RunLog::Record(char kind) const {
  return std::string(1, kind) + ":" + RunLogDateTimeText(os_.clock.Now());
}

bool RunLog::Load(std::vector<std::string>& lines) {
  if (platform::LoadListRetry(os_, lines, path_, kReadWaitMs, kTries)) return true;
  Inform(os_.dialogs, "[ " + path_ + " ]の読込に失敗しました。");
  lines.clear();
  return false;
}

bool RunLog::Save(const std::vector<std::string>& lines) {
  if (platform::SaveListRetry(os_, lines, path_, kWriteWaitMs, kTries)) return true;
  Inform(os_.dialogs, "[ " + path_ + " ]の書込に失敗しました。");
  return false;
}

StartRecord RunLog::StartNewFile(const std::string& line) {
  if (!platform::AskYesNoCaption(
          os_.dialogs,
          "楓歌の「起動＆終了時刻」を書き込むファイルが存在しません。\r\n"
          "ファイルが消えてしまった可能性があります。\r\n新しく作成いたしますか？",
          "確認 -楓帳-", true)) {
    Inform(os_.dialogs, "起動＆終了時刻の記録を今回は中止いたします。");
    return {};
  }
  Save({line});
  return {};
}

StartRecord RunLog::RecordStart(bool reportPreviousEnd, int maxLines) {
  const std::string line = Record('S');
  if (!os_.fs.Exists(path_)) return StartNewFile(line);
  std::vector<std::string> lines;
  Load(lines);
  // An empty or unreadable file has no previous run to report; it is left
  // alone so that what could not be read is not lost.
  if (lines.empty()) return {false, ""};
  const std::string previous = lines.back();
  lines.push_back(line);
  const auto keep = static_cast<std::size_t>(std::clamp(maxLines, kFewestLines, kMostLines));
  if (lines.size() > keep) lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(keep));
  Save(lines);
  if (!reportPreviousEnd) return {};
  if (previous.empty() || previous[0] != 'E') return {true, "前回は不正終了しました。"};
  const std::string when = previous.size() > 2 ? previous.substr(2, kReportedTextLength) : "";
  const auto ended = ParseRunLogDateTime(when);
  return {true, "前回は " + (ended ? RunLogDateTimeText(*ended) : support::Trim(when)) + " に終了しました。"};
}

void RunLog::RecordEnd() {
  if (os_.fs.Exists(path_)) os_.fs.Append(path_, support::Utf8ToCp932(Record('E') + "\r\n"));
}

void RunLog::LoggingSwitched(bool on) {
  if (on && !os_.fs.Exists(path_))
    os_.fs.WriteAtomic(path_, support::Utf8ToCp932(Record('S') + "\r\n"));
  else if (!on)
    RecordEnd();
}

std::optional<std::string> RunLog::ViewerText() {
  if (!os_.fs.Exists(path_)) return std::nullopt;
  std::vector<std::string> lines;
  Load(lines);
  RunLogTable table([this] {
    return platform::AskYesNoCaption(os_.dialogs, "中止しますか？", "確認 -楓帳-", true);
  });
  auto rows = table.Build(lines);
  if (!rows) return std::nullopt;
  return support::JoinLines(*rows);
}

// ---- the viewer's table ------------------------------------------------------

bool RunLogTable::Read(const std::string& line, Record& r) {
  r.kind = line[0];
  const std::string text = line.size() > 2 ? line.substr(2) : "";
  const auto at = ParseRunLogDateTime(text);
  if (!at) {
    if (askAbort_ && askAbort_()) return false;
    previousDay_.reset();
    r.time = support::Trim(text);
    r.dateCell = std::string(kRunLogDateWidth, ' ');
    return true;
  }
  const int day = DayOf(*at);
  r.opensDate = !previousDay_ || *previousDay_ != day;
  previousDay_ = day;
  r.dateText = calendar::EraDateText(day);
  r.dateCell = r.opensDate ? support::PadRight(r.dateText, kRunLogDateWidth)
                           : std::string(kRunLogDateWidth, ' ');
  r.time = TimeText(*at);
  return true;
}

void RunLogTable::Complete(const std::string& end) {
  out_.push_back(*pending_ + EndCell(end));
  pending_.reset();
}

void RunLogTable::Add(const Record& r) {
  const bool starts = r.kind == 'S' || r.kind == 'T';
  const std::string startText = r.kind == 'S' ? r.time : "記録開始";
  if (!pending_) {
    if (starts) pending_ = r.dateCell + StartCell(startText);
    else out_.push_back(r.dateCell + StartCell("") + EndCell(r.kind == 'E' ? r.time : "記録停止"));
    return;
  }
  switch (r.kind) {
    case 'S': Complete("不正終了"); break;
    case 'T': Complete("不明"); break;
    case 'F': Complete("記録終了"); return;
    case 'E':
      if (r.opensDate) {
        Complete("-");
        pending_ = support::PadRight(r.dateText, kRunLogDateWidth) + StartCell("-");
      }
      Complete(r.time);
      return;
  }
  pending_ = r.dateCell + StartCell(startText);
}

std::optional<std::vector<std::string>> RunLogTable::Build(const std::vector<std::string>& lines) {
  out_ = {Heading(), ""};
  pending_.reset();
  previousDay_.reset();
  for (const std::string& line : lines) {
    if (line.empty() || std::string_view("SETF").find(line[0]) == std::string_view::npos) continue;
    Record r;
    if (!Read(line, r)) return std::nullopt;
    Add(r);
  }
  if (pending_) out_.push_back(*pending_);
  out_.push_back("");
  out_.push_back(Heading());
  return out_;
}

}  // namespace shell
