#include "shell/day_copy.h"

#include <cstdio>

#include "platform/dialog_helpers.h"
#include "shell/month_cycle.h"
#include "store/schedule_item.h"
#include "support/text.h"

namespace shell {
namespace {

// Fields 3..8 of a line, the text to the last mark; the paste needs them
// all.
constexpr std::size_t kFieldsNeeded = store::kItemMarkC + 1;

bool IsDayCopy(std::string_view text) {
  const auto lines = support::SplitLines(text);
  return !lines.empty() && lines.front() == kDayCopyHeader;
}

// "%2d,%d,,%s,%s,%s,%s,%s,%s," with the copied fields 3..8 as they stand.
std::string LineForDay(int day, const std::vector<std::string_view>& fields) {
  char head[32];
  const int position = support::StrToIntDef(fields[store::kItemPosition], 0);
  std::snprintf(head, sizeof head, "%2d,%d,,", day, position);
  std::string line = head;
  for (std::size_t i = store::kItemText; i < kFieldsNeeded; ++i) line.append(fields[i]).push_back(',');
  return line;
}

}  // namespace

std::optional<std::string> DayCopyText(const store::MonthSlot& slot, const calendar::Date& date) {
  if (slot.year != date.year || slot.month != date.month) return std::nullopt;
  std::vector<std::string> lines{kDayCopyHeader};
  bool anyText = false;
  for (const std::string& line : slot.lines) {
    if (store::ItemDay(line) != date.day) continue;
    lines.push_back(line);
    const auto fields = store::SplitItem(line);
    anyText = anyText || (fields.size() > store::kItemText && !fields[store::kItemText].empty());
  }
  if (!anyText) return std::nullopt;
  return support::JoinLines(lines);
}

PastedLines ParseDayCopy(const std::optional<std::string>& text, int day) {
  if (!text) return {PasteRefusal::NoText, {}};
  const auto lines = support::SplitLines(*text);
  if (lines.empty()) return {PasteRefusal::NoData, {}};
  if (lines.front() != kDayCopyHeader) return {PasteRefusal::NotDayCopy, {}};
  PastedLines pasted;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto fields = store::SplitItem(lines[i]);
    if (fields.size() < kFieldsNeeded) return {PasteRefusal::ConversionError, {}};
    pasted.lines.push_back(LineForDay(day, fields));
  }
  if (pasted.lines.empty()) pasted.refusal = PasteRefusal::ConversionError;
  return pasted;
}

std::string RefusalMessage(PasteRefusal refusal) {
  switch (refusal) {
    case PasteRefusal::NoText: return "クリップボードに、テキストデータがありません。";
    case PasteRefusal::NoData: return "クリップボードに、データがありません。";
    case PasteRefusal::NotDayCopy:
      return "クリップボードのデータは、貼り付けに適するデータではありません。\r\nこの貼付は中止いたします。";
    case PasteRefusal::ConversionError:
      return "クリップボードのデータ変換エラー。\r\nこの貼付は中止いたします。";
    case PasteRefusal::None: break;
  }
  return {};
}

bool DayCopy::Copy(EditHost& host, const calendar::Date& date) {
  const auto text = DayCopyText(host.Month(host.ShownSlot()), date);
  if (!text || !os_.clipboard.SetText(*text)) return false;
  pending_ = true;
  return true;
}

bool DayCopy::Paste(EditHost& host, const calendar::Date& date) {
  const int slot = host.ShownSlot();
  store::MonthSlot& month = host.Month(slot);
  // The grid may show a day of a month the cycle does not hold here.
  if (month.year != date.year || month.month != date.month) return false;
  PastedLines pasted = ParseDayCopy(os_.clipboard.GetText(), date.day);
  if (pasted.refusal != PasteRefusal::None) {
    pending_ = false;
    platform::Inform(os_.dialogs, RefusalMessage(pasted.refusal));
    return false;
  }
  month.lines.insert(month.lines.end(), pasted.lines.begin(), pasted.lines.end());
  // Network mode writes the extra slot at once, as it always did; the
  // window months there wait for the next locked write.
  if (host.CommitMonthEdit(slot) == EditSaved::Deferred && slot == kExtraSlot) host.SaveMonth(kExtraSlot);
  return true;
}

void DayCopy::Forget() {
  if (!pending_) return;
  pending_ = false;
  const auto text = os_.clipboard.GetText();
  if (text && IsDayCopy(*text)) os_.clipboard.SetText("");
}

}  // namespace shell
