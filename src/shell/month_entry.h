#pragma once
// The month entry box `meNengetu`: six digits YYYYMM, typed over.
#include <optional>
#include <string>
#include <string_view>

namespace shell {

inline constexpr char kEntryHint[] =
    "YYYYMM形式で指定してください。決定は、年月の設定後[Enter]キー。";
inline constexpr char kEntryFormatError[] = "[YYYYMM]形式で、指定してください。";
// Where the caret goes on focus: before the month digits.
inline constexpr int kEntryCaretOnFocus = 4;
inline constexpr int kEntryLength = 6;

struct EntryText {
  std::string text;
  int caret = 0;  // 0..text.size()

  bool operator==(const EntryText&) const = default;
};

// A typed character: a digit replaces the character right of the caret
// and the caret moves past it; any other key is refused (nullopt).
std::optional<EntryText> TypeIntoEntry(const EntryText& now, char key);

// Enter is accepted when characters 5 and 6 make a month 1..12.
bool EntryMonthValid(std::string_view text);

// "%.4d%.2d" of a month, the month first wrapped into 1..12 with its year.
std::string MonthText(int year, int month);

}  // namespace shell
