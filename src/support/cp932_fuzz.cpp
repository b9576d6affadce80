// Any bytes decode to valid UTF-8 that encodes back to the same bytes, but
// for Windows' duplicate codes, which may come back in another form of the
// same character. Any input encodes without harm to at most its length.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/cp932.h"
#include "support/utf8.h"

namespace {

// Where the bytes differ, both hold a double-byte code of one character.
bool SameExceptDuplicates(const std::string& original, const std::string& back) {
  if (back.size() != original.size()) return false;
  for (std::size_t i = 0; i < original.size();) {
    if (original[i] == back[i]) {
      ++i;
      continue;
    }
    const std::string before = support::Cp932ToUtf8(original.substr(i, 2));
    if (i + 1 >= original.size() || before != support::Cp932ToUtf8(back.substr(i, 2)) ||
        support::Utf8CharCount(before) != 1 || support::Cp932Length(before) != 2) {
      return false;
    }
    i += 2;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = support::Cp932ToUtf8(bytes);
  if (!support::IsValidUtf8(text) || support::Cp932Length(text) != size ||
      !support::Cp932CanEncode(text) || !SameExceptDuplicates(bytes, support::Utf8ToCp932(text))) {
    std::abort();
  }
  if (support::Utf8ToCp932(bytes).size() > size) std::abort();
  return 0;
}
