#include "store/special_days.h"

#include "calendar/comma_text.h"
#include "platform/dialog_helpers.h"
#include "store/line_reader.h"
#include "support/text.h"
#include "store/period_item.h"
#include "support/cp932.h"

namespace store {
namespace {

constexpr char kFullWidthBlank[] = "　";
constexpr int kSpecialDaySaveTries = 5;
constexpr unsigned kSpecialDaySaveWaitMs = 500;

std::string YearText(int year) { return year == 0 ? std::string() : std::to_string(year); }

SpecialDayEdit EditOf(const std::optional<SpecialDay>& old) {
  if (!old) return {};
  return {SpecialDayNameShown(old->name), old->fromYear, old->toYear};
}

// Control characters separate comma-text fields like blanks do.
std::string BlanksForControls(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return text;
}

// A name opening with a quote would read back as a quoted field: it is
// written as one, its quotes doubled.
std::string QuotedIfNeeded(const std::string& name) {
  if (name.empty() || name.front() != '"') return name;
  return '"' + support::ReplaceAllMbcs(name, "\"", "\"\"") + '"';
}

std::string StoredName(const std::string& typed) {
  std::string name(support::Trim(support::ReplaceAllMbcs(BlanksForControls(typed), kFullWidthBlank, " ")));
  name = support::ReplaceAllMbcs(support::ReplaceAllMbcs(name, ",", "，"), " ", kFullWidthBlank);
  return QuotedIfNeeded(name);
}

// Loads the file when it exists and hands the lines to `apply`.
template <typename Apply>
bool LoadRuleFile(platform::Services& os, const std::string& path, const char* failure,
                  RuleFileCopy* copy, Apply apply) {
  if (copy) *copy = RuleFileCopy{};
  if (!os.fs.Exists(path)) return true;
  std::vector<std::string> lines;
  bool ok = LoadLines(os, lines, path, copy ? &copy->originals : nullptr);
  if (copy) copy->unread = !ok;
  ok = apply(std::move(lines)) && ok;
  if (!ok) platform::Inform(os.dialogs, failure);
  return ok;
}

}  // namespace

bool LoadHolidayFile(platform::Services& os, calendar::DayClassifier& days, const std::string& path) {
  return LoadRuleFile(os, path, "祭日ファイル読込ミス\r\n処理は続けます。", nullptr,
                      [&](std::vector<std::string> l) {
                        days.SetHolidayList(std::move(l));
                        return !days.HolidayError();
                      });
}

bool LoadSpecialDayFile(platform::Services& os, calendar::DayClassifier& days,
                        const std::string& folder, RuleFileCopy* copy) {
  return LoadRuleFile(os, folder + kSpecialDayFileName, "スペシャルDayファイル読込ミス\r\n処理は続けます。",
                      copy, [&](std::vector<std::string> l) {
                        days.SetSpecialDayList(std::move(l));
                        return !days.SpecialDayError();
                      });
}

std::optional<SpecialDay> FindSpecialDay(const std::vector<std::string>& lines, int month, int day) {
  for (size_t i = 0; i < lines.size(); ++i) {
    auto f = calendar::SplitCommaText(lines[i]);
    if (f.size() != 7 || support::StrToIntDef(f[2], 0) != month || support::StrToIntDef(f[3], 0) != day) continue;
    return SpecialDay{support::StrToIntDef(f[0], 0), support::StrToIntDef(f[1], 0), f[6], static_cast<int>(i)};
  }
  return std::nullopt;
}

std::string SpecialDayNameShown(const std::string& stored) {
  return support::ReplaceAllMbcs(DigitCommaToShown(stored), kFullWidthBlank, " ");
}

bool ApplySpecialDayEdit(std::vector<std::string>& lines, const std::optional<SpecialDay>& old,
                         int month, int day, const SpecialDayEdit& edit) {
  if (edit == EditOf(old)) return false;
  if (old && old->index >= 0 && old->index < static_cast<int>(lines.size()))
    lines.erase(lines.begin() + old->index);
  std::string name = StoredName(edit.name);
  if (!name.empty())
    lines.push_back(YearText(edit.fromYear) + ',' + YearText(edit.toYear) + ',' + std::to_string(month) +
                    ',' + std::to_string(day) + ",,," + name);
  return true;
}

bool SaveSpecialDays(const StoreEnv& env, const std::vector<std::string>& lines,
                     const RuleFileCopy* copy) {
  const std::string& folder = env.folders.commonDataFolder;
  if (copy && copy->unread) {
    platform::Inform(env.os.dialogs, "[ " + folder + kSpecialDayFileName +
                                         " ]が読み込めていないため、\r\nファイルを守るため記念日は保存しません。");
    return false;
  }
  if (WriteLinesRetry(env.os, folder + kSpecialDayFileName, kSpecialDaySaveWaitMs,
                      kSpecialDaySaveTries, lines, copy ? &copy->originals : nullptr))
    return true;
  platform::Inform(env.os.dialogs, "[ " + folder + kSpecialDayFileName + " ]の書込に失敗しました。");
  return false;
}

}  // namespace store
