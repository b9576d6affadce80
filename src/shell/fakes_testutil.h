#pragma once
// Test doubles of the main window's views and a file system that counts
// every call, for the tests of this folder.
#include <map>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "shell/main_controller.h"

namespace shell {

// Records what the controller and the month cycle asked of the window.
class FakeShellView : public ShellView {
 public:
  void ShowSlot(int slot, calendar::DayNumber day) override;
  void SetTabs(const std::vector<std::string>& captions, int selected) override;
  void SetEntryText(const std::string& yyyymm) override { entryText = yyyymm; }
  void Refresh() override { ++refreshes; }

  void SetStatusPanel(int panel, const std::string& text, bool) override { panels[panel] = text; }
  void SetDateChangeLook(bool on) override { dateChangeLooks.push_back(on); }
  void SetDataSetLabel(const std::string& text) override { dataSetLabel = text; }
  void SetDataSetCommands(const std::array<bool, 3>& enabled) override { dataSetCommands = enabled; }
  bool MainPanelEnabled() const override { return mainPanelEnabled; }
  void SetMainPanelEnabled(bool enabled) override { mainPanelEnabled = enabled; }
  bool IsVisible() const override { return visible; }
  bool MonthOrYearPageActive() const override { return monthOrYearPage; }
  void ShowMonthPage() override { ++monthPageShown; }
  void HideEntryBox() override { ++entryBoxHidden; }
  void SetToday(calendar::DayNumber day) override { today = day; }
  void LoadHolidays(const std::string& path) override { holidayFiles.push_back(path); }
  void LoadSpecialDays(const std::string& folder) override { specialDayFolders.push_back(folder); }
  void ApplyGridSettings(const settings::Settings& s) override { showRokuyo = !s.rbKinenbi; }
  void ApplyDisplayMode(const GridMetrics& m, bool centre) override;
  void SetYearPageStart(int choice, int) override { yearChoice = choice; }
  void RefreshYearPage() override { ++yearPageRefreshes; }
  // The year page's start choice goes into the settings with the window's place.
  void CaptureWindowState(settings::Settings& s) override {
    ++captures;
    s.rgYFirstMonth = yearChoice;
  }
  void StartFunctionTimer() override { ++functionTimerStarts; }
  void RequestClose() override { ++closeRequests; }
  void EndApplication() override { steps.push_back("end"); }
  void FinishOpenWork(bool silent) override { steps.push_back(silent ? "finish silently" : "finish"); }

  std::vector<std::string> steps;  // the ends and what came before them
  int shownSlot = -1;
  calendar::DayNumber shownDay = 0;
  std::vector<std::string> tabs;
  int selectedTab = -1;
  std::string entryText;
  int refreshes = 0;
  std::map<int, std::string> panels;
  std::vector<bool> dateChangeLooks;
  std::string dataSetLabel;
  std::array<bool, 3> dataSetCommands{};
  bool mainPanelEnabled = true;
  bool visible = true;
  bool monthOrYearPage = true;
  int monthPageShown = 0;
  int entryBoxHidden = 0;
  calendar::DayNumber today = 0;
  std::vector<std::string> holidayFiles;
  std::vector<std::string> specialDayFolders;
  bool showRokuyo = false;
  std::vector<GridMetrics> modes;
  std::vector<bool> centred;
  int yearPageRefreshes = 0;
  int captures = 0;
  int yearChoice = 0;
  int functionTimerStarts = 0;
  int closeRequests = 0;
};

// Passes everything to a real file system and counts the calls by name.
class CountingFileSystem : public platform::FileSystem {
 public:
  explicit CountingFileSystem(platform::FileSystem& inner) : inner_(inner) {}

  // Calls that look at or read the disk.
  int Reads() const;
  int Count(const std::string& name) const;
  void Reset() { counts_.clear(); }

  std::optional<std::string> ReadAll(const std::string& p) override;
  bool WriteAtomic(const std::string& p, std::string_view b) override;
  bool Append(const std::string& p, std::string_view b) override;
  bool Exists(const std::string& p) override;
  bool IsFolder(const std::string& p) override;
  std::vector<platform::DirEntry> List(const std::string& p) override;
  std::optional<platform::DateTime> ModifiedTime(const std::string& p) override;
  platform::DriveKind KindOfDrive(const std::string& r) override;
  bool CreateFolder(const std::string& p) override;
  bool RemoveEmptyFolder(const std::string& p) override;
  bool CopyFile(const std::string& f, const std::string& t, bool o) override;
  bool Rename(const std::string& f, const std::string& t) override;
  bool DeleteFile(const std::string& p) override;
  bool ShellCopy(const std::vector<std::string>& f, const std::string& t,
                 const platform::ShellOpFlags& fl) override;
  bool ShellDelete(const std::vector<std::string>& p, const platform::ShellOpFlags& fl) override;
  bool ShellMove(const std::string& f, const std::string& t,
                 const platform::ShellOpFlags& fl) override;
  std::unique_ptr<platform::FileLock> CreateExclusive(const std::string& p,
                                                      std::string_view c) override;
  std::unique_ptr<platform::FileLock> OpenExclusive(const std::string& p) override;

 private:
  void Note(const char* name) { ++counts_[name]; }
  platform::FileSystem& inner_;
  std::map<std::string, int> counts_;
};

// CP932 bytes of lines, each ended by CR LF, as the program writes them.
std::string Cp932Lines(const std::vector<std::string>& utf8Lines);
// A month file's lines: the header and `entries` one-line entries on day 1.
std::vector<std::string> MonthLines(int year, int month, int entries);

}  // namespace shell
