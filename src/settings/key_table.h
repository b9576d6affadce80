#pragma once
// A table of settings keys: one row per key with its section, name, the
// member it fills and its default in file form. Reading and writing walk
// the same rows, so the file keeps the order of the table.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "store/color_text.h"
#include "settings/value_text.h"

namespace settings {

using store::Color;

enum class ValueType { Bool, Int, String, Color, Time };

// What a load does with one row.
enum class RowRead {
  Read,        // the file's value, or the default when missing or unreadable
  UseDefault,  // the default without looking at the file
  Keep,        // the member stays as it is
};

// When a row is read and written. The main table uses the groups below for
// the keys whose reading depends on the computer or on other keys.
enum class RowGroup {
  Always,
  Timer,         // read only when cbJigen is on
  Network,       // read only when start-up has not set the shared folder
  NetworkDrive,  // read only when the program runs from a network folder
  CalendarRows,  // read only on a screen more than 609 pixels high
  WriteOnly,     // never read: a load gives the default
};

template <class S>
using MemberOf = std::variant<bool S::*, int S::*, std::string S::*, Color S::*, TimeOfDay S::*>;

template <class S>
struct KeyRow {
  std::string_view section;  // empty: the section the caller names
  std::string_view key;
  MemberOf<S> member;
  // File form of the default; nullptr: a missing key leaves the member as
  // it was (the "current value" defaults).
  const char* defaultText = nullptr;
  RowGroup group = RowGroup::Always;

  // The variant lists its alternatives in the order of ValueType.
  ValueType type() const { return static_cast<ValueType>(member.index()); }
};

// Access to the values of an INI text, by section and key.
struct IniValues {
  std::function<std::optional<std::string>(std::string_view section, std::string_view key)> get;
  std::function<void(std::string_view section, std::string_view key, const std::string& value)> set;
};

// The value of a row's member in file form.
template <class S>
std::string ValueText(const KeyRow<S>& row, const S& s);

// Stores `text` (nullptr for missing) into the member; text that does not
// convert counts as missing.
template <class S>
void StoreText(const KeyRow<S>& row, const char* text, S& s);

template <class S>
void ReadRows(std::span<const KeyRow<S>> rows, const IniValues& ini, S& s,
              const std::function<RowRead(const KeyRow<S>&)>& how,
              std::string_view section = {});

template <class S>
void WriteRows(std::span<const KeyRow<S>> rows, const IniValues& ini, const S& s,
               std::string_view section = {});

}  // namespace settings

#include "settings/key_table_impl.h"
