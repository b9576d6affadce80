#pragma once
// Path strings. Paths are UTF-8; a folder path ends with the separator.
// Texts that only look like paths (headers inside data files) keep "\".
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

}  // namespace support
