#pragma once
// The text of an INI file ("Velda.ini", "Cmr.kdf", "localfol.kdf", the
// backup date stamps, the scrambled network file), read and written the way
// the Windows private-profile functions treat it:
//
//   [Set]
//   First=0
//   Folder=C:\Velda\Data\      (a folder keeps its separator)
//
// Sections and keys match without regard to ASCII case; the first of
// duplicate sections or keys wins. Values are text, trimmed, and a value
// quoted at both ends with " or ' reads without the quotes. Everything not
// touched (order, unknown keys, comments, blank lines, spelling of names)
// is written back as it was read.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace support {

class IniText {
 public:
  static IniText FromText(std::string_view utf8);
  static IniText FromLines(const std::vector<std::string>& lines);
  // Every line followed by CR LF.
  std::string ToText() const;
  std::vector<std::string> Lines() const;
  // Replaces the whole content.
  void SetLines(const std::vector<std::string>& lines);

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Line breaks in a value would split the line; they are written as blanks.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Delphi's TIniFile: a value that is no integer ("$" and "0x" hexadecimal
  // accepted) gives the fallback.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  // Any non-zero integer is true; a value that is no integer gives the fallback.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  void WriteBool(std::string_view section, std::string_view key, bool value);  // "1" / "0"

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // Every section of that name, with all its lines.
  void EraseSection(std::string_view section);
  // Every line of that key in the section.
  void DeleteKey(std::string_view section, std::string_view key);
  // Key names of the section, in order.
  std::vector<std::string> ReadSection(std::string_view section) const;
  // "key=value" for each key line of the section, values read as ReadString does.
  std::vector<std::string> ReadSectionValues(std::string_view section) const;
  std::vector<std::string> Sections() const;
  bool Empty() const { return preamble_.empty() && sections_.empty(); }

 private:
  struct Line {
    std::string text;
    std::string key;  // trimmed; empty for blank and comment lines
  };
  struct Section {
    std::string header;  // the "[name]" line as read
    std::string name;
    std::vector<Line> lines;
  };

  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  static Line MakeLine(std::string text);
  std::size_t SectionIndex(std::string_view name) const;
  Section& SectionForWriting(std::string_view name);
  static std::size_t KeyIndex(const Section& section, std::string_view key);
  // The value line of a key, or null.
  const Line* FindLine(std::string_view section, std::string_view key) const;

  std::vector<Line> preamble_;  // lines before the first section, kept as they are
  std::vector<Section> sections_;
};

}  // namespace support
