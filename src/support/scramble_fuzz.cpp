// Any file decodes without harm; any lines the containers accept come back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/scramble.h"
#include "support/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string key = "QuillarBostekFandorMivrat";
  support::DecodeKeyBook(bytes, key);
  support::DecodeScrambledIni(bytes, key);
  if (support::ScrambleText(support::ScrambleText(bytes, key), key) != bytes) std::abort();

  // As lines: no line breaks, no separator mark inside a line.
  std::vector<std::string> lines = support::Split(bytes, '\n');
  for (std::string& line : lines) {
    line = support::ReplaceAll(support::ReplaceAll(line, "\r", ""), "\x7F", "");
  }
  const std::string book = support::EncodeKeyBook("123456", lines, key);
  std::vector<std::string> expected = lines;
  expected.insert(expected.begin(), "123456");
  expected.push_back("123");
  if (support::DecodeKeyBook(book, key) != expected) std::abort();
  return 0;
}
