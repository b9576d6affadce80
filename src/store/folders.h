#pragma once
// The folders the data files live in, resolved by ResolveDataFolders (see
// data_folders.h) and handed to every reader and writer of this folder.
// Every path ends with the separator.
#include <string>

#include "platform/services.h"

namespace store {

struct Folders {
  std::string programFolder;     // Hday.dat, the settings file
  std::string dataRoot;          // the operating folder
  std::string dataFolder;        // month files, CaFromTo.kdf, CaFT*.kdp
  std::string commonDataFolder;  // CaMemo.kdf, Sday.kdf, VeldaSte.kdl
  std::string safeGuardFolder;   // generation and day-first backups
  std::string netFolder;         // the shared folder of the network mode
  // The data set as written into new file headers: always with "\", it is
  // data, not a path ("Data\Files1\", "Data\Files2\", "Data\Files3\").
  std::string setName = "Data\\Files1\\";
};

// What the readers and writers need from outside: the operating system and
// where the files are.
struct StoreEnv {
  platform::Services& os;
  const Folders& folders;
};

}  // namespace store
