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
