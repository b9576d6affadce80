#pragma once
// The companion programs installed beside the calendar: the print program
// ("楓プリン", Velprin.exe), the desktop clock ("楓時計", Velclock.exe) and
// the text editor ("岳斗 -Gakto-", Gakto.exe), which can take over the memo
// file. They are not part of this program: it only finds them, starts them
// with their command lines, finds their windows by class and title, raises
// them or asks them to close. Also the program's own file properties and the
// maker's web site.
//
// The print program's command line, each value quoted ("" inside a value):
//   /K="C:\Velda\" /D="C:\Velda\" /D2="C:\Velda\Data\Files1\" /U="1" /S="C:\Users\u\...\"
// The memo file as the editor takes it, blanks as "_\Sp\_":
//   CaMemo.kdf,C:\Velda\Data\,1,0,0,,,,0,0,,,
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "settings/settings.h"

namespace shell {

inline constexpr char kCompanionClass[] = "TApplication";
inline constexpr char kPrintTitle[] = "楓プリン";
inline constexpr char kClockTitle[] = "楓時計";
inline constexpr char kEditorTitle[] = "岳斗 -Gakto-";
// The maker's web site: a value of this installation's configuration.
inline constexpr char kMakerSite[] = "https://velda.example.jp/";
inline constexpr char kMakerSiteItem[] = "楓帳のサイトを表示";
inline constexpr int kPrintUserCode = 1;

// The executables found; empty for one that is not installed.
struct CompanionPaths {
  std::string print;
  std::string clock;
  std::string editor;

  bool operator==(const CompanionPaths&) const = default;
};

// Where each executable is looked for, in order.
std::vector<std::string> PrintCandidates(platform::Services& os, const std::string& programFolder);
std::vector<std::string> EditorCandidates(platform::Services& os, const std::string& programFolder);
std::vector<std::string> ClockCandidates(platform::Services& os, const std::string& programFolder,
                                         bool perUserMode);
// At start-up: the first existing candidate of each; a non-empty
// "edtPrintFolder" or "edtEditorFolder" takes the place of the found path,
// and an empty one is filled with it.
CompanionPaths FindCompanions(platform::Services& os, const std::string& programFolder,
                              bool perUserMode, settings::Settings& s);

// In double quotes, inner double quotes doubled.
std::string QuoteArgument(std::string_view value);

struct PrintFolders {
  std::string programFolder;
  std::string dataFolder;      // the data set in use
  std::string settingsFolder;
};
// The data root is the trimmed "edFolder" setting, or the program folder.
std::string PrintCommandLine(const PrintFolders& folders, const std::string& edFolder);
// "CaMemo.kdf," + folder + ",1,0,0,,,,0,0,,," with every blank as "_\Sp\_".
std::string MemoFileSpec(const std::string& commonDataFolder);

// What the main window does for the companions.
class CompanionHost {
 public:
  virtual ~CompanionHost() = default;
  // Residency (which saves and tidies first), or in close-button mode the end.
  virtual void GoResident() = 0;
  // The months on disk, without hiding.
  virtual void SaveAndTidy() = 0;
  virtual void SetWaitCursor(bool on) {}
};

class Companions {
 public:
  Companions(platform::Services& os, CompanionHost& host) : os_(os), host_(host) {}

  void SetPaths(const CompanionPaths& paths) { paths_ = paths; }
  const CompanionPaths& paths() const { return paths_; }

  // "cbEditor" with a found editor: the memo tab is hidden, the memo button
  // and pop-up item hand the memo file over, Ctrl+F11 works.
  bool EditorIntegration(const settings::Settings& s) const;
  // The button btnM8: "メモ" with "cbVelkaM", else "岳斗"; no caption without
  // the integration. The grid pop-up item: "メモ(&M)" or "岳斗(&M)".
  std::string MemoButtonCaption(const settings::Settings& s) const;
  std::string MemoPopupCaption(const settings::Settings& s) const;
  // "楓時計表示(&C)" is enabled only with a found clock.
  bool ClockAvailable() const { return !paths_.clock.empty(); }

  // "印刷(&P)": only with "cbPrint"; a running print program is raised
  // instead; the months are on disk (or the window resident) before it runs.
  void StartPrint(const settings::Settings& s, const PrintFolders& folders);
  // "楓時計表示(&C)".
  void StartClock();
  // Ctrl+F11: start the editor, raise it, or close it when it is in front.
  void ToggleEditor(const settings::Settings& s);
  // Ctrl+Shift+F11.
  void CloseEditor();
  // The memo button and pop-up item with the integration on. False when the
  // integration is off: the memo window opens instead.
  bool OpenMemoInEditor(const settings::Settings& s, const std::string& commonDataFolder);

  // "プロパティ表示(&R)", shown from Windows 2000 on.
  static bool PropertiesItemVisible(platform::System& system);
  void ShowProperties(const std::string& executablePath);
  // The product name followed by "のサイトを表示".
  void OpenMakerSite();

 private:
  bool Start(const std::string& executable, const std::string& arguments);
  platform::WindowHandle FindWindowTitled(const char* title);

  platform::Services& os_;
  CompanionHost& host_;
  CompanionPaths paths_;
};

}  // namespace shell
