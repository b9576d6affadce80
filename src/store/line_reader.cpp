#include "store/line_reader.h"

#include "platform/dialog_helpers.h"

namespace store {

std::string_view TextBeforeEndMark(std::string_view bytes) {
  return bytes.substr(0, bytes.find_first_of(std::string_view("\0\x1A", 2)));
}

bool LoadLines(platform::Services& os, std::vector<std::string>& lines, const std::string& path,
               OriginalBytes* originals) {
  lines.clear();
  for (int attempt = 1; attempt <= kLoadLinesTries; ++attempt) {
    if (auto bytes = os.fs.ReadAll(path)) {
      lines = DecodeLines(TextBeforeEndMark(*bytes), originals);
      return true;
    }
    if (attempt < kLoadLinesTries) os.clock.Sleep(kLoadLinesWaitMs);
  }
  platform::Inform(os.dialogs, "読込エラー[" + path + "]");
  return false;
}

}  // namespace store
