#pragma once
// The period file "CaFromTo.kdf" in the data folder: a header line, then the
// PeriodItem lines (period_item.h). Once a day a local data folder keeps a
// copy of it, "CaFT" + four date digits + ".kdp", and of the memo file,
// "CaME....kdp"; the three newest names are kept in the settings.
//
//   ***** FromTo予定 [Data\Files1\]
//   2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,1,clBlue,出張,PC01,,,,,
#include <array>
#include <string>

#include "platform/datetime.h"
#include "store/folders.h"
#include "store/network_link.h"
#include "store/save_guard.h"
#include "store/period_item.h"

namespace store {

inline constexpr char kPeriodFileName[] = "CaFromTo.kdf";

// "***** FromTo予定 [Data\Files1\]".
std::string PeriodHeader(const std::string& setName);

// The daily backup names of the settings keys "CaFT1".."CaFT3".
struct PeriodBackups {
  std::array<std::string, 3> names;  // newest first
  bool rotated = false;              // a rotation happened during this run
};

// "CaFT" + characters 4..7 of "%.4d%.2d%.2d" (days 30 and 31 count as 29)
// + ".kdp": three backups a month, names repeating after ten years.
std::string PeriodBackupName(const platform::DateTime& today);
// "CaME" + characters 5..12 of the period backup name.
std::string MemoBackupName(const std::string& periodBackupName);

enum class PeriodReadResult {
  Read,
  Unread,                // the file is there but all reads failed (told);
                         // the list is marked unread and is never written
  NetworkFolderMissing,  // shown [n040]; the caller switches the network off
  FolderNotCreatable,    // shown "フォルダを作成できません。"; the program ends
};

// Reads the period file into `list` (LoadLines). `reload` is a re-read
// during the run: no backup rotation, no folder creation. A missing file
// gives the header alone, written at once. Sets the load count.
PeriodReadResult ReadPeriods(const StoreEnv& env, PeriodList& list, bool reload, bool networkOn,
                             PeriodBackups& backups);

// The guarded write: a list that could not be read is never written; one
// that shrank below half of its load count, or to nothing, is written only
// after two Yes answers. In network mode only a
// pending write is done, and the change counter is counted up after it.
SaveOutcome SavePeriods(const StoreEnv& env, const PeriodList& list, NetworkLink& network);

}  // namespace store
