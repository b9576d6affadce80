#pragma once
// INI files on disk: CP932 text, read whole and written whole.
#include <string>

#include "platform/filesystem.h"
#include "support/ini.h"

namespace platform {

// Replaces `ini` with the file's content; a missing or unreadable file
// leaves it empty and gives false.
bool LoadIniFile(FileSystem& fs, const std::string& path, support::IniText& ini);
// The whole file replaced atomically; on failure the old file stays as it
// was. No message: the caller decides what to tell.
bool SaveIniFile(FileSystem& fs, const std::string& path, const support::IniText& ini);

}  // namespace platform
