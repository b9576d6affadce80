#include "platform/scrambled_files.h"

#include <optional>

#include "platform/dialog_helpers.h"
#include "support/cp932.h"
#include "support/scramble.h"
#include "support/text.h"

namespace platform {
namespace {

constexpr unsigned kLoadWaitMs = 300;
constexpr unsigned kSaveWaitMs = 500;
constexpr int kTries = 5;

constexpr char kNoKeyBookPath[] =
    "設定ファイルの指定が有りません。\r\n設定ファイルは作成できませんでした。";
constexpr char kHeaderCodeError[] = "ヘッダーコード作成エラー";
constexpr char kKeyBookCheckError[] = "暗号化エラー(TextKeyBook)";
constexpr char kNoIniPath[] = "設定ファイルが有りません。\r\n設定ファイルは作成できませんでした。";
constexpr char kIniCheckError[] = "暗号化エラー(ScrambledIni)";

// Scrambled bytes are no CP932 text: decoding and encoding them again could
// rewrite a duplicate code, so these files are moved as raw bytes.
std::optional<std::string> ReadBytesRetry(const Services& s, const std::string& path) {
  for (int i = 0; i < kTries; ++i) {
    if (i > 0) s.clock.Sleep(kLoadWaitMs);
    if (auto bytes = s.fs.ReadAll(path)) return bytes;
  }
  return std::nullopt;
}

bool WriteBytesRetry(const Services& s, const std::string& path, const std::string& bytes) {
  for (int i = 0; i < kTries; ++i) {
    if (i > 0) s.clock.Sleep(kSaveWaitMs);
    if (s.fs.WriteAtomic(path, bytes)) return true;
  }
  return false;
}

void Tell(const Services& s, const std::string& text) { ShowInfo(s.dialogs, text, ""); }

std::string KeyBytes(std::string_view key, std::string_view builtIn) {
  return support::Utf8ToCp932(support::IsBlank(key) ? builtIn : key);
}

LineList ToCp932(const LineList& lines) {
  LineList out;
  for (const std::string& line : lines) out.push_back(support::Utf8ToCp932(line));
  return out;
}

LineList ToUtf8(const LineList& lines) {
  LineList out;
  for (const std::string& line : lines) out.push_back(support::Cp932ToUtf8(line));
  return out;
}

// `random` null: the generator seeded from the clock.
bool SaveKeyBook(const Services& s, const LineList& list, const std::string& key,
                 const std::string& path, std::mt19937* random) {
  if (support::IsBlank(path)) return Tell(s, kNoKeyBookPath), false;
  const std::string code = random ? support::MakeHeaderCode(*random) : support::MakeHeaderCode();
  if (code.empty()) return Tell(s, kHeaderCodeError), false;
  LineList plain = ToCp932(list);
  const std::string file = support::EncodeKeyBook(code, plain, key);
  plain.insert(plain.begin(), code);
  plain.push_back(support::HeaderTrailer(code));
  if (support::DecodeKeyBook(file, key) != plain) return Tell(s, kKeyBookCheckError), false;
  return WriteBytesRetry(s, path, file);
}

bool LoadKeyBook(const Services& s, LineList& list, const std::string& key, const std::string& path) {
  const std::optional<std::string> file = ReadBytesRetry(s, path);
  if (!file) return false;
  const LineList plain = support::DecodeKeyBook(*file, key);
  if (plain.size() > 2) {  // the header code and the trailer are not ours to return
    const LineList content = ToUtf8(LineList(plain.begin() + 1, plain.end() - 1));
    list.insert(list.end(), content.begin(), content.end());
  }
  return true;
}

std::string InProgramFolder(const Services& s, const std::string& path) {
  const bool hasFolder = path.find_first_of("\\/") != std::string::npos;
  return hasFolder ? path : s.system.ProgramFolder() + path;
}

bool SaveIni(const Services& s, const support::IniText& ini, const std::string& key,
             const std::string& path) {
  if (support::IsBlank(path)) return Tell(s, kNoIniPath), false;
  const LineList lines = ToCp932(ini.Lines());
  const std::string file = support::EncodeScrambledIni(lines, key);
  if (support::DecodeScrambledIni(file, key) != lines) return Tell(s, kIniCheckError), false;
  return WriteBytesRetry(s, InProgramFolder(s, path), file);
}

bool LoadIni(const Services& s, support::IniText& ini, const std::string& key,
             const std::string& path) {
  const std::optional<std::string> file = ReadBytesRetry(s, InProgramFolder(s, path));
  ini.SetLines(file ? ToUtf8(support::DecodeScrambledIni(*file, key)) : LineList{});
  return file.has_value();
}

bool KeyBook(const Services& services, ScrambleMode mode, LineList& list, std::string_view key,
             const std::string& path, std::mt19937* random) {
  const std::string keyBytes = KeyBytes(key, kKeyBookKey);
  return mode == ScrambleMode::Save ? SaveKeyBook(services, list, keyBytes, path, random)
                                    : LoadKeyBook(services, list, keyBytes, path);
}

}  // namespace

bool TextKeyBook(const Services& services, ScrambleMode mode, LineList& list,
                 std::string_view key, const std::string& path, std::mt19937& random) {
  return KeyBook(services, mode, list, key, path, &random);
}

bool TextKeyBook(const Services& services, ScrambleMode mode, LineList& list,
                 std::string_view key, const std::string& path) {
  return KeyBook(services, mode, list, key, path, nullptr);
}

bool ScrambledIni(const Services& services, ScrambleMode mode, support::IniText& ini,
                  std::string_view key, const std::string& path) {
  const std::string keyBytes = KeyBytes(key, kScrambledIniKey);
  return mode == ScrambleMode::Save ? SaveIni(services, ini, keyBytes, path)
                                    : LoadIni(services, ini, keyBytes, path);
}

}  // namespace platform
