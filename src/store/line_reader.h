#pragma once
// The line reader of the holiday, special-day and period files: the whole
// file as Shift-JIS lines, ended by CR, LF or CR LF. A NUL byte or the
// end-of-file mark 0x1A ends the text; a last line without an end counts.
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace store {

inline constexpr int kLoadLinesTries = 5;
inline constexpr unsigned kLoadLinesWaitMs = 500;

// The bytes before the first NUL or 0x1A.
std::string_view TextBeforeEndMark(std::string_view bytes);

// The lines of `text`, views into it; CR, LF and CR LF each end one line.
std::vector<std::string_view> SplitLineBytes(std::string_view text);

// The lines of a file's bytes, decoded to UTF-8 (undecodable bytes kept).
std::vector<std::string> DecodeLines(std::string_view bytes);

// Fills `lines` from the file, up to 5 attempts 500 ms apart. When all fail:
// "読込エラー[" + path + "]", `lines` empty, false.
bool LoadLines(platform::Services& os, std::vector<std::string>& lines, const std::string& path);

}  // namespace store
