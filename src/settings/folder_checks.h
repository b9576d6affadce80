#pragma once
// Folder comparisons and the checks of a folder field that the setup
// window's backup, restore and setup share.
#include <optional>
#include <string>

#include "platform/services.h"

namespace settings {

// The same folder, letter case and a trailing separator aside.
bool SameFolder(const std::string& a, const std::string& b);
// `inner` lies below `outer` (not the same folder), letter case aside.
bool FolderInside(const std::string& inner, const std::string& outer);
// One is the other or lies inside it.
bool FoldersOverlap(const std::string& a, const std::string& b);

// A folder field as a folder path with its separator, or the refusal told:
// at most one character, a folder that does not exist, or one whose name
// the settings file cannot hold. The path given back is the one the
// settings file can hold (its short form when it needs one).
std::optional<std::string> CheckedFolderField(platform::Services& os, const std::string& field);

// A typed folder field into its key as the settings file can keep it: as
// typed, else in its short form, else the key keeps what it held.
void KeepFolderField(platform::FileSystem& fs, std::string& key, const std::string& typed);

// The name a file has in `folder` when one matches `name` without regard
// to letter case (as Windows finds it), else nullopt.
std::optional<std::string> ActualFileName(platform::FileSystem& fs, const std::string& folder,
                                          const std::string& name);

}  // namespace settings
