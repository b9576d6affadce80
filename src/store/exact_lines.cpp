#include "store/exact_lines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "support/cp932.h"
#include "support/utf8.h"

namespace store {
namespace {

// What the codec does with each byte pair and each single byte, found by
// asking it once: whether a pair decodes as one character, and whether a
// character comes back as other bytes when encoded again.
class CodeFacts {
 public:
  CodeFacts() {
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
      unfaithfulSingle_[lead] = !ComesBack(std::string(1, static_cast<char>(lead)));
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        std::string two{static_cast<char>(lead), static_cast<char>(trail)};
        if (support::Utf8CharCount(support::Cp932ToUtf8(two)) != 1) continue;
        pair_[lead << 8 | trail] = ComesBack(two) ? kFaithfulPair : kUnfaithfulPair;
      }
    }
  }

  // The indexes of the lines (as SplitAtLineEnds counts them) that hold a
  // character the encoder would write in another form.
  std::vector<size_t> UnfaithfulLines(std::string_view bytes) const {
    std::vector<size_t> lines;
    size_t line = 0;
    auto flag = [&] {
      if (lines.empty() || lines.back() != line) lines.push_back(line);
    };
    for (size_t i = 0, n = bytes.size(); i < n;) {
      const auto b = static_cast<unsigned char>(bytes[i]);
      if (b < 0x80) {
        if (b == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
        if (b == '\r' || b == '\n') ++line;
        ++i;
        continue;
      }
      const std::uint8_t pair = i + 1 < n ? pair_[b << 8 | static_cast<unsigned char>(bytes[i + 1])] : kNoPair;
      if (pair == kUnfaithfulPair || (pair == kNoPair && unfaithfulSingle_[b])) flag();
      i += pair == kNoPair ? 1 : 2;
    }
    return lines;
  }

 private:
  static constexpr std::uint8_t kNoPair = 0, kFaithfulPair = 1, kUnfaithfulPair = 2;
  static bool ComesBack(const std::string& bytes) {
    return support::Utf8ToCp932(support::Cp932ToUtf8(bytes)) == bytes;
  }
  std::array<std::uint8_t, 65536> pair_{};
  std::array<bool, 256> unfaithfulSingle_{};
};

const CodeFacts& Codes() {
  static const CodeFacts facts;
  return facts;
}

// The pieces between CR, LF and CR LF; a last piece needs no line end. The
// next CR and the next LF are each found by memchr and kept until passed.
template <typename Piece>
std::vector<Piece> SplitAtLineEnds(std::string_view text) {
  std::vector<Piece> pieces;
  pieces.reserve(text.size() / 32 + 1);  // about as many as a month file holds
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  auto next = [end](const char* from, char c) {
    const void* hit = std::memchr(from, c, static_cast<size_t>(end - from));
    return hit ? static_cast<const char*>(hit) : end;
  };
  const char* cr = next(begin, '\r');
  const char* lf = next(begin, '\n');
  for (const char* p = begin; p < end;) {
    if (cr < p) cr = next(p, '\r');
    if (lf < p) lf = next(p, '\n');
    const char* stop = std::min(cr, lf);
    pieces.emplace_back(text.substr(static_cast<size_t>(p - begin), static_cast<size_t>(stop - p)));
    p = stop;
    if (p < end && *p == '\r') ++p;
    if (p < end && *p == '\n') ++p;
  }
  return pieces;
}

template <typename Attempt>
bool Retry(platform::Clock& clock, unsigned waitMs, int tries, Attempt attempt) {
  for (int i = 0; i < std::max(tries, 1); ++i) {
    if (i > 0) clock.Sleep(waitMs);
    if (attempt()) return true;
  }
  return false;
}

}  // namespace

std::string OriginalBytes::EncodeLines(const std::vector<std::string>& lines) const {
  std::unordered_map<std::string, std::vector<std::string_view>> forms;
  if (std::vector<size_t> unfaithful = Codes().UnfaithfulLines(bytes_); !unfaithful.empty()) {
    const auto raw = SplitAtLineEnds<std::string_view>(bytes_);
    for (size_t i : unfaithful) forms.try_emplace(support::Cp932ToUtf8(raw[i]));
    for (std::string_view line : raw)
      if (auto it = forms.find(support::Cp932ToUtf8(line)); it != forms.end()) it->second.push_back(line);
  }
  std::unordered_map<std::string_view, size_t> used;
  std::string out;
  for (const auto& line : lines) {
    auto it = forms.empty() ? forms.end() : forms.find(line);
    size_t n = it == forms.end() ? 0 : used[line]++;
    if (it != forms.end() && n < it->second.size())
      out += it->second[n];
    else
      out += support::Utf8ToCp932(line);
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> DecodeLines(std::string_view bytes, OriginalBytes* originals) {
  // CR and LF are never trail bytes, and no escape or character of the
  // decoded text holds them, so the file decodes in one piece and splits
  // afterwards exactly as its bytes would.
  if (originals) originals->Keep(bytes);
  return SplitAtLineEnds<std::string>(support::Cp932ToUtf8(bytes));
}

std::string EncodeLines(const std::vector<std::string>& lines, const OriginalBytes* originals) {
  return (originals ? *originals : OriginalBytes()).EncodeLines(lines);
}

bool ReadLinesRetry(platform::Services& os, const std::string& path, unsigned waitMs, int tries,
                    std::vector<std::string>& lines, OriginalBytes* originals) {
  return Retry(os.clock, waitMs, tries, [&] {
    auto bytes = os.fs.ReadAll(path);
    if (!bytes) return false;
    lines = DecodeLines(*bytes, nullptr);
    if (originals) originals->Keep(std::move(*bytes));
    return true;
  });
}

bool WriteLinesRetry(platform::Services& os, const std::string& path, unsigned waitMs, int tries,
                     const std::vector<std::string>& lines, const OriginalBytes* originals) {
  const std::string bytes = EncodeLines(lines, originals);
  return Retry(os.clock, waitMs, tries, [&] { return os.fs.WriteAtomic(path, bytes); });
}

}  // namespace store
