#include "store/exact_lines.h"

#include <array>

#include "support/cp932.h"

namespace store {
namespace {

// Bytes that start a character whose encoding differs from its bytes, found
// by asking the codec once about every single byte and every pair.
std::array<bool, 256> FindUnfaithfulLeads() {
  std::array<bool, 256> unfaithful{};
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    std::string one(1, static_cast<char>(lead));
    if (support::Utf8ToCp932(support::Cp932ToUtf8(one)) != one) unfaithful[lead] = true;
    for (int trail = 0x40; trail <= 0xFC && !unfaithful[lead]; ++trail) {
      std::string two{static_cast<char>(lead), static_cast<char>(trail)};
      if (support::Utf8ToCp932(support::Cp932ToUtf8(two)) != two) unfaithful[lead] = true;
    }
  }
  return unfaithful;
}

bool MayChangeOnRewrite(std::string_view bytes) {
  static const std::array<bool, 256> unfaithful = FindUnfaithfulLeads();
  for (char c : bytes)
    if (unfaithful[static_cast<unsigned char>(c)]) return true;
  return false;
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

void OriginalBytes::Record(const std::vector<std::string_view>& bytes,
                           const std::vector<std::string>& texts) {
  forms_.clear();
  for (size_t i = 0; i < texts.size(); ++i)
    if (MayChangeOnRewrite(bytes[i]) && support::Utf8ToCp932(texts[i]) != bytes[i])
      forms_.try_emplace(texts[i]);
  if (forms_.empty()) return;
  for (size_t i = 0; i < texts.size(); ++i)
    if (auto it = forms_.find(texts[i]); it != forms_.end()) it->second.emplace_back(bytes[i]);
}

std::string OriginalBytes::EncodeLines(const std::vector<std::string>& lines) const {
  std::unordered_map<std::string_view, size_t> used;
  std::string out;
  for (const auto& line : lines) {
    auto it = forms_.empty() ? forms_.end() : forms_.find(line);
    size_t n = it == forms_.end() ? 0 : used[line]++;
    out += (it != forms_.end() && n < it->second.size()) ? it->second[n] : support::Utf8ToCp932(line);
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> DecodeLines(std::string_view bytes, OriginalBytes* originals) {
  std::vector<std::string_view> raw;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    // Split before decoding: a stray lead byte must not swallow a CR.
    raw.push_back(bytes.substr(pos, end - pos));
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
  }
  std::vector<std::string> lines;
  lines.reserve(raw.size());
  for (std::string_view line : raw) lines.push_back(support::Cp932ToUtf8(line));
  if (originals) originals->Record(raw, lines);
  return lines;
}

std::string EncodeLines(const std::vector<std::string>& lines, const OriginalBytes* originals) {
  return (originals ? *originals : OriginalBytes()).EncodeLines(lines);
}

bool ReadLinesRetry(platform::Services& os, const std::string& path, unsigned waitMs, int tries,
                    std::vector<std::string>& lines, OriginalBytes* originals) {
  return Retry(os.clock, waitMs, tries, [&] {
    auto bytes = os.fs.ReadAll(path);
    if (!bytes) return false;
    lines = DecodeLines(*bytes, originals);
    return true;
  });
}

bool WriteLinesRetry(platform::Services& os, const std::string& path, unsigned waitMs, int tries,
                     const std::vector<std::string>& lines, const OriginalBytes* originals) {
  const std::string bytes = EncodeLines(lines, originals);
  return Retry(os.clock, waitMs, tries, [&] { return os.fs.WriteAtomic(path, bytes); });
}

}  // namespace store
