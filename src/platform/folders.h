#pragma once
// Folder names, existence tests, folder creation and the local-folder
// marker file. Folder paths may be given with or without their separator.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "platform/filesystem.h"

namespace platform {

// support::LastFolderName and ParentPart, with the program's notice when
// the path is no full folder path (they carry on regardless).
std::string LastFolderName(Dialogs& dialogs, std::string_view path);
std::string ParentPart(Dialogs& dialogs, std::string_view path);

// Any entry (file or folder, hidden or system) matches; wildcards allowed.
bool PathExists(FileSystem& fs, const std::string& path);
// A matching entry that is neither a folder nor hidden nor system.
bool PlainFileExists(FileSystem& fs, const std::string& path);
// One name of the comma list (wildcards allowed) exists in `folder`.
bool AnyNameExists(FileSystem& fs, const std::string& folder, std::string_view nameList);

// Name lists may hold, beside the system's "*" and "?", the program's own
// "#": exactly one digit. "Ca######.kdf" names the month files of every year
// and nothing else, which no system wildcard can say ("?" may also match no
// character before the dot, so "Ca??????.kdf" takes "CaMemo.kdf").
bool NameMatches(std::string_view pattern, std::string_view name);
// The entries of `folder` one pattern names ("#" allowed), folders included.
std::vector<DirEntry> ListNamed(FileSystem& fs, const std::string& folder, std::string_view pattern);

// True when the folder exists or was made. A missing folder is made only
// with `create`; with `ask` the user confirms first and hears of a failure.
bool ForceFolder(FileSystem& fs, Dialogs& dialogs, const std::string& path, bool create, bool ask);
// Makes the folder and every missing parent. The chain stops at an
// existing folder or at the root of a fixed or removable drive. True when
// the folder itself was made.
bool CreateFolderChain(FileSystem& fs, const std::string& path);

// The file's modification time; nullopt when it does not exist.
std::optional<DateTime> FileDate(FileSystem& fs, const std::string& path);

// The path as a Shift-JIS settings file can hold it: itself when every
// character has a Shift-JIS form, else its short (8.3) form when the volume
// keeps one; nothing when neither, so that no "?" is ever written for it.
std::optional<std::string> StorablePath(FileSystem& fs, const std::string& path);
// The message for a folder that cannot be stored.
std::string UnstorableFolderText(const std::string& folder);

// `folder` + "localfol.kdf": [Set] Folder=`folder`, First=0; other keys of
// an existing file stay.
bool WriteLocalFolderFile(FileSystem& fs, const std::string& folder);

}  // namespace platform
