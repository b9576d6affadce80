#pragma once
// The scrambled files of the network administration: key books (line
// lists) and scrambled INI files, read and written whole with retries. The
// formats are in support/scramble.h. Failures show the program's plain
// message box ("確認", OK, information icon) and never raise.
#include <random>
#include <string>
#include <string_view>

#include "platform/list_files.h"
#include "platform/services.h"
#include "support/ini.h"

namespace platform {

enum class ScrambleMode { Save, Load };

// The built-in keys: for key books and for scrambled INI files when the
// caller's key is blank, and the key of the network administration INI.
inline constexpr std::string_view kKeyBookKey = "TORENVAKILUMESPADIROQUEXN";
inline constexpr std::string_view kScrambledIniKey = "TOREN";
inline constexpr std::string_view kNetAdminIniKey = "QuillarBostekFandorMivrat";

// Save writes `list` under a new header code; false (after a message) for a
// blank path or a list that would not read back, false when the file could
// not be written. Load appends the file's content lines to `list`; false
// when the file could not be read (the list is then unchanged).
bool TextKeyBook(const Services& services, ScrambleMode mode, LineList& list,
                 std::string_view key, const std::string& path);
// The same with the header code drawn from `random`.
bool TextKeyBook(const Services& services, ScrambleMode mode, LineList& list,
                 std::string_view key, const std::string& path, std::mt19937& random);

// Save writes the INI's lines; Load replaces the INI's content with the
// file's (an unreadable file empties it and gives false). A path without a
// folder lies in the program folder. Save refuses with a message a line
// whose scrambled form would not read back.
bool ScrambledIni(const Services& services, ScrambleMode mode, support::IniText& ini,
                  std::string_view key, const std::string& path);

}  // namespace platform
