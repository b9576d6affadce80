#include "support/scramble.h"

#include <chrono>

#include "support/cp932.h"
#include "support/text.h"

namespace support {
namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string IniHeaderBytes() { return Utf8ToCp932(kScrambledIniHeader); }

// Marks become line breaks; the pieces between are the lines.
std::vector<std::string> SplitAtMarks(std::string_view text) {
  return SplitLines(ReplaceAll(text, kScrambleMark, kCrLf));
}

std::vector<std::string> UnscrambleEach(std::vector<std::string> lines, std::string_view key) {
  for (std::string& line : lines) line = ScrambleText(line, key);
  return lines;
}

}  // namespace

std::string ScrambleText(std::string_view bytes, std::string_view key) {
  std::string out(bytes);
  if (key.empty()) return out;
  std::size_t k = 0;
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    const auto x = static_cast<unsigned char>(b ^ static_cast<unsigned char>(key[k]));
    if (b >= 0x20 && x >= 0x20) c = static_cast<char>(x);
    k = (k + 1) % key.size();
  }
  return out;
}

std::string MakeHeaderCode(std::mt19937& random) {
  const auto n = std::uniform_int_distribution<int>(0, 93)(random);
  const auto v = std::uniform_int_distribution<std::uint32_t>(0, 999'999'999)(random);
  std::string s = std::to_string(v + 1);  // 1 to 10 digits
  for (int i = 0; i < 100 && s.size() <= static_cast<std::size_t>(n + 6); ++i) s += s;
  return s.substr(0, n + 6);  // [6, 99] digits
}

std::string MakeHeaderCode() {
  static std::mt19937 random(static_cast<std::uint32_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  return MakeHeaderCode(random);
}

std::string HeaderTrailer(std::string_view code) {
  return std::string(code.substr(0, code.size() / 2));
}

std::string EncodeKeyBook(std::string_view code, const std::vector<std::string>& lines,
                          std::string_view key) {
  std::string plain(code);
  plain += kScrambleMark;
  for (const std::string& line : lines) plain.append(line).append(kScrambleMark);
  plain.append(HeaderTrailer(code)).append(kScrambleMark).append(kCrLf);
  return ScrambleText(plain, key);
}

std::vector<std::string> DecodeKeyBook(std::string_view file, std::string_view key) {
  // The key runs on through the line ends, as it did when the file was made.
  const std::string plain = ScrambleText(JoinLines(SplitLines(file)), key);
  return SplitAtMarks(ReplaceAll(plain, kCrLf, ""));
}

std::string EncodeScrambledIni(const std::vector<std::string>& lines, std::string_view key) {
  std::string out = IniHeaderBytes() + std::string(kCrLf);
  std::string chunk;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    chunk.append(ScrambleText(lines[i], key)).append(kScrambleMark);
    if (chunk.size() > kScrambledIniChunkLimit || i + 1 == lines.size()) {
      out.append(chunk).append(kCrLf);
      chunk.clear();
    }
  }
  return out;
}

std::vector<std::string> DecodeScrambledIni(std::string_view file, std::string_view key) {
  std::vector<std::string> physical = SplitLines(file);
  const std::string header = IniHeaderBytes();
  if (physical.empty() || physical.front() != header) return UnscrambleEach(physical, key);
  std::erase(physical, header);
  return UnscrambleEach(SplitAtMarks(Join(physical, "")), key);
}

}  // namespace support
