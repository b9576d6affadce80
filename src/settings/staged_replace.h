#pragma once
// Replacing what a folder holds by a complete copy made beside it. The new
// files are first copied into a staging folder on the same drive; only when
// that copy is whole are the old ones moved aside and the new ones moved
// in, by renames. A rename that fails puts back every one made before it,
// so the folder holds either all of the old files or all of the new ones:
//
//   D:\Backup\Ca202612.kdf               what the folder holds afterwards
//   D:\Backup\wk_VeldaStage\Ca202612.kdf  the copy, before it is moved in
//   D:\Backup\wk_VeldaOld\1\Ca202612.kdf  the old file, removed at the end
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/shell.h"

namespace settings {

// One folder whose files of some kinds and whose sub-folders are replaced.
struct ReplaceGroup {
  std::string target;     // with separator
  std::string staged;     // with separator: what replaces
  std::string fileKinds;  // comma list of patterns: all such files of target go
  std::vector<std::string> folders;  // sub-folders replaced when staged holds them
  // Only the files of those kinds that `staged` holds go; the others stay.
  bool keepOthers = false;
};

enum class ReplaceOutcome {
  Replaced,    // the new files are in place, the old ones gone
  PutBack,     // a move failed; every folder is as it was
  Stranded,    // a move failed and so did putting back: see asideFolder
};

struct ReplaceResult {
  ReplaceOutcome outcome = ReplaceOutcome::PutBack;
  std::string asideFolder;  // where the old files went (kept unless replaced)
};

enum class OldFiles { Remove, Keep };

// Moves the groups' new files in. `asideRoot` names the folder for the
// old files (on the drive of the targets); when a folder of that name is
// left from an earlier run, a free name beside it is used. With
// OldFiles::Keep the old files stay there after a replacement, so that it
// can be undone.
ReplaceResult ReplaceWithStaged(platform::FileSystem& fs, const std::vector<ReplaceGroup>& groups,
                                const std::string& asideRoot, platform::WindowHandle owner,
                                OldFiles old = OldFiles::Remove);

// A staging folder left by an interrupted run is only a copy: removed.
// True when `folder` does not exist afterwards.
bool RemoveLeftoverCopy(platform::FileSystem& fs, const std::string& folder, platform::WindowHandle owner);

}  // namespace settings
