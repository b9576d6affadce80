#include "support/paths.h"

#include <algorithm>
#include <utility>

#include "support/text.h"

namespace support {
namespace {


// Folder-key tokens, applied top to bottom when encoding and, in the other
// direction, top to bottom when decoding.
constexpr std::pair<std::string_view, std::string_view> kFolderKeyTokens[] = {
    {"\\Documents and Settings\\", "_DS_"},
    {"\\Program Files\\Common Files\\", "_PFCF_"},
    {"\\Program Files\\", "_PF_"},
    {"\\\\", "Net_"},
    {":", "-"},
    {" ", "_S_"},
    {".", "_D_"},
    {"\\", "_"},
};

size_t LastSeparator(std::string_view path) { return path.find_last_of(kPathSeparator); }

}  // namespace

std::string EnsureTrailingSeparator(std::string_view path) {
  std::string result(path);
  if (!result.empty() && result.back() != kPathSeparator) result += kPathSeparator;
  return result;
}

std::string RemoveTrailingSeparator(std::string_view path) {
  if (!path.empty() && path.back() == kPathSeparator) path.remove_suffix(1);
  return std::string(path);
}

std::string ToNativeSeparators(std::string_view path) {
  std::string result(path);
  std::replace_if(result.begin(), result.end(), [](char c) { return c == '\\' || c == '/'; },
                  kPathSeparator);
  return result;
}

std::string JoinPath(std::string_view folder, std::string_view relative) {
  return EnsureTrailingSeparator(folder) + ToNativeSeparators(relative);
}

std::string EnsureTrailingChar(std::string_view text, char ch) {
  std::string result = Trim(text);
  bool visible = static_cast<unsigned char>(ch) > ' ';
  if (!result.empty() && visible && result.back() != ch) result += ch;
  return result;
}

std::string RemoveTrailingChar(std::string_view text, char ch) {
  std::string result = Trim(text);
  if (!result.empty() && result.back() == ch) result.pop_back();
  return result;
}

std::string EncodeFolderKey(std::string_view path) {
  std::string key(path);
  if (kPathSeparator != '\\') std::replace(key.begin(), key.end(), kPathSeparator, '\\');
  if (!key.empty() && key.back() == '\\') key.pop_back();
  for (const auto& [text, token] : kFolderKeyTokens) key = ReplaceAll(key, text, token);
  return key;
}

std::string DecodeFolderKey(std::string_view key) {
  std::string path(key);
  for (const auto& [text, token] : kFolderKeyTokens) path = ReplaceAll(path, token, text);
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

std::string LastFolderName(std::string_view path) {
  std::string folder = RemoveTrailingSeparator(path);
  size_t sep = LastSeparator(folder);
  return sep == std::string::npos ? folder : folder.substr(sep + 1);
}

std::string ParentPart(std::string_view path) {
  std::string folder = RemoveTrailingSeparator(path);
  size_t sep = LastSeparator(folder);
  return sep == std::string::npos ? std::string() : folder.substr(0, sep);
}

bool IsFullFolderPath(std::string_view path) {
  if (path.size() < 5) return false;
  bool rootedNatively = kPathSeparator == '/' && path.front() == '/';
  return path.find(':') != std::string_view::npos ||
         path.find("\\\\") != std::string_view::npos || rootedNatively;
}

}  // namespace support
