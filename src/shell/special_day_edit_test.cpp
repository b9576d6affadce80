#include "shell/special_day_edit.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "shell/edit_flows_testutil.h"
#include "shell/fakes_testutil.h"

namespace shell {
namespace {

using Lines = std::vector<std::string>;

class SpecialDayEditTest : public ::testing::Test {
 protected:
  SpecialDayEditTest() {
    folders.commonDataFolder = temp.path();
    days.SetSpecialDayList({"1990,,5,14,,,結婚記念日　（銀婚式まで）", ",,12,24,,,イブ"});
  }
  std::optional<std::string> File() { return fake.fs.ReadAll(temp / "Sday.kdf"); }

  platform::TempFolder temp;
  platform::FakeServices fake;
  store::Folders folders;
  calendar::DayClassifier days;
  FakeEditHost host;
  FakeDayEditor editor;
  SpecialDayEdit edit{fake.services, folders, host, editor, days};
};

TEST_F(SpecialDayEditTest, ThePageShowsTheDatesRuleAsTyped) {
  edit.Edit({2004, 5, 14});
  ASSERT_EQ(editor.specialDays.size(), 1u);
  EXPECT_EQ(editor.specialDays[0], (editors::SpecialDayPage{"結婚記念日 （銀婚式まで）", "1990", ""}));
  edit.Edit({2004, 5, 15});
  EXPECT_EQ(editor.specialDays[1], editors::SpecialDayPage{});
}

TEST_F(SpecialDayEditTest, ANewNameWithACommaAndABlankIsStoredAndSaved) {
  editor.Write(editors::SpecialDayPage{"誕生日, 太郎", "2000", " 2010 "});
  EXPECT_TRUE(edit.Edit({2004, 7, 3}));
  const Lines expected{"1990,,5,14,,,結婚記念日　（銀婚式まで）", ",,12,24,,,イブ",
                       "2000,2010,7,3,,,誕生日，　太郎"};
  EXPECT_EQ(days.SpecialDayList(), expected);
  EXPECT_EQ(File(), Cp932Lines(expected));
  EXPECT_EQ(host.log, (Lines{"SpecialDaysChanged"}));
  EXPECT_EQ(days.DayNames(2005, 7, 3), (std::vector<calendar::DayName>{{"誕生日，　太郎", true}}));
}

TEST_F(SpecialDayEditTest, AChangedYearReplacesTheLine) {
  editor.Write(editors::SpecialDayPage{"結婚記念日 （銀婚式まで）", "1990", "2015"});
  EXPECT_TRUE(edit.Edit({2004, 5, 14}));
  EXPECT_EQ(days.SpecialDayList(),
            (Lines{",,12,24,,,イブ", "1990,2015,5,14,,,結婚記念日　（銀婚式まで）"}));
}

TEST_F(SpecialDayEditTest, AClearedNameDeletesTheLine) {
  editor.Write(editors::SpecialDayPage{"  ", "", ""});
  EXPECT_TRUE(edit.Edit({2004, 12, 24}));
  EXPECT_EQ(days.SpecialDayList(), (Lines{"1990,,5,14,,,結婚記念日　（銀婚式まで）"}));
  EXPECT_EQ(File(), Cp932Lines({"1990,,5,14,,,結婚記念日　（銀婚式まで）"}));
}

TEST_F(SpecialDayEditTest, NothingChangedWritesNothing) {
  editor.Write(editors::SpecialDayPage{"イブ", "", ""});
  EXPECT_FALSE(edit.Edit({2004, 12, 24}));
  EXPECT_FALSE(edit.Edit({2004, 12, 24}));  // cancelled
  EXPECT_FALSE(File());
  EXPECT_TRUE(host.log.empty());
}

TEST_F(SpecialDayEditTest, AYearThatIsNoYearStoresNothing) {
  editor.Write(editors::SpecialDayPage{"イブ", "12345", ""});
  EXPECT_FALSE(edit.Edit({2004, 12, 24}));
  EXPECT_EQ(fake.dialogs.Texts(), (Lines{"表示年[ 12345 ]は、西暦の年ではありません。\r\n登録いたしません。"}));
  EXPECT_EQ(days.SpecialDayList().size(), 2u);
  EXPECT_FALSE(File());
}

TEST_F(SpecialDayEditTest, AFailedSaveIsReportedAndTheGridStillShowsTheEdit) {
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  editor.Write(editors::SpecialDayPage{"創立記念日", "", ""});
  EXPECT_TRUE(edit.Edit({2004, 10, 1}));
  EXPECT_EQ(fake.dialogs.Texts(), (Lines{"[ " + temp.path() + "Sday.kdf ]の書込に失敗しました。"}));
  EXPECT_EQ(days.SpecialDayList().size(), 3u);
}

struct YearCase {
  const char* text;
  std::optional<int> year;
};

class DisplayYearTest : public ::testing::TestWithParam<YearCase> {};

TEST_P(DisplayYearTest, DigitsOrBlank) {
  EXPECT_EQ(DisplayYearOfText(GetParam().text), GetParam().year);
}

INSTANTIATE_TEST_SUITE_P(Texts, DisplayYearTest,
                         ::testing::Values(YearCase{"", 0}, YearCase{"  ", 0}, YearCase{"1990", 1990},
                                           YearCase{" 0 ", 0}, YearCase{"9999", 9999},
                                           YearCase{"10000", std::nullopt}, YearCase{"-1", std::nullopt},
                                           YearCase{"１９９０", std::nullopt},
                                           YearCase{"19a0", std::nullopt}));

}  // namespace
}  // namespace shell
