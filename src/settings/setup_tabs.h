#pragma once
// Which pages the setup window shows for each way it is opened. The
// maintenance pages (data copies, setup, shortcuts) come together; the
// commemoration page and the commemoration-day table each stand alone, so
// that their own close buttons decide how the window ends.
#include <vector>

namespace settings {

// What the main window opens the window for.
enum class SetupPage { Backup, Export, Install, Shortcuts, Commemoration, SpecialDays };
// The pages of the window's tab, in their order.
enum class SetupTab { Copy, Install, Shortcuts, Commemoration, SpecialDays };
inline constexpr const char* kSetupTabCaptions[5] = {"コピー", "Setup", "起動方法", "かえで記念", "記念日"};
// The two sub-pages of "コピー".
inline constexpr char kBackupSubPageCaption[] = "　データ退避（バックアップ） ";
inline constexpr char kExportSubPageCaption[] = "　データ書出　";

struct SetupTabLayout {
  std::vector<SetupTab> tabs;
  SetupTab selected = SetupTab::Copy;
  bool exportShown = false;     // the sub-page "　データ書出　"
  bool exportSelected = false;  // ... chosen instead of the backup sub-page
};

// `exportAvailable`: the main window handed over what the export needs.
SetupTabLayout TabsFor(SetupPage page, bool exportAvailable);

}  // namespace settings
