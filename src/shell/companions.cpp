#include "shell/companions.h"

#include "platform/dialog_helpers.h"
#include "platform/list_files.h"
#include "platform/programs.h"
#include "platform/system_folders.h"
#include "store/memo_file.h"
#include "support/paths.h"
#include "support/text.h"

namespace shell {
namespace {

constexpr unsigned kWmClose = 0x0010;
constexpr int kShowNormal = 1;
constexpr unsigned kMemoWriteWaitMs = 500;
constexpr int kMemoWriteTries = 5;

// The user's profile folder, or the program folder when there is none.
std::string ProfileOr(platform::Services& os, const std::string& programFolder) {
  std::string profile = platform::SpecialFolderPath(os.system, platform::kProfileFolder);
  return profile.empty() ? programFolder : profile;
}

std::string ProgramFiles(platform::Services& os) {
  return support::JoinPath(platform::WindowsDriveRoot(os.system), "Program Files\\");
}

std::string DataDriveRoot(platform::Services& os) {
  return support::EnsureTrailingSeparator(platform::DefaultDataDrive(os.fs) + ":");
}

// The five places of the print program and of the editor.
std::vector<std::string> FamilyCandidates(platform::Services& os, const std::string& programFolder,
                                          const std::string& name) {
  const std::string inFolder = name + "\\" + name + ".exe";
  return {support::JoinPath(DataDriveRoot(os), "AppFiles\\" + inFolder),
          support::JoinPath(ProfileOr(os, programFolder), "AppFiles\\" + inFolder),
          support::JoinPath(ProgramFiles(os), "Bren\\" + inFolder),
          support::JoinPath(programFolder, name + ".exe"),
          support::JoinPath(programFolder, inFolder)};
}

std::string FirstExisting(platform::FileSystem& fs, const std::vector<std::string>& candidates) {
  for (const auto& path : candidates)
    if (fs.Exists(path) && !fs.IsFolder(path)) return path;
  return {};
}

// The setting wins when it is set; an empty one learns the found path.
std::string Overridden(std::string& setting, const std::string& found) {
  const std::string chosen = support::Trim(setting);
  if (!chosen.empty()) return chosen;
  setting = found;
  return found;
}

}  // namespace

std::vector<std::string> PrintCandidates(platform::Services& os, const std::string& programFolder) {
  return FamilyCandidates(os, programFolder, "Velprin");
}

std::vector<std::string> EditorCandidates(platform::Services& os, const std::string& programFolder) {
  return FamilyCandidates(os, programFolder, "Gakto");
}

std::vector<std::string> ClockCandidates(platform::Services& os, const std::string& programFolder,
                                         bool perUserMode) {
  std::vector<std::string> paths = {
      support::JoinPath(ProfileOr(os, programFolder), "AppFiles\\Velclock\\Velclock.exe"),
      support::JoinPath(ProgramFiles(os), "Bren\\Velclock\\Velclock.exe")};
  if (!perUserMode)
    paths.push_back(support::JoinPath(platform::CommonFilesFolder(os.system), "Bren\\VelClock\\Velclock.exe"));
  paths.push_back(support::JoinPath(programFolder, "Velclock.exe"));
  return paths;
}

CompanionPaths FindCompanions(platform::Services& os, const std::string& programFolder,
                              bool perUserMode, settings::Settings& s) {
  CompanionPaths found;
  found.print = Overridden(s.edtPrintFolder, FirstExisting(os.fs, PrintCandidates(os, programFolder)));
  found.editor = Overridden(s.edtEditorFolder, FirstExisting(os.fs, EditorCandidates(os, programFolder)));
  found.clock = FirstExisting(os.fs, ClockCandidates(os, programFolder, perUserMode));
  return found;
}

std::string QuoteArgument(std::string_view value) {
  return '"' + support::ReplaceAll(value, "\"", "\"\"") + '"';
}

std::string PrintCommandLine(const PrintFolders& f, const std::string& edFolder) {
  std::string root = support::Trim(edFolder);
  if (root.empty()) root = support::Trim(f.programFolder);
  return "/K=" + QuoteArgument(f.programFolder) + " /D=" + QuoteArgument(root) +
         " /D2=" + QuoteArgument(f.dataFolder) + " /U=" + QuoteArgument(std::to_string(kPrintUserCode)) +
         " /S=" + QuoteArgument(support::Trim(f.settingsFolder));
}

std::string MemoFileSpec(const std::string& commonDataFolder) {
  std::string spec = std::string(store::kMemoFileName) + "," + commonDataFolder + ",1" + ",0" +
                     ",0,,," + ",0" + ",0,,,";
  return support::SpaceToken(spec, true);
}

// ---- Companions ----------------------------------------------------------------

bool Companions::EditorIntegration(const settings::Settings& s) const {
  return s.cbEditor && !paths_.editor.empty();
}

std::string Companions::MemoButtonCaption(const settings::Settings& s) const {
  if (!EditorIntegration(s)) return {};
  return s.cbVelkaM ? "メモ" : "岳斗";
}

std::string Companions::MemoPopupCaption(const settings::Settings& s) const {
  return EditorIntegration(s) && !s.cbVelkaM ? "岳斗(&M)" : "メモ(&M)";
}

bool Companions::Start(const std::string& executable, const std::string& arguments) {
  std::string line = QuoteArgument(executable);
  if (!arguments.empty()) line += " " + arguments;
  return os_.shell.StartProgram(line, "");
}

platform::WindowHandle Companions::FindWindowTitled(const char* title) {
  return os_.shell.FindTopWindow(kCompanionClass, title);
}

void Companions::StartPrint(const settings::Settings& s, const PrintFolders& folders) {
  if (!s.cbPrint) return;
  if (platform::WindowHandle running = FindWindowTitled(kPrintTitle)) {
    platform::Inform(os_.dialogs,
                     "「楓プリン」が既に起動しています。\r\n一度、「楓プリン」を終了させてください。");
    os_.shell.BringToFront(running);
    return;
  }
  host_.SetWaitCursor(true);
  if (s.cbVelkaP) host_.GoResident();
  else host_.SaveAndTidy();
  if (!paths_.print.empty() && os_.fs.Exists(paths_.print))
    Start(paths_.print, PrintCommandLine(folders, s.edFolder));
  else
    platform::Inform(os_.dialogs,
                     "「楓プリン」が起動できません。\r\n「楓プリン」の場所をチェックしてください。");
  host_.SetWaitCursor(false);
}

void Companions::StartClock() {
  if (FindWindowTitled(kClockTitle)) {
    platform::Inform(os_.dialogs, "既に起動中です。\r\n時間をおいてクリックしてください。");
    return;
  }
  if (ClockAvailable()) Start(paths_.clock, "");
}

void Companions::ToggleEditor(const settings::Settings& s) {
  if (!EditorIntegration(s)) return;
  platform::WindowHandle editor = FindWindowTitled(kEditorTitle);
  if (!editor) {
    Start(paths_.editor, "");
    return;
  }
  const bool inFront = os_.shell.OwnsForeground(editor);
  os_.shell.BringToFront(editor);
  if (inFront) os_.shell.PostMessage(editor, kWmClose, 0, 0);
}

void Companions::CloseEditor() {
  if (platform::WindowHandle editor = FindWindowTitled(kEditorTitle)) {
    os_.shell.BringToFront(editor);
    os_.shell.PostMessage(editor, kWmClose, 0, 0);
  }
}

bool Companions::OpenMemoInEditor(const settings::Settings& s, const std::string& commonDataFolder) {
  if (!EditorIntegration(s)) return false;
  const std::string memo = commonDataFolder + store::kMemoFileName;
  if (!os_.fs.Exists(memo) &&
      !platform::SaveListRetry(os_, {""}, memo, kMemoWriteWaitMs, kMemoWriteTries)) {
    platform::Inform(os_.dialogs, "[ " + memo + " ]の書込に失敗しました。");
    return true;
  }
  if (platform::WindowHandle editor = FindWindowTitled(kEditorTitle)) {
    if (s.cbVelkaJ) host_.GoResident();
    os_.shell.BringToFront(editor);
    return true;
  }
  Start(paths_.editor, s.cbVelkaM ? MemoFileSpec(commonDataFolder) : std::string());
  if (s.cbVelkaJ) host_.GoResident();
  return true;
}

bool Companions::PropertiesItemVisible(platform::System& system) {
  return system.Version().major >= 5;
}

void Companions::ShowProperties(const std::string& executablePath) {
  os_.shell.ShowProperties(executablePath);
}

void Companions::OpenMakerSite() {
  if (platform::InternetConnected(os_.system)) {
    platform::RunDocument(os_.shell, kMakerSite, kShowNormal);
    return;
  }
  platform::Inform(os_.dialogs,
                   "インターネットにつながっていません。\r\nインターネットにつながった状態で、\r\n"
                   "実行してください。\r\n\r\n中止します。");
}

}  // namespace shell
