#pragma once
// Where the data files lie below the data root. Data format 1 keeps every
// file in the root (sub sets in "Files2", "Files3"); data format 2:
//
//   <root>\Data\          common files: CaMemo.kdf, Sday.kdf, VeldaSte.kdl ...
//   <root>\Data\Files1\   the main set: Ca*.kdf month files, CaFromTo.kdf, CaFT*.kdp
//   <root>\Data\Files2\   the sub set, same kinds of file
//   <root>\Data\Files3\   a third set
#include <array>
#include <string>

#include "platform/services.h"
#include "store/folders.h"

namespace store {

// Comma lists of names (with wildcards) the conversions copy. The data
// files: the month files of every year ("#" is one digit,
// platform/folders.h), the period file and its daily backups.
inline constexpr char kDataFileNames[] = "CaFT*.kdp,Ca######.kdf,CaFromTo.kdf";
inline constexpr char kCommonFileNames[] = "CaMe*.kdp,CaMemo.kdf,Cmr.kdf,Sday.kdf,User.kdf,VeldaSte.kdl";
inline constexpr char kProgramFileNames[] =
    "Velka.exe,Velda.ini,Velclock.exe,CaSima.dat,HelpVelk.chm,Veluser.chm,HDay.dat,Readme.txt";

// The data format and the set in use; the main window keeps it for the run.
struct DataSets {
  int dataFormat = 1;                    // settings key "yDataForm"
  int inUse = 1;                         // 1..3 ("UseFolNo"); every start begins with 1
  std::string mainSetFolder;             // where the resolution found set 1
  std::array<bool, 3> enabled{};         // the "Files1".."Files3" menu items
  int loads = 0;                         // resolutions in this run
  int commonDataChanges = 0;             // changes of the common data folder in this run
};

// "Data\Files1\" .. "Data\Files3\": data, written into new file headers.
std::string DataSetName(int set);
// The real folder of set n below `root`.
std::string DataSetFolder(const std::string& root, int set);

// The shared data folder vanished and the network goes off; `code` tells
// where it was noticed ("[n030]" reading months, "[n040]" the period file,
// "[n050]" saving).
std::string NetworkFolderMissingText(const std::string& dataFolder, const char* code);

// Resolves the data root (`edFolder` or the program folder, kept once set),
// the data and common data folders and the format, and enables the set
// menus. The first resolution of a run starts on set 1; a later one (the
// month rollover reloads the settings) keeps the set in use while its
// folder is there, since only the user's switch changes it. When the
// common data folder changed since an earlier resolution of this run:
// "共通データが書き変わりました。(n)" with the old and new folder. The
// network mode may then replace the data folder.
void ResolveDataFolders(platform::FileSystem& fs, platform::Dialogs& dialogs,
                        const std::string& edFolder, Folders& folders, DataSets& sets);

// Whether set n can be switched to: not in network mode, not the set in use,
// and for sets 2 and 3 their folder exists (else the message of the missing
// folder). The caller then saves the current set, backs up, calls
// UseDataSet and reloads.
bool CanSwitchDataSet(platform::FileSystem& fs, platform::Dialogs& dialogs, const Folders& folders,
                      const DataSets& sets, int set, bool networkOn);
// Makes set n the one in use: its name for new headers and its folder as
// the data folder (set 1 where the resolution found it: the root itself
// when the data lie there).
void UseDataSet(Folders& folders, DataSets& sets, int set);

// Makes `root` and its "Data\Files1".."Data\Files3" with all parents,
// stopping at the first failure; with `report` that failure is told. True
// when all four exist.
bool CreateDataFolders(platform::FileSystem& fs, platform::Dialogs& dialogs, const std::string& root,
                       bool report);

// How the conversions' copies show themselves: silent unless asked; the
// backup and restore of the setup window show the shell's progress.
struct CopyProgress {
  platform::WindowHandle owner = 0;
  bool show = false;
};

// Copies the format-1 data of `source` into the format-2 layout below
// `dest` (and back). Sub sets are copied only with the network off. They
// stop at the first failed copy with its message; what was copied stays.
bool ConvertToFormat2(platform::Services& os, const std::string& source, const std::string& dest,
                      bool withProgramFiles, bool networkOn, const CopyProgress& progress = {});
bool ConvertToFormat1(platform::Services& os, const std::string& source, const std::string& dest,
                      bool withProgramFiles, bool networkOn, const CopyProgress& progress = {});

}  // namespace store
