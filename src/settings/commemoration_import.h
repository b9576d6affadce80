#pragma once
// Commemoration files: ready-made entries named like month files with the
// extension "cmr" ("Ca200403.cmr"), placed in the data folder by the user.
// Importing merges each into its month file ("Ca200403.kdf"), coloured and
// without entries the month already has, then deletes it; removal takes
// every entry whose mark C (field 8) carries a delete code out of the
// month files again.
//
//   Ca200403.cmr:    0,0,9,2004/ 3 [Data\Files1\]
//                   20,1,,春分の日（天文）,clTeal,,,,1001,
//
// Every month is written through the data store's guard (store::SaveMonth),
// each write atomic; a commemoration file is deleted only after its month
// file was written.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/color_text.h"
#include "store/folders.h"
#include "store/network_link.h"

namespace settings {

inline constexpr char kCommemorationPattern[] = "Ca2*.cmr";
inline constexpr char kMonthFilePattern[] = "Ca2*.kdf";
inline constexpr int kLowestDeleteCode = 1000;

struct ImportOptions {
  bool insertBefore = true;    // "前に挿入": after the header, before the month's own lines
  bool defaultColour = true;   // "規定色": the lines as they are
  store::Color readColour = store::kClTeal;  // field 4 of every line otherwise
};

// Year and month of "Ca200403.cmr" (any letter case) with the given
// extension (".cmr", ".kdf"); nullopt for any other name.
struct YearMonth {
  int year = 0;
  int month = 0;
};
std::optional<YearMonth> MonthOfFileName(std::string_view name, std::string_view extension);

// The line to add for a commemoration line; nullopt when it has fewer than
// four fields. Without the default colour, field 4 holds the read colour
// (a shorter line is filled up to the ten fields of a month line, or its
// colour would never be read).
std::optional<std::string> LineToAdd(std::string_view line, const ImportOptions& options);
// Some month line of the same day field (as text) whose text holds the
// line's text. An empty text never counts as held.
bool AlreadyInMonth(const std::vector<std::string>& month, std::string_view line);
// The month's lines with the new ones of `commemoration` merged in;
// nullopt when a line has fewer than four fields.
std::optional<std::vector<std::string>> MergeCommemoration(const std::vector<std::string>& month,
                                                           const std::vector<std::string>& commemoration,
                                                           const ImportOptions& options);
// The lines without those that have ten fields or more and `code` in
// field 8.
std::vector<std::string> LinesWithoutCode(const std::vector<std::string>& lines, int code);

struct MergeRun {
  bool ok = true;       // false: an error ended the run (already written files stay)
  int files = 0;        // commemoration files read, or month files that lost lines
  bool rewrote = false; // some file was written or deleted: the main window must re-read
};

// Every "Ca2*.cmr" of the data folder, in the order the file system lists
// them. Tells nothing itself but what the store's guard tells.
MergeRun ImportCommemorations(const store::StoreEnv& env, store::NetworkLink& network,
                              const ImportOptions& options);
// Every "Ca2*.kdf" of the data folder. A month whose guard question the
// user answered No is left as it was and the run goes on.
MergeRun RemoveDeleteCode(const store::StoreEnv& env, store::NetworkLink& network, int code);

}  // namespace settings
