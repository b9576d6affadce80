#pragma once
// The line reader of the holiday, special-day and period files: the whole
// file as Shift-JIS lines, ended by CR, LF or CR LF. A NUL byte or the
// end-of-file mark 0x1A ends the text; a last line without an end counts.
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "store/exact_lines.h"

namespace store {

inline constexpr int kLoadLinesTries = 5;
inline constexpr unsigned kLoadLinesWaitMs = 500;

// The bytes before the first NUL or 0x1A.
std::string_view TextBeforeEndMark(std::string_view bytes);

// Fills `lines` from the file, up to 5 attempts 500 ms apart. When all fail:
// "読込エラー[" + path + "]", `lines` empty, false. With `originals` the
// bytes that need it are remembered for writing the lines back.
bool LoadLines(platform::Services& os, std::vector<std::string>& lines, const std::string& path,
               OriginalBytes* originals = nullptr);

}  // namespace store
