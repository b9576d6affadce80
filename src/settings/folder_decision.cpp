#include "settings/folder_decision.h"

#include "support/paths.h"

namespace settings {
namespace {

using support::JoinPath;

constexpr const char* kSetNames[] = {"Data\\Files1\\", "Data\\Files2\\", "Data\\Files3\\"};

void DecideLayout(platform::FileSystem& fs, const std::string& root, DataFolderState& state) {
  auto& f = state.folders;
  const std::string files1 = JoinPath(root, kSetNames[0]);
  const std::string common = JoinPath(root, "Data\\");
  f.dataFolder = fs.IsFolder(files1) ? files1 : root;
  f.commonDataFolder = fs.IsFolder(common) ? common : root;
  if (f.dataFolder != root || f.commonDataFolder != root) state.dataFormat = 2;
}

// Until the data store resolves the folders itself, the steps of the
// resolution are kept here in one place.
void ResolveDataFolders(platform::FileSystem& fs, const std::string& edFolder,
                        DataFolderState& state) {
  auto& f = state.folders;
  state.dataSet = 1;
  f.setName = kSetNames[0];
  if (!f.dataRoot.empty() && f.dataFolder.empty()) {
    f.dataFolder = f.commonDataFolder = f.programFolder;
    if (state.dataFormat < 2 && fs.IsFolder(JoinPath(f.programFolder, "Data\\"))) {
      state.dataFormat = 2;
      f.dataFolder = JoinPath(f.programFolder, kSetNames[0]);
      f.commonDataFolder = JoinPath(f.programFolder, "Data\\");
    }
  } else {
    if (f.dataRoot.empty())
      f.dataRoot = edFolder.empty() ? f.programFolder : support::EnsureTrailingSeparator(edFolder);
    DecideLayout(fs, f.dataRoot, state);
  }
  for (int i = 0; i < 3; ++i)
    state.dataSetEnabled[i] =
        state.dataFormat >= 2 && fs.IsFolder(JoinPath(f.dataRoot, kSetNames[i]));
}

void DecideNetwork(platform::FileSystem& fs, Settings& s, DataFolderState& state) {
  auto& f = state.folders;
  f.netFolder = support::EnsureTrailingSeparator(s.edtNetFolder);
  state.networkOn = false;
  state.netFolderMissing = false;
  if (!s.cbNet || !s.vNet_flg) return;
  const std::string shared = f.netFolder.empty() ? "" : JoinPath(f.netFolder, kSetNames[0]);
  if (!shared.empty() && fs.IsFolder(shared)) {
    f.dataFolder = shared;
    state.networkOn = true;
  } else {
    state.netFolderMissing = true;
    s.vNet_flg = false;
  }
}

std::string CommonDataMessage(int count, const std::string& before, const std::string& now) {
  return "共通データが書き変わりました。(" + std::to_string(count) + ")\r\n以前：" + before +
         "\r\n今回：" + now;
}

}  // namespace

NetFiles NetFilePaths(const std::string& netFolder) {
  if (netFolder.empty()) return {};
  return {JoinPath(netFolder, "mente.lock"), JoinPath(netFolder, "velnet.kdf"),
          JoinPath(netFolder, "update.kdf")};
}

std::string DecideDataFolders(platform::FileSystem& fs, Settings& s, DataFolderState& state) {
  const std::string before = state.folders.commonDataFolder;
  state.dataFormat = s.yDataForm;
  ResolveDataFolders(fs, s.edFolder, state);
  s.yDataForm = state.dataFormat;
  DecideNetwork(fs, s, state);
  const bool firstLoad = state.loads++ == 0;
  if (state.folders.commonDataFolder == before) return "";
  // The first change in a run is the first decision: counted, not shown.
  ++state.commonDataChanges;
  return firstLoad ? "" : CommonDataMessage(state.commonDataChanges, before,
                                            state.folders.commonDataFolder);
}

}  // namespace settings
