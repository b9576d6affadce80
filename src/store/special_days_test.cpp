#include "store/special_days.h"

#include <gtest/gtest.h>

#include "store/store_test_fixture.h"

namespace store {
namespace {

using Op = platform::FailingFileSystem::Op;
using Lines = std::vector<std::string>;

class SpecialDays : public StoreTest {
 protected:
  calendar::DayClassifier days;
};

TEST_F(SpecialDays, AMissingFileChangesNothing) {
  days.SetSpecialDayList({"1,1,元日"});
  EXPECT_TRUE(LoadHolidayFile(fake.services, days, dir / "Hday.dat"));
  EXPECT_TRUE(LoadSpecialDayFile(fake.services, days, dir.path()));
  EXPECT_EQ(days.SpecialDayList(), Lines{"1,1,元日"});
  EXPECT_TRUE(Texts().empty());
}

TEST_F(SpecialDays, LoadedLinesBecomeTheRules) {
  Put("Hday.dat", "5,3,\x8C\x9B\x96\x40\x8B\x4C\x94\x4F\x93\xFA\r\n");
  Put("Sday.kdf", ",,5,14,,,\x8B\x4C\x94\x4F\x93\xFA");
  EXPECT_TRUE(LoadHolidayFile(fake.services, days, dir / "Hday.dat"));
  EXPECT_TRUE(LoadSpecialDayFile(fake.services, days, dir.path()));
  EXPECT_EQ(days.HolidayList(), Lines{"5,3,憲法記念日"});
  EXPECT_EQ(days.SpecialDayList(), Lines{",,5,14,,,記念日"});
  EXPECT_FALSE(days.HolidayRules().empty());
  EXPECT_FALSE(days.SpecialDayRules().empty());
}

TEST_F(SpecialDays, ABadRuleIsToldAndTheRulesBeforeItStay) {
  Put("Hday.dat", "1,1,a\r\nx,2,b\r\n3,3,c\r\n");
  EXPECT_FALSE(LoadHolidayFile(fake.services, days, dir / "Hday.dat"));
  EXPECT_EQ(Texts(), Lines{"祭日ファイル読込ミス\r\n処理は続けます。"});
  EXPECT_EQ(days.HolidayRules().size(), 1u);
}

TEST_F(SpecialDays, AnUnreadableFileIsToldTwice) {
  Put("Sday.kdf", "1,1,a\r\n");
  fake.fs.Fail(Op::ReadAll, 5);
  EXPECT_FALSE(LoadSpecialDayFile(fake.services, days, dir.path()));
  EXPECT_EQ(Texts(), (Lines{"読込エラー[" + dir.path() + "Sday.kdf]",
                           "スペシャルDayファイル読込ミス\r\n処理は続けます。"}));
  EXPECT_TRUE(days.SpecialDayList().empty());
}

// One edit after a failed read used to write that one line over every
// commemoration day of the file.
TEST_F(SpecialDays, AFileThatCouldNotBeReadIsNeverWrittenOver) {
  Put("Sday.kdf", ",,1,2,,,a\r\n,,3,4,,,b\r\n");
  RuleFileCopy copy;
  fake.fs.Fail(Op::ReadAll, 5);
  LoadSpecialDayFile(fake.services, days, dir.path(), &copy);
  EXPECT_TRUE(copy.unread);
  EXPECT_FALSE(SaveSpecialDays(env, {",,5,14,,,new"}, &copy));
  EXPECT_EQ(Get("Sday.kdf"), ",,1,2,,,a\r\n,,3,4,,,b\r\n");
  EXPECT_EQ(Texts().back(), "[ " + dir.path() + "Sday.kdf ]が読み込めていないため、\r\n"
                            "ファイルを守るため記念日は保存しません。");
  LoadSpecialDayFile(fake.services, days, dir.path(), &copy);  // readable again
  EXPECT_FALSE(copy.unread);
  EXPECT_TRUE(SaveSpecialDays(env, days.SpecialDayList(), &copy));
}

TEST(FindSpecialDay, TheFirstSevenFieldLineOfTheDay) {
  Lines lines{"5,14,three fields", "1990,,5,15,,,other day", "1990,2000,5,14,,,first",
              ",,5,14,,,second"};
  auto found = FindSpecialDay(lines, 5, 14);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->fromYear, 1990);
  EXPECT_EQ(found->toYear, 2000);
  EXPECT_EQ(found->name, "first");
  EXPECT_EQ(found->index, 2);
  EXPECT_FALSE(FindSpecialDay(lines, 6, 14));
  EXPECT_EQ(FindSpecialDay({",,5,14,,,x"}, 5, 14)->fromYear, 0);
}

TEST(SpecialDayEdit, ANameWithCommaAndBlankComesBackTheSame) {
  Lines lines{"1,1,元日"};
  SpecialDayEdit edit{" 記念日 1,000 回目 ", 1990, 0};
  EXPECT_TRUE(ApplySpecialDayEdit(lines, std::nullopt, 5, 14, edit));
  EXPECT_EQ(lines, (Lines{"1,1,元日", "1990,,5,14,,,記念日　1，000　回目"}));
  auto found = FindSpecialDay(lines, 5, 14);
  ASSERT_TRUE(found);
  EXPECT_EQ(SpecialDayNameShown(found->name), "記念日 1,000 回目");
  // A "，" between letters stays as stored, like a typed one.
  EXPECT_EQ(SpecialDayNameShown("A，B"), "A，B");
}

// Every name must read back as typed, or its day could never be found,
// edited or deleted again (and a second edit would add a duplicate).
TEST(SpecialDayEdit, EveryNameReadsBackAsTyped) {
  for (const std::string typed : {"\"引用\"の日", "\"", "タブ\tの日", "a\"b", "\"\"二重"}) {
    std::vector<std::string> lines;
    ASSERT_TRUE(ApplySpecialDayEdit(lines, std::nullopt, 6, 1, {typed, 0, 0})) << typed;
    const auto found = FindSpecialDay(lines, 6, 1);
    ASSERT_TRUE(found) << lines[0];
    std::string expected = typed;
    for (auto at = expected.find('\t'); at != std::string::npos; at = expected.find('\t')) expected[at] = ' ';
    EXPECT_EQ(SpecialDayNameShown(found->name), expected) << lines[0];
    EXPECT_FALSE(ApplySpecialDayEdit(lines, found, 6, 1, {expected, 0, 0})) << "unchanged: " << lines[0];
    calendar::DayClassifier days;
    days.SetSpecialDayList(lines);
    ASSERT_EQ(days.DayNames(2024, 6, 1).size(), 1u) << lines[0];
  }
}

TEST(SpecialDayEdit, OnlyAChangeIsWrittenAndABlankNameDeletes) {
  Lines lines{"a", "1990,2000,5,14,,,記念　日"};
  auto found = FindSpecialDay(lines, 5, 14);
  ASSERT_TRUE(found);
  EXPECT_FALSE(ApplySpecialDayEdit(lines, found, 5, 14, {"記念 日", 1990, 2000}));
  EXPECT_TRUE(ApplySpecialDayEdit(lines, found, 5, 14, {"記念 日", 1990, 2001}));
  EXPECT_EQ(lines, (Lines{"a", "1990,2001,5,14,,,記念　日"}));
  found = FindSpecialDay(lines, 5, 14);
  EXPECT_TRUE(ApplySpecialDayEdit(lines, found, 5, 14, {"　 ", 1990, 2001}));
  EXPECT_EQ(lines, Lines{"a"});
}

TEST_F(SpecialDays, SavingWritesTheCommonFolderOrTellsTheFailure) {
  EXPECT_TRUE(SaveSpecialDays(env, {",,5,14,,,記念日"}));
  EXPECT_EQ(Get("Sday.kdf"), ",,5,14,,,\x8B\x4C\x94\x4F\x93\xFA\r\n");
  fake.fs.Fail(Op::WriteAtomic, 5);
  EXPECT_FALSE(SaveSpecialDays(env, {"new"}));
  EXPECT_EQ(Texts(), Lines{"[ " + dir.path() + "Sday.kdf ]の書込に失敗しました。"});
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>(4, 500)));
  EXPECT_EQ(Get("Sday.kdf"), ",,5,14,,,\x8B\x4C\x94\x4F\x93\xFA\r\n");
}

}  // namespace
}  // namespace store
