#pragma once
// Template bodies of key_table.h.
#include "support/text.h"

namespace settings {
namespace detail {

inline std::string FormatValue(bool v) { return SwitchText(v); }
inline std::string FormatValue(int v) { return std::to_string(v); }
inline std::string FormatValue(const std::string& v) { return v; }
inline std::string FormatValue(Color v) { return store::ColorToText(v); }
inline std::string FormatValue(const TimeOfDay& v) { return TimeText(v); }

inline std::optional<bool> Parse(std::string_view t, bool*) { return ParseSwitch(t); }
inline std::optional<int> Parse(std::string_view t, int*) { return support::ParseInt(t); }
inline std::optional<std::string> Parse(std::string_view t, std::string*) {
  return std::string(t);
}
inline std::optional<Color> Parse(std::string_view t, Color*) { return store::ParseColorText(t); }
inline std::optional<TimeOfDay> Parse(std::string_view t, TimeOfDay*) { return ParseTime(t); }

}  // namespace detail

template <class S>
std::string ValueText(const KeyRow<S>& row, const S& s) {
  return std::visit([&](auto member) { return detail::FormatValue(s.*member); }, row.member);
}

template <class S>
void StoreText(const KeyRow<S>& row, const char* text, S& s) {
  std::visit(
      [&](auto member) {
        using T = std::remove_reference_t<decltype(s.*member)>;
        std::optional<T> value;
        if (text) value = detail::Parse(text, static_cast<T*>(nullptr));
        if (!value && row.defaultText)
          value = detail::Parse(row.defaultText, static_cast<T*>(nullptr));
        if (value) s.*member = std::move(*value);
      },
      row.member);
}

template <class S>
void ReadRows(std::span<const KeyRow<S>> rows, const IniValues& ini, S& s,
              const std::function<RowRead(const KeyRow<S>&)>& how, std::string_view section) {
  for (const auto& row : rows) {
    switch (how(row)) {
      case RowRead::Keep:
        break;
      case RowRead::UseDefault:
        StoreText(row, nullptr, s);
        break;
      case RowRead::Read: {
        auto text = ini.get(row.section.empty() ? section : row.section, row.key);
        StoreText(row, text ? text->c_str() : nullptr, s);
        break;
      }
    }
  }
}

template <class S>
void WriteRows(std::span<const KeyRow<S>> rows, const IniValues& ini, const S& s,
               std::string_view section) {
  for (const auto& row : rows)
    ini.set(row.section.empty() ? section : row.section, row.key, ValueText(row, s));
}

}  // namespace settings
