#include "store/number_text.h"

namespace store {
namespace {

int DigitValue(char c, int base) {
  int v = (c >= '0' && c <= '9')   ? c - '0'
          : (c >= 'a' && c <= 'f') ? c - 'a' + 10
          : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                   : 99;
  return v < base ? v : -1;
}

// Digits only; nullopt when empty, when a character is no digit or when the
// magnitude passes `limit`.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    int d = DigitValue(c, base);
    if (d < 0) return std::nullopt;
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    if (value > limit) return std::nullopt;
  }
  return value;
}

bool StartsHex(std::string_view t) {
  return !t.empty() && (t[0] == '$' || (t.size() > 1 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')));
}

}  // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (StartsHex(text)) {
    text.remove_prefix(text[0] == '$' ? 1 : 2);
    auto bits = ParseDigits(text, 16, 0xFFFFFFFFu);
    if (!bits) return std::nullopt;
    auto value = static_cast<std::uint32_t>(*bits);
    return static_cast<std::int32_t>(negative ? 0u - value : value);
  }
  // 2147483648 is only reachable with the minus sign.
  auto magnitude = ParseDigits(text, 10, negative ? 2147483648u : 2147483647u);
  if (!magnitude) return std::nullopt;
  auto m = static_cast<std::int64_t>(*magnitude);
  return static_cast<std::int32_t>(negative ? -m : m);
}

std::int32_t ParseInt32Or(std::string_view text, std::int32_t fallback) {
  return ParseInt32(text).value_or(fallback);
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

}  // namespace store
