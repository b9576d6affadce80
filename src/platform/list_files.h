#pragma once
// Whole-file line lists: UTF-8 lines in memory, CP932 text on disk.
//
//   Ca202612.kdf (bytes, CP932):  "[Data\Files1\]\r\n 8,1,,会議,...\r\n"
//
// A line ends at CR, LF or CR LF; the last line needs no ending. Writing puts
// CR LF after every line. Reads and writes are retried because the files may
// sit in a shared folder that another computer is writing.
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/filesystem.h"
#include "platform/services.h"

namespace platform {

using LineList = std::vector<std::string>;

// CP932 file bytes -> UTF-8 lines. Every byte survives, NUL included.
LineList ParseListText(std::string_view cp932);
// UTF-8 lines -> CP932 file bytes, CR LF after each line.
std::string FormatListText(const LineList& lines);

// Up to `tries` attempts (at least one) to read `path` with others denied
// writing, waiting `waitMs` between them. On success `list` is replaced; on
// failure it is left as it was.
bool LoadListRetry(FileSystem& fs, Clock& clock, LineList& list, const std::string& path,
                   unsigned waitMs, int tries);
// The same for writing. The file is replaced atomically: a failed or
// interrupted write leaves the old content intact.
bool SaveListRetry(FileSystem& fs, Clock& clock, const LineList& list, const std::string& path,
                   unsigned waitMs, int tries);

inline bool LoadListRetry(const Services& s, LineList& list, const std::string& path,
                          unsigned waitMs, int tries) {
  return LoadListRetry(s.fs, s.clock, list, path, waitMs, tries);
}
inline bool SaveListRetry(const Services& s, const LineList& list, const std::string& path,
                          unsigned waitMs, int tries) {
  return SaveListRetry(s.fs, s.clock, list, path, waitMs, tries);
}

}  // namespace platform
