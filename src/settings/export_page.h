#pragma once
// The page "　データ書出　" of the setup window, group " 予定データ ":
// the export folder, the four formats and "予定データ書出実行", without
// its window. The run checks the folder, has the main window write its
// pending data, reads the shown month's file, lets the user choose the
// file, asks before overwriting and writes the whole file at once.
#include <optional>
#include <string>

#include "calendar/day_classifier.h"
#include "platform/services.h"
#include "settings/schedule_export.h"
#include "settings/window_keys.h"
#include "store/folders.h"

namespace settings {

// The captions of the format choice, in the order of ExportFormat.
inline constexpr const char* kExportFormatCaptions[4] = {
    "テキスト（スペース区切り）", "ＣＳＶ（カンマ区切り）", "テキスト(html用)", "iCalender(Google等互換)"};

// What the save dialog is asked.
struct SaveFileRequest {
  std::string folder;    // where it opens, with separator
  std::string fileName;  // proposed
  std::string filter;    // "caption|pattern|caption|pattern…"
  int filterIndex = 1;   // 1-based, the chosen format's
  std::string title;     // "" for the system's own
  std::string extension; // added when the user types none
};

// What the run needs from the windows around it.
class ExportHost {
 public:
  virtual ~ExportHost() = default;
  // The main window writes out its pending months and periods.
  virtual void SavePendingData() = 0;
  // The chosen path, or nullopt when the user cancelled.
  virtual std::optional<std::string> ChooseSaveFile(const SaveFileRequest& request) = 0;
  // Now in UTC: the creation stamp of the calendar file's events.
  virtual platform::DateTime UtcNow() = 0;
};

// The page's state, kept in section "Setup" of the settings file.
struct ExportChoice {
  std::string folder;  // edtKakidashi
  ExportFormat format = ExportFormat::Text;
};
// An empty export folder starts as the program folder.
ExportChoice ExportChoiceOf(const SetupWindowKeys& keys, const std::string& programFolder);
void StoreExportChoice(const ExportChoice& choice, SetupWindowKeys& keys);

struct ExportContext {
  platform::Services& os;
  const store::Folders& folders;
  const calendar::DayClassifier& days;  // the grid's rules, for the labels
  ExportHost& host;
};

// "予定データ書出実行" for the month shown in the main window. True when the
// file was written; the folder the user chose is stored back in `choice`.
bool RunExport(const ExportContext& context, int year, int month, ExportChoice& choice);

}  // namespace settings
