#include "shell/switches.h"

#include <gtest/gtest.h>

#include "shell/instance.h"
#include "platform/doubles_testutil.h"

namespace shell {
namespace {

TEST(ParseSwitches, EachArgumentIsTestedOnItsOwnAndInAnyCase) {
  auto s = ParseSwitches({"/2", "/f", "/j05", "/d1C:\\tmp\\a.txt", "/D2C:\\dl\\setup.exe",
                          "/d3C:\\dl\\work\\", "/dn\\\\SV\\Velda\\"});
  EXPECT_TRUE(s.secondInstance);
  EXPECT_TRUE(s.networkFirstStart);
  EXPECT_EQ(s.residencySeconds, 5);
  EXPECT_EQ(s.deleteFile, "C:\\tmp\\a.txt");
  EXPECT_EQ(s.setupArchive, "C:\\dl\\setup.exe");
  EXPECT_EQ(s.setupWorkFolder, "C:\\dl\\work\\");
  EXPECT_EQ(s.netFolder, "\\\\SV\\Velda\\");
  EXPECT_TRUE(s.AnyCleanup());
}

TEST(ParseSwitches, NothingGivenArmsNothing) {
  auto s = ParseSwitches({});
  EXPECT_FALSE(s.secondInstance || s.networkFirstStart || s.AnyCleanup() || s.netFolder);
  EXPECT_EQ(s.residencySeconds, 0);
}

struct Countdown {
  const char* arg;
  int seconds;
};
class ResidencySwitch : public ::testing::TestWithParam<Countdown> {};

TEST_P(ResidencySwitch, ReadsTheTwoCharactersAfterTheSwitch) {
  EXPECT_EQ(ParseSwitches({GetParam().arg}).residencySeconds, GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Table, ResidencySwitch,
                         ::testing::Values(Countdown{"/J05", 5}, Countdown{"/J10", 10},
                                           Countdown{"/J5", 5}, Countdown{"/J", 0},
                                           Countdown{"/Jx", 0}, Countdown{"/J1x", 0},
                                           Countdown{"/J123", 12}));

TEST(ParseSwitches, PathsAreCutToTwoHundredFiftyBytesWithoutSplittingACharacter) {
  const std::string longPath(300, 'a');
  EXPECT_EQ(ParseSwitches({"/D1" + longPath}).deleteFile->size(), 250u);
  std::string japanese;
  for (int i = 0; i < 200; ++i) japanese += "楓";  // two CP932 bytes each
  EXPECT_EQ(*ParseSwitches({"/D2" + japanese}).setupArchive, japanese.substr(0, 125 * 3));
}

TEST(ParseSwitches, ShortOrUnknownArgumentsAreIgnored) {
  auto s = ParseSwitches({"", "/", "/D", "-2", "/X", "2"});
  EXPECT_FALSE(s.secondInstance || s.AnyCleanup() || s.netFolder);
}

// ---- the hand-over to a running instance --------------------------------

class ClaimStartTest : public ::testing::Test {
 protected:
  platform::TempFolder temp;
  platform::FakeServices fake;
  platform::Services& os = fake.services;
  void Running() { fake.shell.windows[{kMainWindowClass, kAppTitle}] = 42; }
  void Marker(const char* name) { fake.fs.WriteAtomic(temp / name, ""); }
};

TEST_F(ClaimStartTest, AloneStartsNormally) {
  EXPECT_TRUE(ClaimStart(os, {}, temp.path()));
  EXPECT_TRUE(fake.shell.posted.empty());
}

TEST_F(ClaimStartTest, SecondStartShowsTheFirstAndEndsSilently) {
  Running();
  EXPECT_FALSE(ClaimStart(os, {}, temp.path()));
  ASSERT_EQ(fake.shell.posted.size(), 1u);
  EXPECT_EQ(fake.shell.posted[0], std::make_pair(platform::WindowHandle{42}, 0x0500u));
  EXPECT_EQ(fake.shell.raised, std::vector<platform::WindowHandle>{42});
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(ClaimStartTest, SwitchTwoStartsASecondInstance) {
  Running();
  EXPECT_TRUE(ClaimStart(os, ParseSwitches({"/2"}), temp.path()));
  EXPECT_TRUE(fake.shell.posted.empty());
}

TEST_F(ClaimStartTest, ALocalCopyExplainsWhyNothingNewAppears) {
  Running();
  Marker("localfol.kdf");
  EXPECT_FALSE(ClaimStart(os, {}, temp.path()));
  ASSERT_EQ(fake.dialogs.shown.size(), 1u);
  EXPECT_EQ(fake.dialogs.shown[0].text,
            "すでに別の【楓帳】が起動しています。\r\n"
            "表示された【楓帳】を終了させてから、もう一度起動してください。");
}

TEST_F(ClaimStartTest, StartMarkerOrNetworkFirstStartKeepItSilent) {
  Running();
  Marker("localfol.kdf");
  EXPECT_FALSE(ClaimStart(os, ParseSwitches({"/F"}), temp.path()));
  Marker("Kidou.kdf");
  EXPECT_FALSE(ClaimStart(os, {}, temp.path()));
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

}  // namespace
}  // namespace shell
