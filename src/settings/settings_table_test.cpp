#include <gtest/gtest.h>

#include <map>
#include <set>

#include "settings/settings.h"
#include "settings/window_keys.h"

namespace settings {
namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

IniValues MapValues(Values& values) {
  return {[&](std::string_view s, std::string_view k) -> std::optional<std::string> {
            auto it = values.find({std::string(s), std::string(k)});
            if (it == values.end()) return std::nullopt;
            return it->second;
          },
          [&](std::string_view s, std::string_view k, const std::string& v) {
            values[{std::string(s), std::string(k)}] = v;
          }};
}

template <class S>
void ExpectDistinctKeysAndMembers(std::span<const KeyRow<S>> rows) {
  std::set<std::pair<std::string_view, std::string_view>> keys;
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_TRUE(keys.insert({rows[i].section, rows[i].key}).second) << rows[i].key;
    for (size_t j = 0; j < i; ++j)
      EXPECT_FALSE(rows[i].member == rows[j].member) << rows[i].key << " and " << rows[j].key;
  }
}

TEST(KeyTables, EveryKeyAndMemberAppearsOnce) {
  ExpectDistinctKeysAndMembers(SettingsKeys());
  ExpectDistinctKeysAndMembers(OptionsWindowKeyRows());
  ExpectDistinctKeysAndMembers(MemoWindowKeyRows());
  ExpectDistinctKeysAndMembers(SetupWindowKeyRows());
  ExpectDistinctKeysAndMembers(CommemorationKeyRows());
}

// Every default must convert in its own type, or the key would silently
// keep whatever the program held: two members that start out different
// must end equal.
template <class S>
void ExpectDefaultsConvert(std::span<const KeyRow<S>> rows) {
  for (const auto& row : rows) {
    if (!row.defaultText) continue;
    S zero{};
    S odd{};
    std::visit(
        [&](auto m) {
          using T = std::remove_reference_t<decltype(odd.*m)>;
          if constexpr (std::is_same_v<T, bool>) odd.*m = true;
          else if constexpr (std::is_same_v<T, std::string>) odd.*m = "odd";
          else if constexpr (std::is_same_v<T, TimeOfDay>) odd.*m = {1, 2, 3};
          else odd.*m = 977;
        },
        row.member);
    StoreText(row, nullptr, zero);
    StoreText(row, nullptr, odd);
    EXPECT_EQ(ValueText(row, zero), ValueText(row, odd)) << row.key;
  }
}

TEST(KeyTables, DefaultsAreValuesOfTheirType) {
  ExpectDefaultsConvert(SettingsKeys());
  ExpectDefaultsConvert(OptionsWindowKeyRows());
  ExpectDefaultsConvert(MemoWindowKeyRows());
  ExpectDefaultsConvert(SetupWindowKeyRows());
  ExpectDefaultsConvert(CommemorationKeyRows());
}

// Unusual values in every member survive a write and a read.
TEST(KeyTables, WrittenSettingsReadBackEqual) {
  Settings original = DefaultSettings();
  int n = 0;
  for (const auto& row : SettingsKeys()) {
    ++n;
    std::visit(
        [&](auto m) {
          using T = std::remove_reference_t<decltype(original.*m)>;
          if constexpr (std::is_same_v<T, bool>) original.*m = !(original.*m);
          else if constexpr (std::is_same_v<T, int>) original.*m = -n * 37;
          else if constexpr (std::is_same_v<T, std::string>) original.*m = "値 " + std::to_string(n);
          else if constexpr (std::is_same_v<T, Color>) original.*m = 0x00123456u + n;
          else original.*m = TimeOfDay{n % 24, n % 60, 0};
        },
        row.member);
  }
  Values values;
  WriteRows(SettingsKeys(), MapValues(values), original);
  Settings read{};
  ReadRows<Settings>(SettingsKeys(), MapValues(values), read,
                     [](const KeyRow<Settings>&) { return RowRead::Read; });
  for (const auto& row : SettingsKeys())
    EXPECT_EQ(ValueText(row, read), ValueText(row, original)) << row.key;
}

TEST(KeyTables, MissingAndUnreadableValuesGiveTheDefault) {
  Values values{{{"Settei", "cbHotkey"}, "yes"}, {{"Settei", "udKidouGyou"}, "12x"},
                {{"Settei", "edtKColor"}, "clPlaid"}, {{"Settei", "pTimer"}, "25:00"}};
  Settings s{};
  s.pTimer = {8, 30, 0};
  s.cbToday = true;
  ReadRows<Settings>(SettingsKeys(), MapValues(values), s,
                     [](const KeyRow<Settings>&) { return RowRead::Read; });
  EXPECT_TRUE(s.cbHotkey);
  EXPECT_EQ(s.udKidouGyou, 100);
  EXPECT_EQ(s.edtKColor, store::kClBlue);
  EXPECT_EQ(s.pTimer, (TimeOfDay{8, 30, 0}));  // no default: the current value stays
  EXPECT_TRUE(s.cbToday);
}

TEST(Intervals, BackupDaysByIndex) {
  const int expected[] = {0, 1, 3, 7, 15, 30};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(BackupIntervalDays(i), expected[i]);
  EXPECT_EQ(BackupIntervalDays(-1), 7);
  EXPECT_EQ(BackupIntervalDays(6), 7);
}

TEST(Intervals, TimeCheckMillisecondsByIndex) {
  const int expected[] = {1000, 2000, 3000, 4000, 5000, 7000, 10000, 20000, 30000, 60000};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(TimeCheckIntervalMs(i), expected[i]);
  EXPECT_EQ(TimeCheckIntervalMs(12), 10000);
  EXPECT_EQ(TimeCheckIntervalMs(-1), 10000);
}

}  // namespace
}  // namespace settings
