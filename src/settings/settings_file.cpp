#include "settings/settings_file.h"

#include "platform/dpi.h"
#include "platform/dialog_helpers.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "support/paths.h"

#include <iterator>
#include <utility>
#include <vector>

namespace settings {
namespace {

using support::IniText;
using support::JoinPath;

template <class S>
RowRead ReadUnlessWriteOnly(const KeyRow<S>& row) {
  return row.group == RowGroup::WriteOnly ? RowRead::UseDefault : RowRead::Read;
}

template <class S>
S ReadKeysFrom(platform::FileSystem& fs, const std::string& path,
               std::span<const KeyRow<S>> rows, S s, std::string_view section = {}) {
  IniText ini;
  platform::LoadIniFile(fs, path, ini);  // missing or unreadable: every default
  ReadRows<S>(rows, ValuesOf(ini), s, ReadUnlessWriteOnly<S>, section);
  return s;
}

// The file as it is now, so that the keys of others survive the write. A
// missing file starts empty; one that exists but cannot be read is not
// overwritten.
bool ReadForUpdate(platform::FileSystem& fs, const std::string& path, IniText& ini) {
  return platform::LoadIniFile(fs, path, ini) || !fs.Exists(path);
}

template <class Fill>
bool UpdateFile(platform::FileSystem& fs, const std::string& path, Fill fill) {
  try {
    IniText ini;
    if (!ReadForUpdate(fs, path, ini)) return false;
    fill(ini);
    return platform::SaveIniFile(fs, path, ini);
  } catch (...) {
    return false;
  }
}

template <class S>
bool WriteKeysTo(platform::FileSystem& fs, const std::string& path,
                 std::span<const KeyRow<S>> rows, const S& s, std::string_view section = {}) {
  return UpdateFile(fs, path, [&](IniText& ini) { WriteRows(rows, ValuesOf(ini), s, section); });
}

// The keys that hold paths; a path the file cannot hold in Shift-JIS goes
// in its short form, or the file keeps what it had.
constexpr std::pair<const char*, const char*> kPathKeys[] = {
    {"Header", "Folder"},          {"Settei", "edFolder"},      {"Settei", "edtNetFolder"},
    {"Settei", "edtNetFolder1"},   {"Settei", "edtNetFolder2"}, {"Settei", "edtNetFolder3"},
    {"Settei", "edtEditorFolder"}, {"Velprin", "edtPrintFolder"}};

struct KeptValue {
  bool existed;
  std::string value;
};

std::vector<KeptValue> PathValuesOf(const IniText& ini) {
  std::vector<KeptValue> values;
  for (const auto& [section, key] : kPathKeys)
    values.push_back({ini.ValueExists(section, key), ini.ReadString(section, key, "")});
  return values;
}

void KeepPathsStorable(platform::FileSystem& fs, const std::vector<KeptValue>& before, IniText& ini) {
  for (std::size_t i = 0; i < std::size(kPathKeys); ++i) {
    const auto& [section, key] = kPathKeys[i];
    const std::string value = ini.ReadString(section, key, "");
    if (const auto storable = platform::StorablePath(fs, value)) {
      ini.WriteString(section, key, *storable);
    } else if (before[i].existed) {
      ini.WriteString(section, key, before[i].value);
    } else {
      ini.DeleteKey(section, key);
    }
  }
}

constexpr int kSettingsReadTries = 5;
constexpr unsigned kSettingsReadWaitMs = 500;

// A settings file that is there is read as patiently as the data files.
bool LoadIniRetry(platform::Services& os, const std::string& path, IniText& ini) {
  for (int attempt = 1;; ++attempt) {
    if (platform::LoadIniFile(os.fs, path, ini)) return true;
    if (attempt >= kSettingsReadTries || !os.fs.Exists(path)) return false;
    os.clock.Sleep(kSettingsReadWaitMs);
  }
}

TimeOfDay TimeNow(platform::Clock& clock) {
  const auto now = clock.Now();
  return {now.hour, now.minute, now.second};
}

// Characters, not bytes: a profile path of Japanese names is long enough.
size_t CharacterCount(const std::string& utf8) {
  size_t count = 0;
  for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
  return count;
}

ReadConditions ConditionsOf(platform::Services& os, const StartupFacts& facts) {
  return {platform::ScaleFromDpi(facts.workArea.Height(), facts.dpi), facts.netFolderSetByStartup, facts.onNetworkDrive,
          os.system.ShellMajorVersion()};
}

}  // namespace

IniValues ValuesOf(IniText& ini) {
  return {[&ini](std::string_view section, std::string_view key) -> std::optional<std::string> {
            if (!ini.ValueExists(section, key)) return std::nullopt;
            return ini.ReadString(section, key, "");
          },
          [&ini](std::string_view section, std::string_view key, const std::string& value) {
            ini.WriteString(section, key, value);
          }};
}

std::string SettingsFilePath(const StartupFacts& facts) {
  return JoinPath(facts.settingsFolder, kSettingsFileName);
}

std::string FileToRead(platform::Services& os, const StartupFacts& facts) {
  const std::string path = SettingsFilePath(facts);
  if (os.fs.Exists(path)) return path;
  if (!facts.localMode) return "";
  const std::string programCopy = JoinPath(facts.programFolder, kSettingsFileName);
  if (os.fs.Exists(programCopy)) return programCopy;
  if (facts.onNetworkDrive && os.fs.Exists(JoinPath(facts.programFolder, "Kidou.kdf")) &&
      CharacterCount(os.system.SpecialFolder(platform::kProfileFolder)) < 8)
    platform::Inform(os.dialogs, "ユーザーパスが取得できません。");
  return "";
}

LoadOutcome LoadSettings(platform::Services& os, const StartupFacts& facts, Settings& s,
                         DataFolderState& folders) {
  LoadOutcome out;
  out.fileRead = FileToRead(os, facts);
  IniText ini;
  if (!out.fileRead.empty() && !LoadIniRetry(os, out.fileRead, ini)) {
    out.unreadable = out.fileRead;
    out.fileRead.clear();
  }
  s.pTimer = TimeNow(os.clock);
  ReadSettings(ValuesOf(ini), ConditionsOf(os, facts), s);
  folders.folders.programFolder = facts.programFolder;
  DecideDataFolders(os.fs, os.dialogs, s, folders);
  out.netFiles = NetFilePaths(folders.folders.netFolder);
  out.userWorkFolderInUse = facts.onNetworkDrive && s.cbLNetf;
  out.placement = PlaceMainWindow(s, facts.workArea, facts.windowWidth, facts.windowHeight);
  out.hotkeysOn = HotkeysOn(s);
  return out;
}

static std::vector<KeyRow<Settings>> RowsToWrite(SaveScope scope) {
  std::vector<KeyRow<Settings>> rows;
  for (const KeyRow<Settings>& row : SettingsKeys())
    if (scope == SaveScope::AllKeys || row.group != RowGroup::Network) rows.push_back(row);
  return rows;
}

bool SaveSettings(platform::FileSystem& fs, const std::string& path,
                  const std::string& programFolder, const Settings& s, SaveScope scope) {
  return UpdateFile(fs, path, [&](IniText& ini) {
    const std::vector<KeptValue> paths = PathValuesOf(ini);
    ini.WriteString("Header", "Version", kFormatVersion);
    ini.WriteString("Header", "Folder", support::EnsureTrailingSeparator(programFolder));
    const std::vector<KeyRow<Settings>> rows = RowsToWrite(scope);
    WriteRows(std::span<const KeyRow<Settings>>(rows), ValuesOf(ini), s);
    KeepPathsStorable(fs, paths, ini);
  });
}

OptionsWindowKeys LoadOptionsWindowKeys(platform::Services& os, const std::string& path) {
  OptionsWindowKeys base;
  base.vTime = CompactTimeText(TimeNow(os.clock));
  return ReadKeysFrom(os.fs, path, OptionsWindowKeyRows(), base);
}

bool SaveOptionsWindowKeys(platform::FileSystem& fs, const std::string& path,
                           const OptionsWindowKeys& keys) {
  return WriteKeysTo(fs, path, OptionsWindowKeyRows(), keys);
}

MemoWindowKeys LoadMemoWindowKeys(platform::FileSystem& fs, const std::string& path,
                                  const std::string& section, const MemoWindowKeys& base) {
  return ReadKeysFrom(fs, path, MemoWindowKeyRows(), base, section);
}

bool SaveMemoWindowKeys(platform::FileSystem& fs, const std::string& path,
                        const std::string& section, const MemoWindowKeys& keys) {
  return WriteKeysTo(fs, path, MemoWindowKeyRows(), keys, section);
}

SetupWindowKeys LoadSetupWindowKeys(platform::FileSystem& fs, const std::string& path,
                                    const SetupWindowKeys& base) {
  return ReadKeysFrom(fs, path, SetupWindowKeyRows(), base);
}

bool SaveSetupWindowKeys(platform::FileSystem& fs, const std::string& path,
                         const SetupWindowKeys& keys) {
  return WriteKeysTo(fs, path, SetupWindowKeyRows(), keys);
}

CommemorationSettings LoadCommemoration(platform::FileSystem& fs,
                                        const std::string& commonDataFolder) {
  return ReadKeysFrom(fs, JoinPath(commonDataFolder, kCommemorationFileName),
                      CommemorationKeyRows(), CommemorationSettings{});
}

bool SaveCommemoration(platform::FileSystem& fs, const std::string& commonDataFolder,
                       const CommemorationSettings& settings) {
  CommemorationSettings written = settings;
  written.pCedtMigishita = kProductTitle;
  return WriteKeysTo(fs, JoinPath(commonDataFolder, kCommemorationFileName),
                     CommemorationKeyRows(), written);
}

}  // namespace settings
