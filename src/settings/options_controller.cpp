#include "settings/options_controller.h"

#include <algorithm>
#include <cstdint>

#include "platform/dialog_helpers.h"
#include "support/paths.h"
#include "support/text.h"

namespace settings {
namespace {

constexpr char kMarkerName[] = "localfol.kdf";

template <class S>
const KeyRow<S>* RowNamed(std::span<const KeyRow<S>> rows, std::string_view key) {
  for (const auto& row : rows)
    if (row.key == key) return &row;
  return nullptr;
}

// The digits and minus signs an input method types, as ASCII.
std::string AsciiDigits(std::string_view typed) {
  std::string text(typed);
  for (int d = 0; d <= 9; ++d) text = support::ReplaceAll(text, support::FullWidthDigit(d), std::to_string(d));
  for (const char* minus : {"－", "−", "ー"}) text = support::ReplaceAll(text, minus, "-");
  return support::Trim(text);
}

// A decimal number of any length; nullopt for anything else (hexadecimal
// included: an up-down's buddy holds decimal numbers only).
std::optional<std::int64_t> DecimalNumber(std::string_view typed) {
  const std::string text = AsciiDigits(typed);
  std::size_t i = text.size() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min<std::int64_t>(value * 10 + (c - '0'), INT32_MAX + std::int64_t{1});  // [0, 2^31]
  }
  return text[0] == '-' ? -value : value;
}

bool Within(std::int64_t value, NumberRange range) { return value >= range.min && value <= range.max; }

}  // namespace

std::optional<int> TypedNumber(std::string_view typed, NumberRange range) {
  const std::optional<std::int64_t> value = DecimalNumber(typed);
  if (!value) return std::nullopt;
  return static_cast<int>(std::clamp<std::int64_t>(*value, range.min, range.max));
}

OptionsController::OptionsController(platform::Services& os, OptionsContext context, OptionsForm form)
    : os_(os), context_(std::move(context)), form_(std::move(form)), folder_(form_.values.edFolder) {}

std::string OptionsController::Value(const OptionControl& c) const {
  switch (c.bind) {
    case BindTo::Settings:
      if (const auto* row = RowNamed(SettingsKeys(), c.name)) return ValueText(*row, form_.values);
      return {};
    case BindTo::Memo:
      if (const auto* row = RowNamed(MemoWindowKeyRows(), c.name)) return ValueText(*row, form_.memo);
      return {};
    case BindTo::LocalMarker:
      return SwitchText(form_.cbLocal);
    case BindTo::None:
      return {};
  }
  return {};
}

void OptionsController::Change(const OptionControl& c, const std::string& value) {
  if (c.bind == BindTo::LocalMarker) return SetLocalMarker(value == "1");
  std::string stored = value;
  if (c.name == "cbBackKankaku")
    stored = std::to_string(ConfirmBackupInterval(support::StrToIntDef(value, 0), context_.onRemovableDrive,
                                                  os_.dialogs));
  if (c.bind == BindTo::Settings) {
    if (const auto* row = RowNamed(SettingsKeys(), c.name)) StoreText(*row, stored.c_str(), form_.values);
  } else if (c.bind == BindTo::Memo) {
    if (const auto* row = RowNamed(MemoWindowKeyRows(), c.name)) StoreText(*row, stored.c_str(), form_.memo);
  }
}

void OptionsController::Typed(const OptionControl& c, const std::string& text) {
  const std::optional<std::int64_t> value = DecimalNumber(text);
  if (value && Within(*value, c.range)) Change(c, std::to_string(*value));
}

std::string OptionsController::LeaveNumber(const OptionControl& c, const std::string& text) {
  if (const std::optional<int> value = TypedNumber(text, c.range)) Change(c, std::to_string(*value));
  return Value(c);
}

void OptionsController::ResetColours() { ResetTextColors(form_.values); }

void OptionsController::BeginFolderChange() { folder_.Begin(); }

bool OptionsController::ExecuteFolderChange(const std::string& typed) {
  if (!folder_.Execute(os_, context_.programFolder, typed)) return false;
  form_.values.edFolder = folder_.text();
  return true;
}

void OptionsController::CancelFolderChange() { folder_.Cancel(); }

bool OptionsController::Enabled(const OptionControl& c) const {
  if (c.name == "cbToday") return form_.cbTodayEnabled;
  if (c.name == "cbLocal") return form_.cbLocalEnabled;
  if (c.name == "btnFolderChange") return !folder_.pending();
  if (c.name == "btnFolderExecute" || c.name == "btnFolderCancel") return folder_.pending();
  return true;
}

bool OptionsController::ReadOnly(const OptionControl& c) const { return c.name == "edFolder" && !folder_.pending(); }

void OptionsController::SetLocalMarker(bool checked) {
  if (settings::SetLocalMarker(os_.fs, context_, checked)) {
    form_.cbLocal = checked;
    return;
  }
  const std::string marker = support::JoinPath(context_.programFolder, kMarkerName);
  if (!context_.onCdRom)
    platform::Inform(os_.dialogs, checked ? "[ " + marker + " ]の書込に失敗しました。" : "ファイルの削除に失敗しました。");
  form_.cbLocal = os_.fs.Exists(marker);
}

}  // namespace settings
