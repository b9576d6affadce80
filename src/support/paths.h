#pragma once
// Path strings. Paths are UTF-8 and use the build's separator ("\" on
// Windows, "/" natively); a folder path ends with the separator. Texts that
// only look like paths (headers inside data files, folder keys) keep the
// Windows form with "\". UTF-8 never puts a "\" or "/" byte inside a
// non-ASCII character, so these byte scans are safe for Japanese names.
#include <string>
#include <string_view>

namespace support {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Appends the separator unless the path is empty or already ends with it.
std::string EnsureTrailingSeparator(std::string_view path);
// Drops one trailing separator.
std::string RemoveTrailingSeparator(std::string_view path);
// "\" and "/" both become the build's separator.
std::string ToNativeSeparators(std::string_view path);
// `folder` with its separator followed by `relative`, whose "\" or "/" are
// taken as separators: JoinPath(root, "Data\\Files1\\").
std::string JoinPath(std::string_view folder, std::string_view relative);

// Blanks (bytes up to 0x20) trimmed; then `ch` appended when the text is
// not empty, `ch` is not blank and the text does not already end with it.
std::string EnsureTrailingChar(std::string_view text, char ch);
// Blanks trimmed; then one trailing `ch` dropped.
std::string RemoveTrailingChar(std::string_view text, char ch);

// A folder path flattened into one file-name-safe word, used to keep each
// installation's working folder apart:
//   C:\Program Files\Velda\   <->  C-_PF_Velda
//   \\SERVER\Share\Velda\     <->  Net_SERVER_Share_Velda
// The tokens are defined on the Windows form; natively "/" is read as "\".
// Not a bijection ("-", "_" and the token words decode differently), so the
// key is only ever made, never read back, by the program.
std::string EncodeFolderKey(std::string_view path);
// The reverse, giving the Windows form with its trailing "\".
std::string DecodeFolderKey(std::string_view key);

// With the trailing separator removed: the text after the last separator,
// and the text before it ("" when there is none).
std::string LastFolderName(std::string_view path);
std::string ParentPart(std::string_view path);
// What LastFolderName and ParentPart are meant for: at least five bytes and
// a drive (":"), a network name ("\\") or, natively, a leading "/".
bool IsFullFolderPath(std::string_view path);

}  // namespace support
