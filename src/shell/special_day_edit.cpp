#include "shell/special_day_edit.h"

#include <algorithm>

#include "platform/dialog_helpers.h"
#include "store/special_days.h"
#include "support/text.h"

namespace shell {
namespace {

// Years beyond this are no calendar year the rules could match.
constexpr int kLastDisplayYear = 9999;

std::string BadYearMessage(const std::string& text) {
  return "表示年[ " + text + " ]は、西暦の年ではありません。\r\n登録いたしません。";
}

}  // namespace

std::optional<int> DisplayYearOfText(std::string_view text) {
  const std::string trimmed = support::Trim(text);
  if (trimmed.empty()) return 0;
  if (trimmed.size() > 4 || !std::all_of(trimmed.begin(), trimmed.end(),
                                         [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int year = std::stoi(trimmed);
  return year <= kLastDisplayYear ? std::optional(year) : std::nullopt;
}

std::string DisplayYearText(int year) { return year == 0 ? std::string() : std::to_string(year); }

SpecialDayEdit::SpecialDayEdit(platform::Services& os, const store::Folders& folders, EditHost& host,
                               DayEditorPort& editor, calendar::DayClassifier& days)
    : os_(os), folders_(folders), host_(host), editor_(editor), days_(days) {}

bool SpecialDayEdit::Edit(const calendar::Date& date) {
  const auto old = store::FindSpecialDay(days_.SpecialDayList(), date.month, date.day);
  editors::SpecialDayPage page;
  if (old) page = {store::SpecialDayNameShown(old->name), DisplayYearText(old->fromYear),
                   DisplayYearText(old->toYear)};
  bool stored = false;
  OpenEdit::Scope open(host_.openEdit, [&] { stored = StoreResult(date, editor_.FinishSpecialDay()); });
  const editors::SpecialDayResult result = editor_.EditSpecialDay(date, page);
  if (!open.finished()) stored = StoreResult(date, result);
  return stored;
}

bool SpecialDayEdit::StoreResult(const calendar::Date& date, const editors::SpecialDayResult& result) {
  if (!result.writeBack) return false;
  for (const std::string* year : {&result.page.fromYear, &result.page.toYear}) {
    if (DisplayYearOfText(*year)) continue;
    platform::Inform(os_.dialogs, BadYearMessage(*year));
    return false;
  }
  std::vector<std::string> lines = days_.SpecialDayList();
  const auto old = store::FindSpecialDay(lines, date.month, date.day);
  const store::SpecialDayEdit edit{result.page.name, *DisplayYearOfText(result.page.fromYear),
                                   *DisplayYearOfText(result.page.toYear)};
  if (!store::ApplySpecialDayEdit(lines, old, date.month, date.day, edit)) return false;
  store::SaveSpecialDays({os_, folders_}, lines, copy_);
  days_.SetSpecialDayList(std::move(lines));
  host_.SpecialDaysChanged();
  return true;
}

}  // namespace shell
