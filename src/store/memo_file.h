#pragma once
// The memo file "CaMemo.kdf" in the common data folder: free text, read and
// written whole. A line starting with "&" or "＆" is a jump mark; the two
// Shift-JIS bytes after the ampersand give its number 0..9.
//
//   &3 買い物        mark 3
//   ＆５             mark 5 (full-width digit)
//   &x               mark 0 (no number)
//   &12              no mark (only 0..9 count)
#include <array>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "store/exact_lines.h"

namespace store {

inline constexpr char kMemoFileName[] = "CaMemo.kdf";

enum class MemoStatus { Read, Missing, Unreadable };

struct MemoText {
  MemoStatus status = MemoStatus::Missing;
  std::vector<std::string> lines;  // empty unless read
  OriginalBytes originals;         // for WriteMemo
};

// The caller reports what went wrong.
MemoText ReadMemo(platform::FileSystem& fs, const std::string& path);
// Replaces the file with the lines, CR LF after each; false on failure (the
// old file then stays as it was).
bool WriteMemo(platform::FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
               const OriginalBytes* originals = nullptr);

// The line index of each mark 0..9, -1 where none is set; of several lines
// with one number the last wins.
std::array<int, 10> ScanMemoMarks(const std::vector<std::string>& lines);

}  // namespace store
