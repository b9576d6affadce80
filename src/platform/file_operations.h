#pragma once
// Copying, deleting and renaming folders and files through the shell's file
// operations, which show their own progress and errors when asked to.
// Failures come back as false; nothing is thrown.
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/shell.h"

namespace platform {

// Copies into `destFolder` the whole `sourceFolder` (empty `nameList`; it
// arrives as destFolder\<its name>) or those names of the comma list
// (wildcards allowed, files only) that exist in it. When none exists the
// user is told and nothing is copied. Without progress the copy is silent
// and asks nothing.
bool CopyFolderItems(FileSystem& fs, Dialogs& dialogs, const std::string& sourceFolder,
                     const std::string& destFolder, WindowHandle owner, bool showProgress,
                     std::string_view nameList);
// Deletes the whole `folder` (empty `nameList`) or the listed names that
// exist in it, to the recycle bin or for good. True when nothing listed
// exists.
bool DeleteFolderItems(FileSystem& fs, const std::string& folder, std::string_view nameList,
                       WindowHandle owner, bool toRecycleBin, bool showProgress);
// The one file `path` names, taken literally (a comma is part of the name,
// and a name holding "*" or "?" names no file), to the recycle bin or for
// good. True when it was a file and is gone.
bool DeleteOneFile(FileSystem& fs, const std::string& path, WindowHandle owner, bool toRecycleBin);
// Removes `folder` with everything below it through the file system's own
// calls, falling back to the shell for what they cannot remove (a
// read-only file). Silent: for the program's own working folders, where the
// shell would cost milliseconds a file under Wine. True when it is gone.
bool DeleteTree(FileSystem& fs, const std::string& folder, WindowHandle owner);
// Renames (moves) the folder `source` to `dest`; never onto an existing
// name. A missing source changes nothing and, with progress, is told.
bool RenameFolder(FileSystem& fs, Dialogs& dialogs, const std::string& source,
                  const std::string& dest, WindowHandle owner, bool showProgress);
// For each wildcard pattern of the comma list, copies every matching file
// (not folders) of `sourceFolder` into `destFolder`, replacing files of the
// same name. Stops at the first failed copy; true when at least one pattern
// was copied completely.
bool CopyMatchingFiles(FileSystem& fs, const std::string& sourceFolder,
                       const std::string& destFolder, std::string_view patternList);
// Byte for byte; the destination is replaced only by a complete copy.
bool CopyOneFile(FileSystem& fs, const std::string& source, const std::string& dest);

}  // namespace platform
