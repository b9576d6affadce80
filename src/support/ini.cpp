#include "support/ini.h"

#include <algorithm>

#include "support/text.h"

namespace support {
namespace {

// "[name]" (blanks around it allowed) -> name; no "]" reads to the line end.
bool ParseSectionHeader(std::string_view line, std::string& name) {
  const std::string trimmed = TrimLeft(line);
  if (trimmed.empty() || trimmed.front() != '[') return false;
  const std::size_t close = trimmed.find(']');
  name = Trim(std::string_view(trimmed).substr(1, close == std::string::npos ? close : close - 1));
  return true;
}

bool IsComment(std::string_view trimmed) { return trimmed.empty() || trimmed.front() == ';'; }

std::string ValueOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return "";
  std::string value = Trim(line.substr(equals + 1));
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

std::string OneLine(std::string_view value) {
  std::string out(value);
  std::replace_if(out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return out;
}

}  // namespace

IniText::Line IniText::MakeLine(std::string text) {
  const std::string trimmed = Trim(text);
  std::string key;
  if (!IsComment(trimmed)) key = Trim(std::string_view(trimmed).substr(0, trimmed.find('=')));
  return {std::move(text), std::move(key)};
}

IniText IniText::FromText(std::string_view utf8) { return FromLines(SplitLines(utf8)); }

IniText IniText::FromLines(const std::vector<std::string>& lines) {
  IniText ini;
  ini.SetLines(lines);
  return ini;
}

void IniText::SetLines(const std::vector<std::string>& lines) {
  preamble_.clear();
  sections_.clear();
  for (const std::string& text : lines) {
    std::string name;
    if (ParseSectionHeader(text, name)) {
      sections_.push_back({text, std::move(name), {}});
    } else {
      (sections_.empty() ? preamble_ : sections_.back().lines).push_back(MakeLine(text));
    }
  }
}

std::vector<std::string> IniText::Lines() const {
  std::vector<std::string> out;
  for (const Line& line : preamble_) out.push_back(line.text);
  for (const Section& section : sections_) {
    out.push_back(section.header);
    for (const Line& line : section.lines) out.push_back(line.text);
  }
  return out;
}

std::string IniText::ToText() const { return JoinLines(Lines()); }

std::size_t IniText::SectionIndex(std::string_view name) const {
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    if (EqualsIgnoreCase(sections_[i].name, name)) return i;
  }
  return kNone;
}

IniText::Section& IniText::SectionForWriting(std::string_view name) {
  const std::size_t i = SectionIndex(name);
  if (i != kNone) return sections_[i];
  const std::string clean = Trim(OneLine(name));
  sections_.push_back({"[" + clean + "]", clean, {}});
  return sections_.back();
}

std::size_t IniText::KeyIndex(const Section& section, std::string_view key) {
  for (std::size_t i = 0; i < section.lines.size(); ++i) {
    const std::string& name = section.lines[i].key;
    if (!name.empty() && EqualsIgnoreCase(name, key)) return i;
  }
  return kNone;
}

const IniText::Line* IniText::FindLine(std::string_view section, std::string_view key) const {
  const std::size_t s = SectionIndex(section);
  if (s == kNone) return nullptr;
  const std::size_t k = KeyIndex(sections_[s], Trim(key));
  return k == kNone ? nullptr : &sections_[s].lines[k];
}

std::string IniText::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const Line* line = FindLine(section, key);
  return line ? ValueOf(line->text) : std::string(fallback);
}

void IniText::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string name = Trim(OneLine(key));
  if (name.empty()) return;
  Section& s = SectionForWriting(section);
  const std::size_t k = KeyIndex(s, name);
  if (k != kNone) {
    s.lines[k].text = s.lines[k].key + "=" + OneLine(value);
    return;
  }
  // After the last key, so blank lines that part sections stay below.
  auto last = std::find_if(s.lines.rbegin(), s.lines.rend(),
                           [](const Line& l) { return !IsBlank(l.text); });
  s.lines.insert(last.base(), {name + "=" + OneLine(value), name});
}

std::int32_t IniText::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
  return StrToIntDef(ReadString(section, key, ""), fallback);
}

void IniText::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

bool IniText::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniText::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

bool IniText::SectionExists(std::string_view section) const {
  return SectionIndex(section) != kNone;
}

bool IniText::ValueExists(std::string_view section, std::string_view key) const {
  return FindLine(section, key) != nullptr;
}

void IniText::EraseSection(std::string_view section) {
  std::erase_if(sections_, [&](const Section& s) { return EqualsIgnoreCase(s.name, section); });
}

void IniText::DeleteKey(std::string_view section, std::string_view key) {
  const std::size_t s = SectionIndex(section);
  if (s == kNone) return;
  const std::string name = Trim(key);
  std::erase_if(sections_[s].lines,
                [&](const Line& l) { return !l.key.empty() && EqualsIgnoreCase(l.key, name); });
}

std::vector<std::string> IniText::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  const std::size_t s = SectionIndex(section);
  if (s == kNone) return keys;
  for (const Line& line : sections_[s].lines) {
    if (!line.key.empty()) keys.push_back(line.key);
  }
  return keys;
}

std::vector<std::string> IniText::ReadSectionValues(std::string_view section) const {
  std::vector<std::string> pairs;
  const std::size_t s = SectionIndex(section);
  if (s == kNone) return pairs;
  for (const Line& line : sections_[s].lines) {
    if (!line.key.empty()) pairs.push_back(line.key + "=" + ValueOf(line.text));
  }
  return pairs;
}

std::vector<std::string> IniText::Sections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

}  // namespace support
