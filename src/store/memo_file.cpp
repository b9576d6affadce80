#include "store/memo_file.h"

#include "support/text.h"
#include "support/cp932.h"

namespace store {
namespace {

constexpr std::string_view kFullWidthAmpersand = "＆";
constexpr unsigned char kFullWidthDigitLead = 0x82;  // "０".."９" are 82 4F..82 58

// The first bytes of the line's Shift-JIS form, enough for an ampersand and
// two bytes after it. The UTF-8 cut falls on a character boundary.
std::string Cp932Head(std::string_view line) {
  size_t cut = std::min<size_t>(line.size(), 16);
  while (cut < line.size() && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) ++cut;
  return support::Utf8ToCp932(line.substr(0, cut));
}

int MarkNumber(std::string_view twoBytes) {
  const std::string digit = support::Trim(twoBytes);
  if (auto n = support::ParseInt(digit)) return *n;
  if (digit.size() == 2 && static_cast<unsigned char>(digit[0]) == kFullWidthDigitLead &&
      digit[1] >= 0x4F && digit[1] <= 0x58)
    return digit[1] - 0x4F;
  return 0;
}

}  // namespace

MemoText ReadMemo(platform::FileSystem& fs, const std::string& path) {
  MemoText memo;
  if (!fs.Exists(path)) return memo;
  auto bytes = fs.ReadAll(path);
  memo.status = bytes ? MemoStatus::Read : MemoStatus::Unreadable;
  if (bytes) memo.lines = DecodeLines(*bytes, &memo.originals);
  return memo;
}

bool WriteMemo(platform::FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
               const OriginalBytes* originals) {
  return fs.WriteAtomic(path, EncodeLines(lines, originals));
}

std::array<int, 10> ScanMemoMarks(const std::vector<std::string>& lines) {
  std::array<int, 10> marks;
  marks.fill(-1);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    bool half = line.starts_with('&');
    if (!half && !line.starts_with(kFullWidthAmpersand)) continue;
    std::string head = Cp932Head(line);
    std::string_view after = std::string_view(head).substr(half ? 1 : 2);
    int n = MarkNumber(after.substr(0, 2));
    if (n >= 0 && n <= 9) marks[n] = static_cast<int>(i);
  }
  return marks;
}

}  // namespace store
