#include "shell/day_copy.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/doubles_testutil.h"
#include "shell/edit_flows_testutil.h"
#include "shell/fakes_testutil.h"
#include "support/cp932.h"

namespace shell {
namespace {

using Lines = std::vector<std::string>;

const std::string kHeader = kDayCopyHeader;

class DayCopyTest : public ::testing::Test {
 protected:
  DayCopyTest() {
    host.months[1].lines = {host.months[1].lines[0], " 5,1,,会議，第二会議室,clRed,3,9:05:00,,12,",
                            "12,1,,歯医者,,,,,,", " 5,2,,昼食,,,,,,", " 5,3,,<H>秘密</H>,$000080FF,,,7,,"};
  }
  Lines Shown() const { return host.months[host.shown].lines; }
  std::vector<std::string> Messages() const { return fake.dialogs.Texts(); }

  platform::FakeServices fake;
  FakeEditHost host;
  DayCopy dayCopy{fake.services};
};

// ---- the clipboard text ------------------------------------------------------

TEST_F(DayCopyTest, TheTextIsTheHeaderAndTheDaysLinesUnchanged) {
  EXPECT_EQ(DayCopyText(host.months[1], {2004, 3, 5}),
            kHeader + "\r\n" + " 5,1,,会議，第二会議室,clRed,3,9:05:00,,12,\r\n" +
                " 5,2,,昼食,,,,,,\r\n" + " 5,3,,<H>秘密</H>,$000080FF,,,7,,\r\n");
}

TEST_F(DayCopyTest, NothingIsCopiedFromADayWithoutText) {
  host.months[1].lines.push_back(" 9,1,,,clRed,,,,,");
  EXPECT_FALSE(DayCopyText(host.months[1], {2004, 3, 9}));   // entries without text
  EXPECT_FALSE(DayCopyText(host.months[1], {2004, 3, 20}));  // no entries
  EXPECT_FALSE(DayCopyText(host.months[1], {2004, 4, 5}));   // another month's slot
  fake.clipboard.text = "前のテキスト";
  EXPECT_FALSE(dayCopy.Copy(host, {2004, 3, 9}));
  EXPECT_EQ(fake.clipboard.text, "前のテキスト");
  EXPECT_FALSE(dayCopy.pending());
}

TEST_F(DayCopyTest, TheMonthMemoAndTheHeaderAreNoDay) {
  host.months[1].lines.push_back("77,1,,メモ,clBlack,,,,,");
  EXPECT_EQ(DayCopyText(host.months[1], {2004, 3, 12}), kHeader + "\r\n12,1,,歯医者,,,,,,\r\n");
}

// ---- reading it back -----------------------------------------------------------

struct ParseCase {
  const char* name;
  std::optional<std::string> text;
  PasteRefusal refusal;
  Lines lines;
};

class ParseDayCopyTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDayCopyTest, LinesForTheTargetDay) {
  const PastedLines pasted = ParseDayCopy(GetParam().text, 9);
  EXPECT_EQ(pasted.refusal, GetParam().refusal);
  EXPECT_EQ(pasted.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDayCopyTest,
    ::testing::Values(
        ParseCase{"NoText", std::nullopt, PasteRefusal::NoText, {}},
        ParseCase{"Empty", "", PasteRefusal::NoData, {}},
        ParseCase{"Foreign", "明日の会議\r\n 5,1,,会議,,,,,,\r\n", PasteRefusal::NotDayCopy, {}},
        ParseCase{"HeaderWithBlank", kHeader + " \r\n 5,1,,a,,,,,,\r\n", PasteRefusal::NotDayCopy, {}},
        ParseCase{"HeaderAlone", kHeader + "\r\n", PasteRefusal::ConversionError, {}},
        ParseCase{"ShortLine", kHeader + "\r\n 5,1,,a,,,,,,\r\n 5,2,,b,,,\r\n",
                  PasteRefusal::ConversionError, {}},
        ParseCase{"BlankLine", kHeader + "\r\n 5,1,,a,,,,,,\r\n\r\n", PasteRefusal::ConversionError, {}},
        ParseCase{"Fields",
                  kHeader + "\r\n 5,1,x,会議，第二,clRed,3,9:05:00,4,12,rest,more\r\n",
                  PasteRefusal::None,
                  {" 9,1,,会議，第二,clRed,3,9:05:00,4,12,"}},
        ParseCase{"PositionNoNumber", kHeader + "\r\n 5,a,,x,,,,,,\r\n", PasteRefusal::None,
                  {" 9,0,,x,,,,,,"}},
        ParseCase{"NineFieldsEnough", kHeader + "\n 5,2,,x,,,,,", PasteRefusal::None, {" 9,2,,x,,,,,,"}},
        ParseCase{"LfAndCrEnds", kHeader + "\n 5,1,,a,,,,,,\r 5,2,,b,,,,,,", PasteRefusal::None,
                  {" 9,1,,a,,,,,,", " 9,2,,b,,,,,,"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- copy and paste ----------------------------------------------------------------

TEST_F(DayCopyTest, ThreeEntriesPastedOntoADayWithOneLeaveFourTheOldOneFirst) {
  ASSERT_TRUE(dayCopy.Copy(host, {2004, 3, 5}));
  EXPECT_TRUE(dayCopy.pending());
  EXPECT_TRUE(dayCopy.Paste(host, {2004, 3, 12}));
  const Lines lines = Shown();
  EXPECT_EQ(Lines(lines.begin() + 5, lines.end()),
            (Lines{"12,1,,会議，第二会議室,clRed,3,9:05:00,,12,", "12,2,,昼食,,,,,,",
                   "12,3,,<H>秘密</H>,$000080FF,,,7,,"}));
  EXPECT_EQ(lines[2], "12,1,,歯医者,,,,,,");
  EXPECT_EQ(host.log, (Lines{"Commit 1"}));  // on disk at once
  EXPECT_TRUE(dayCopy.pending());                 // the same copy may be pasted again
}

TEST_F(DayCopyTest, PastingOntoTheSameDayDuplicatesItsEntries) {
  dayCopy.Copy(host, {2004, 3, 12});
  dayCopy.Paste(host, {2004, 3, 12});
  dayCopy.Paste(host, {2004, 3, 12});
  const Lines lines = Shown();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "12,1,,歯医者,,,,,,"), 3);
}

TEST_F(DayCopyTest, ACopyCarriesNoPeriods) {
  host.periods.lines.push_back("2004, 3, 1,M,2004, 3,31,E,2004, 3,15,1,clBlue,出張,PC01,,,,,");
  dayCopy.Copy(host, {2004, 3, 12});
  EXPECT_EQ(fake.clipboard.text, kHeader + "\r\n12,1,,歯医者,,,,,,\r\n");
}

struct RefusedCase {
  const char* name;
  std::optional<std::string> clipboard;
  const char* message;
};

class PasteRefusedTest : public DayCopyTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(PasteRefusedTest, ShowsWhyDropsThePasteItemAndLeavesTheMonth) {
  dayCopy.Copy(host, {2004, 3, 5});
  fake.clipboard.text = GetParam().clipboard;
  const Lines before = Shown();
  EXPECT_FALSE(dayCopy.Paste(host, {2004, 3, 20}));
  EXPECT_EQ(Messages(), (Lines{GetParam().message}));
  EXPECT_FALSE(dayCopy.pending());
  EXPECT_EQ(Shown(), before);
  EXPECT_TRUE(host.log.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Clipboards, PasteRefusedTest,
    ::testing::Values(
        RefusedCase{"NoText", std::nullopt, "クリップボードに、テキストデータがありません。"},
        RefusedCase{"NoLines", "", "クリップボードに、データがありません。"},
        RefusedCase{"AnotherProgramsText", "別のプログラムのテキスト",
                    "クリップボードのデータは、貼り付けに適するデータではありません。\r\nこの貼付は中止いたします。"},
        RefusedCase{"HeaderAlone", kHeader + "\r\n",
                    "クリップボードのデータ変換エラー。\r\nこの貼付は中止いたします。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DayCopyTest, ADayOfAMonthTheSlotDoesNotHoldIsLeftAlone) {
  dayCopy.Copy(host, {2004, 3, 5});
  const Lines before = Shown();
  EXPECT_FALSE(dayCopy.Paste(host, {2004, 4, 5}));
  EXPECT_EQ(Shown(), before);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DayCopyTest, ThePasteIntoTheExtraSlotIsWrittenAtOnce) {
  dayCopy.Copy(host, {2004, 3, 5});
  host.shown = kExtraSlot;
  host.SetMonth(kExtraSlot, 2030, 5);
  EXPECT_TRUE(dayCopy.Paste(host, {2030, 5, 1}));
  EXPECT_EQ(host.log, (Lines{"Commit 5"}));
  EXPECT_EQ(Shown().back(), " 1,3,,<H>秘密</H>,$000080FF,,,7,,");
  host.log.clear();
  host.network = true;  // network mode writes the extra slot itself
  EXPECT_TRUE(dayCopy.Paste(host, {2030, 5, 2}));
  EXPECT_EQ(host.log, (Lines{"Commit 5", "SaveMonth 5"}));
}

TEST_F(DayCopyTest, ForgetTakesOnlyOurCopyOffTheClipboard) {
  dayCopy.Forget();  // no copy yet: the clipboard is not ours to touch
  fake.clipboard.text = kHeader + "\r\n 1,1,,a,,,,,,\r\n";
  dayCopy.Forget();
  EXPECT_EQ(fake.clipboard.text, kHeader + "\r\n 1,1,,a,,,,,,\r\n");
  dayCopy.Copy(host, {2004, 3, 5});
  dayCopy.Forget();
  EXPECT_EQ(fake.clipboard.text, "");
  EXPECT_FALSE(dayCopy.pending());
}

// ---- through the month cycle ----------------------------------------------------

class NoSaveHost : public CycleHost {
 public:
  bool SaveAll() override { return true; }
  void NetworkFolderLost() override {}
};

TEST(DayCopyCycle, APasteIntoAMonthOutsideTheWindowReachesItsFile) {
  platform::TempFolder temp;
  platform::FakeServices fake;
  store::Folders folders;
  folders.programFolder = folders.dataRoot = folders.dataFolder = folders.commonDataFolder = temp.path();
  store::NetworkLink network;
  FakeShellView view;
  NoSaveHost cycleHost;
  MonthCycle cycle{fake.services, folders, network, view, cycleHost};
  CycleEditHost host{fake.services, folders, cycle, network, view};
  cycle.BuildWindow({2005, 1, 15});
  cycle.ReloadAll();
  cycle.slot(1).data.lines.push_back("20,1,,成人式,clRed,,,,,");

  DayCopy dayCopy{fake.services};
  ASSERT_TRUE(dayCopy.Copy(host, {2005, 1, 20}));
  cycle.GoToMonth("203001");
  ASSERT_TRUE(dayCopy.Paste(host, {2030, 1, 14}));
  const auto bytes = fake.fs.ReadAll(temp / store::MonthFileName(2030, 1));
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, Cp932Lines({store::MonthHeader(2030, 1, "Data\\Files1\\"), "14,1,,成人式,clRed,,,,,"}));
}

}  // namespace
}  // namespace shell
