#pragma once
// The data folders decided while the settings are loaded: the data root and
// layout, the data set menus, the shared folder of the network mode, and
// the count of changes of the common data folder in this run.
#include <array>
#include <string>

#include "platform/filesystem.h"
#include "settings/settings.h"
#include "store/folders.h"

namespace settings {

// Kept by the main window for the whole run; LoadSettings updates it.
struct DataFolderState {
  store::Folders folders;
  int dataFormat = 1;  // 1: files in the data root, 2: "Data\Files1\" layout
  int dataSet = 1;     // Files1..Files3; every load starts with 1
  std::array<bool, 3> dataSetEnabled{};  // the Files1..Files3 menu items
  bool networkOn = false;
  // Sharing was on at the last exit but the shared folder is not there: the
  // run uses local data and the waiting window follows at first activation.
  bool netFolderMissing = false;
  int loads = 0;
  int commonDataChanges = 0;
};

// The files of the shared folder that the network code works with.
struct NetFiles {
  std::string menteLock;      // "mente.lock"
  std::string adminFile;      // "velnet.kdf"
  std::string updateCounter;  // "update.kdf"
};
NetFiles NetFilePaths(const std::string& netFolder);

// Steps 4 and 5 of a load: data root, layout (raising yDataForm to 2 when
// the layout is found), data set menus, then the network data (switching
// vNet_flg off when the shared folder is missing). Returns the message about
// a changed common data folder, or "" when there is none to show.
std::string DecideDataFolders(platform::FileSystem& fs, Settings& s, DataFolderState& state);

}  // namespace settings
