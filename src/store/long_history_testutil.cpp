#include "store/long_history_testutil.h"

#include <iterator>
#include <random>

#include "calendar/julius.h"
#include "store/memo_file.h"
#include "store/month_file.h"
#include "store/period_file.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace store {
namespace {

const char* const kEntryTexts[] = {
    "会議，第二会議室", "歯医者", "締切：報告書", "出張 大阪", "誕生日パーティー",
    "定例ミーティング(10F)", "買い物", "ゴミ出し", "打合せ A社", "忘年会（新宿）",
    "健康診断", "車検", "ピアノ教室", "町内会の集まり", "ＰＴＡ", "月例報告",
    "納品 ㈱山田商事", "①資料作成 ②発送", "棚卸し", "社内研修",
};
// Notes some entries carry after their title, as people write them.
const char* const kNotes[] = {
    "　持ち物：資料、印鑑、名刺", "　連絡先 03-1234-5678（担当 佐藤）", "　集合は駅の東口改札前に 10 分前",
    "　※雨天の場合は翌週に順延", "　会費 5,000 円を当日集金", "　議題：来期の予算と人員計画について",
};
const char* const kMemoTexts[] = {"月末に支払い", "家賃振込", "年賀状の準備", "税金の納付"};
const char* const kPeriodTexts[] = {"出張，大阪", "夏休み", "研修期間", "展示会", "帰省"};
const char* const kColourNames[] = {"clBlue", "clRed", "clGreen", "clPurple", "clTeal"};
const Color kColours[] = {kClWindowText, kClWindowText, kClWindowText, 0x0000FF, kClBlue, 0x008000};

class Writer {
 public:
  Writer(platform::FileSystem& fs, const LongHistorySpec& spec, LongHistory& out)
      : fs_(fs), spec_(spec), out_(out), rng_(spec.seed) {}

  bool Month(const std::string& folder, int year, int month) {
    std::string text = MonthHeader(year, month, spec_.setName) + "\r\n";
    const int entries = Pick(5, 30), last = calendar::DaysInMonth(year, month);
    for (int i = 0; i < entries; ++i) {
      DayEntry e{Pick(kEntryTexts), {Pick(kColours), 0, 0, 0, 0}};
      const int first = Pick(0, static_cast<int>(std::size(kNotes)) - 1);
      for (int n = 0, notes = Pick(0, 2) == 0 ? Pick(1, 3) : 0; n < notes; ++n)
        e.text += kNotes[(first + n) % std::size(kNotes)];
      if (Pick(0, 3) == 0) e.attributes.time = Pick(7, 21) * 3600 + Pick(0, 3) * 900;
      text += FormatItemLine(Pick(1, last), i + 1, e) + "\r\n";
    }
    int count = entries;
    if (Pick(0, 4) == 0) {
      text += FormatItemLine(kMonthMemoDay, ++count, {Pick(kMemoTexts), {}}) + "\r\n";
    }
    if (IsMarkerMonth(year, month))
      text += FormatItemLine(spec_.markerDay, ++count, {spec_.markerText, {}}) + "\r\n";
    out_.entries += count;
    out_.monthFileNames.push_back(MonthFileName(year, month));
    return Put(folder + out_.monthFileNames.back(), text);
  }

  bool Periods(const std::string& folder) {
    std::string text = PeriodHeader(spec_.setName) + "\r\n";
    for (int i = 0; i < spec_.periods; ++i) {
      const int year = spec_.firstYear + Pick(0, spec_.years - 1), month = Pick(1, 12);
      const int start = Pick(1, 20), length = Pick(1, 8);
      PeriodItem p;
      p.start = {year, month, start};
      p.end = {year, month, start + length};
      p.summary = p.start;
      p.thickness = Pick(1, 3);
      p.colorText = Pick(kColourNames);
      p.text = CommasToStored(Pick(kPeriodTexts));
      p.author = "PC01";
      text += FormatPeriodItem(p) + "\r\n";
    }
    return Put(folder + kPeriodFileName, text);
  }

  bool Memo(const std::string& folder) {
    std::string text;
    for (int i = 0; i < spec_.memoLines; ++i)
      text += (i % 40 == 0 ? "&" + std::to_string(i / 40 % 10) + " " : std::string()) +
              Pick(kEntryTexts) + "のこと\r\n";
    return Put(folder + kMemoFileName, text);
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  template <typename T, std::size_t N>
  T Pick(const T (&items)[N]) {
    return items[Pick(0, static_cast<int>(N) - 1)];
  }
  bool IsMarkerMonth(int year, int month) const {
    return !spec_.markerText.empty() && year == spec_.markerYear && month == spec_.markerMonth;
  }
  bool Put(const std::string& path, const std::string& utf8) {
    const std::string bytes = support::Utf8ToCp932(utf8);
    out_.bytes += bytes.size();
    return fs_.WriteAtomic(path, bytes);
  }

  platform::FileSystem& fs_;
  const LongHistorySpec& spec_;
  LongHistory& out_;
  std::mt19937 rng_;
};

}  // namespace

bool WriteLongHistory(platform::FileSystem& fs, const std::string& dataFolder,
                      const std::string& commonFolder, const LongHistorySpec& spec,
                      LongHistory& written) {
  written = {};
  Writer writer(fs, spec, written);
  const std::string data = support::EnsureTrailingSeparator(dataFolder);
  for (int year = spec.firstYear; year < spec.firstYear + spec.years; ++year)
    for (int month = 1; month <= 12; ++month)
      if (!writer.Month(data, year, month)) return false;
  return writer.Periods(data) && writer.Memo(support::EnsureTrailingSeparator(commonFolder));
}

}  // namespace store
