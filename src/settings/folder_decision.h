#pragma once
// The data folders decided while the settings are loaded: the data root and
// layout with the data set menus (the data store resolves them), then the
// shared folder of the network mode.
#include <string>

#include "platform/services.h"
#include "settings/settings.h"
#include "store/data_folders.h"
#include "store/folders.h"

namespace settings {

// Kept by the main window for the whole run; LoadSettings updates it.
struct DataFolderState {
  store::Folders folders;
  store::DataSets sets;
  bool networkOn = false;
  // Sharing was on at the last exit but the shared folder is not there: the
  // run uses local data and the waiting window follows at first activation.
  bool netFolderMissing = false;
};

// The files of the shared folder that the network code works with.
struct NetFiles {
  std::string menteLock;      // "mente.lock"
  std::string adminFile;      // "velnet.kdf"
  std::string updateCounter;  // "update.kdf"
};
NetFiles NetFilePaths(const std::string& netFolder);

// Steps 4 and 5 of a load: the data folders from edFolder and yDataForm
// (raised to 2 when that layout is found; a changed common data folder is
// told), then the network data, switching vNet_flg off when the shared
// folder is missing.
void DecideDataFolders(platform::FileSystem& fs, platform::Dialogs& dialogs, Settings& s,
                       DataFolderState& state);

}  // namespace settings
