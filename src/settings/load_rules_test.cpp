#include "settings/load_rules.h"

#include <gtest/gtest.h>

#include <map>

namespace settings {
namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

// An INI text as a map of (section, key) to value.
class FakeIni {
 public:
  explicit FakeIni(Values values = {}) : values_(std::move(values)) {}
  IniValues Access() {
    return {[this](std::string_view s, std::string_view k) -> std::optional<std::string> {
              auto it = values_.find({std::string(s), std::string(k)});
              if (it == values_.end()) return std::nullopt;
              return it->second;
            },
            [this](std::string_view s, std::string_view k, const std::string& v) {
              values_[{std::string(s), std::string(k)}] = v;
            }};
  }

 private:
  Values values_;
};

constexpr ReadConditions kDesktop{1040, false, false, 6};

Settings Read(Values values, ReadConditions conditions = kDesktop, Settings s = {}) {
  FakeIni ini(std::move(values));
  ReadSettings(ini.Access(), conditions, s);
  return s;
}

struct RowsCase {
  const char* stored;  // nullptr: key missing
  int screenHeight;
  int rows;
  int sizeNo;
};

class CalendarRowsTest : public testing::TestWithParam<RowsCase> {};

TEST_P(CalendarRowsTest, ValidRowsOnlyAndThreeOnASmallScreen) {
  const auto& c = GetParam();
  Values values;
  if (c.stored) values[{"Settei", "vCalGyou"}] = c.stored;
  ReadConditions conditions = kDesktop;
  conditions.workAreaHeight = c.screenHeight;
  Settings s = Read(values, conditions);
  EXPECT_EQ(s.vCalGyou, c.rows);
  EXPECT_EQ(s.vSizeNo, c.sizeNo);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, CalendarRowsTest,
    testing::Values(RowsCase{nullptr, 1040, 5, 4}, RowsCase{"7", 1040, 4, 4},
                    RowsCase{"26", 1040, 26, 4}, RowsCase{"14", 1040, 14, 4},
                    RowsCase{"0", 1040, 4, 4}, RowsCase{"six", 1040, 5, 4},
                    RowsCase{"6", 600, 3, 3}, RowsCase{"6", 609, 3, 3},
                    RowsCase{"6", 610, 6, 4}, RowsCase{nullptr, 600, 3, 3}));

TEST(ReadSettings, MissingFileGivesEveryDefault) {
  Settings s = Read({});
  Settings expected = DefaultSettings();
  for (const auto& row : SettingsKeys())
    EXPECT_EQ(ValueText(row, s), ValueText(row, expected)) << row.key;
}

TEST(ReadSettings, TimerKeysAreReadOnlyWithTheTimerFunction) {
  Values values{{{"Settei", "cbTimerNo"}, "2"}, {{"Settei", "pTimer"}, "7:45"},
                {{"Settei", "pTimerBf"}, "5"}};
  Settings before{};
  before.pTimer = {12, 0, 0};  // the clock's time, set by the caller

  Settings on = Read(values, kDesktop, before);
  EXPECT_EQ(on.cbTimerNo, 2);
  EXPECT_EQ(on.pTimer, (TimeOfDay{7, 45, 0}));
  EXPECT_EQ(on.pTimerBf, 5);

  values[{"Settei", "cbJigen"}] = "0";
  Settings off = Read(values, kDesktop, before);
  EXPECT_EQ(off.cbTimerNo, 6);
  EXPECT_EQ(off.pTimer, (TimeOfDay{12, 0, 0}));
  EXPECT_EQ(off.pTimerBf, 3);
}

TEST(ReadSettings, TimerIndexTwelveMeansTenSeconds) {
  Settings s = Read({{{"Settei", "cbTimerNo"}, "12"}});
  EXPECT_EQ(s.cbTimerNo, 12);
  EXPECT_EQ(TimeCheckIntervalMs(s.cbTimerNo), 10000);
}

TEST(ReadSettings, NetworkKeysSetByStartUpStay) {
  Values values{{{"Settei", "edtNetFolder"}, "\\\\old\\share\\"}, {{"Settei", "cbNet"}, "0"},
                {{"Settei", "rbNetKoushin"}, "1"}, {{"Settei", "vNet_flg"}, "1"}};
  Settings startup{};
  startup.edtNetFolder = "\\\\new\\share\\";
  startup.cbNet = true;
  startup.rbNetKoushin = 2;
  ReadConditions conditions = kDesktop;
  conditions.netFolderSetByStartup = true;
  Settings s = Read(values, conditions, startup);
  EXPECT_EQ(s.edtNetFolder, "\\\\new\\share\\");
  EXPECT_TRUE(s.cbNet);
  EXPECT_EQ(s.rbNetKoushin, 2);
  EXPECT_TRUE(s.vNet_flg);

  Settings fromFile = Read(values, kDesktop, startup);
  EXPECT_EQ(fromFile.edtNetFolder, "\\\\old\\share\\");
  EXPECT_FALSE(fromFile.cbNet);
}

TEST(ReadSettings, WorkingFolderSwitchIsReadOnlyOnANetworkDrive) {
  Values values{{{"Settei", "cbLNetf"}, "1"}};
  EXPECT_FALSE(Read(values).cbLNetf);
  ReadConditions network = kDesktop;
  network.onNetworkDrive = true;
  EXPECT_TRUE(Read(values, network).cbLNetf);
}

TEST(ReadSettings, ForcedValues) {
  Values values{{{"Settei", "cbMonthBtn"}, "1"}, {{"Settei", "cbToday"}, "1"},
                {{"Set2", "UseFolNo"}, "3"}};
  Settings s = Read(values);
  EXPECT_FALSE(s.cbMonthBtn);
  EXPECT_TRUE(s.cbToday);
  EXPECT_EQ(s.UseFolNo, 1);  // every start begins with Files1

  for (int shell : {0, 4}) {
    ReadConditions old = kDesktop;
    old.shellMajorVersion = shell;
    EXPECT_FALSE(Read(values, old).cbToday) << shell;
  }
}

TEST(ReadSettings, CloseButtonModeTurnsHotkeysOff) {
  Settings s = Read({{{"Settei", "cbCloseBtn"}, "1"}, {{"Settei", "cbHotkey"}, "1"}});
  EXPECT_TRUE(s.cbHotkey);  // the choice itself is kept for later
  EXPECT_FALSE(HotkeysOn(s));
  EXPECT_TRUE(HotkeysOn(Read({{{"Settei", "cbHotkey"}, "1"}})));
}

struct PlaceCase {
  const char* name;
  int hyoujiIchi;
  bool allowOutside;
  int left, top;
  bool centred;
};

class PlaceMainWindowTest : public testing::TestWithParam<PlaceCase> {};

// Work area 0,0 - 1000,800; window 400 x 300.
TEST_P(PlaceMainWindowTest, Decides) {
  const auto& c = GetParam();
  Settings s{};
  s.HyoujiIchi = c.hyoujiIchi;
  s.cbNotMannaka = c.allowOutside;
  s.fmC21Left = c.left;
  s.fmC21Top = c.top;
  WindowPlacement p = PlaceMainWindow(s, {0, 0, 1000, 800}, 400, 300);
  EXPECT_EQ(p.centred, c.centred) << c.name;
  if (c.centred) {
    EXPECT_EQ(p.left, 300) << c.name;
    EXPECT_EQ(p.top, 250) << c.name;
  } else {
    EXPECT_EQ(p.left, c.left) << c.name;
    EXPECT_EQ(p.top, c.top) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PlaceMainWindowTest,
    testing::Values(PlaceCase{"centre chosen", 0, false, 10, 10, true},
                    PlaceCase{"exit position", 1, false, 10, 20, false},
                    PlaceCase{"middle on the bottom edge", 1, false, 0, 650, false},
                    PlaceCase{"middle below", 1, false, 0, 651, true},
                    PlaceCase{"middle on the right edge", 1, false, 800, 0, false},
                    PlaceCase{"middle right of it", 1, false, 801, 0, true},
                    PlaceCase{"above", 1, false, 0, -1, true},
                    PlaceCase{"left of it", 1, false, -1, 0, true},
                    PlaceCase{"outside allowed", 1, true, -200, 700, false}));

}  // namespace
}  // namespace settings
