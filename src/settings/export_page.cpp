#include "settings/export_page.h"

#include "platform/dialog_helpers.h"
#include "store/exact_lines.h"
#include "store/month_file.h"
#include "support/paths.h"
#include "support/text.h"
#include "support/utf8.h"

namespace settings {
namespace {

constexpr char kAborting[] = "\r\n中止します。";

// The export folder with its separator, or nullopt after telling why not.
std::optional<std::string> CheckedFolder(platform::Services& os, const std::string& folder) {
  const std::string trimmed = support::Trim(folder);
  if (support::Utf8CharCount(trimmed) <= 1) {
    platform::Inform(os.dialogs, std::string("フォルダの設定が、不明です。") + kAborting);
    return std::nullopt;
  }
  if (!os.fs.IsFolder(trimmed)) {
    platform::Inform(os.dialogs, std::string("フォルダが存在しません。") + kAborting);
    return std::nullopt;
  }
  return support::EnsureTrailingSeparator(trimmed);
}

std::optional<std::vector<std::string>> ReadMonthLines(platform::Services& os, const std::string& path) {
  if (!os.fs.Exists(path)) {
    platform::Inform(os.dialogs, "目的のデータ[" + path + "]が存在しません。" + kAborting);
    return std::nullopt;
  }
  std::vector<std::string> lines;
  if (!store::ReadLinesRetry(os, path, store::kMonthReadWaitMs, store::kMonthReadTries, lines, nullptr)) {
    platform::Inform(os.dialogs, "読込エラー[" + path + "]");
    return std::nullopt;
  }
  return lines;
}

SaveFileRequest RequestFor(const std::string& folder, ExportFormat format, int year, int month) {
  return {folder, ExportFileName(format, year, month), kExportFilter, static_cast<int>(format) + 1,
          ExportDialogTitle(format), ExportExtension(format)};
}

// An existing file is replaced only after a Yes.
bool MayWrite(platform::Services& os, const std::string& path) {
  if (!os.fs.Exists(path)) return true;
  if (platform::AskYesNoCaption(os.dialogs, "同名のファイルが存在します。\r\n上書きしますか？", "確認 -楓帳-", true))
    return true;
  platform::Inform(os.dialogs, "中止します。");
  return false;
}

std::string FolderOf(const std::string& path) { return support::EnsureTrailingSeparator(support::ParentPart(path)); }

}  // namespace

ExportChoice ExportChoiceOf(const SetupWindowKeys& keys, const std::string& programFolder) {
  ExportChoice choice;
  choice.folder = support::IsBlank(keys.edtKakidashi) ? programFolder : keys.edtKakidashi;
  if (keys.rbCSV) choice.format = ExportFormat::Csv;
  if (keys.rbHtml) choice.format = ExportFormat::Html;
  if (keys.rbiCal) choice.format = ExportFormat::ICalendar;
  return choice;
}

void StoreExportChoice(const ExportChoice& choice, SetupWindowKeys& keys) {
  keys.edtKakidashi = choice.folder;
  keys.rbText = choice.format == ExportFormat::Text;
  keys.rbCSV = choice.format == ExportFormat::Csv;
  keys.rbHtml = choice.format == ExportFormat::Html;
  keys.rbiCal = choice.format == ExportFormat::ICalendar;
}

bool RunExport(const ExportContext& context, int year, int month, ExportChoice& choice) {
  platform::Services& os = context.os;
  const auto folder = CheckedFolder(os, choice.folder);
  if (!folder) return false;
  context.host.SavePendingData();
  const auto lines = ReadMonthLines(os, context.folders.dataFolder + store::MonthFileName(year, month));
  if (!lines) return false;
  const auto path = context.host.ChooseSaveFile(RequestFor(*folder, choice.format, year, month));
  if (!path) return false;
  choice.folder = FolderOf(*path);
  const std::string bytes =
      ExportFileBytes(choice.format, {year, month, *lines, context.days}, context.host.UtcNow());
  if (!MayWrite(os, *path)) return false;
  if (!os.fs.WriteAtomic(*path, bytes)) {
    platform::Inform(os.dialogs, "テキスト(" + *path + ")を書き出せませんでした。" + kAborting);
    return false;
  }
  platform::Inform(os.dialogs, "テキスト(" + *path + ")を書き出しました。");
  return true;
}

}  // namespace settings
