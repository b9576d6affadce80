#include "settings/folder_decision.h"

#include "support/paths.h"

namespace settings {
namespace {

void DecideNetwork(platform::FileSystem& fs, Settings& s, DataFolderState& state) {
  auto& f = state.folders;
  f.netFolder = support::EnsureTrailingSeparator(s.edtNetFolder);
  state.networkOn = false;
  state.netFolderMissing = false;
  if (!s.cbNet || !s.vNet_flg) return;
  const std::string shared = f.netFolder.empty() ? "" : store::DataSetFolder(f.netFolder, 1);
  if (!shared.empty() && fs.IsFolder(shared)) {
    f.dataFolder = shared;
    f.setName = store::DataSetName(1);  // the shared folder's main set
    state.networkOn = true;
  } else {
    state.netFolderMissing = true;
    s.vNet_flg = false;
  }
}

}  // namespace

NetFiles NetFilePaths(const std::string& netFolder) {
  if (netFolder.empty()) return {};
  return {support::JoinPath(netFolder, "mente.lock"), support::JoinPath(netFolder, "velnet.kdf"),
          support::JoinPath(netFolder, "update.kdf")};
}

void DecideDataFolders(platform::FileSystem& fs, platform::Dialogs& dialogs, Settings& s,
                       DataFolderState& state) {
  state.sets.dataFormat = s.yDataForm;
  store::ResolveDataFolders(fs, dialogs, s.edFolder, state.folders, state.sets);
  s.yDataForm = state.sets.dataFormat;
  DecideNetwork(fs, s, state);
}

}  // namespace settings
