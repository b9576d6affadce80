#include "editors/search_listing.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "support/cp932.h"
#include "support/ini.h"
#include "support/text.h"

namespace editors {
namespace {

using Lines = std::vector<std::string>;

Lines ListingOf(YearMonth ym, const Lines& file) {
  Lines out;
  AppendMonthListing(ym, file, out);
  return out;
}

TEST(SearchListing, MonthMemoFirstThenDaysDownwards) {
  Lines file = {" 0,0,9,2004/ 3 [Data\\Files1\\]", " 3,1,,ひな祭り,,,,,,", "77,1,,月末に支払い,clBlack,,,,,",
                "15,1,,歯医者,,,9:30:00,,,", "77,2,,家賃,clBlack,,,,,"};
  Lines expected = {"", "[ 2004年 3月 ]", "  月末に支払い", "  家賃", "",
                    "2004年 3月15日(月) 歯医者", "", "2004年 3月 3日(水) ひな祭り"};
  EXPECT_EQ(ListingOf({2004, 3}, file), expected);
}

TEST(SearchListing, FurtherEntriesOfADayLineUpUnderTheFirst) {
  Lines listing = ListingOf({2026, 12}, {" 8,1,,会議，第二会議室,clRed,,,,,", " 8,2,,昼食,,,,,,"});
  ASSERT_EQ(listing.size(), 3u);
  EXPECT_EQ(listing[1], "2026年12月 8日(火) 会議，第二会議室");
  EXPECT_EQ(listing[2], std::string(19, ' ') + "昼食");
  EXPECT_EQ(support::Cp932Length(DayHeading({2026, 12}, 8)), 19u);
}

// Names and dates the listing cannot read still list their lines.
TEST(SearchListing, DatesThatDoNotExistShowAQuestionMark) {
  EXPECT_EQ(DayHeading({-1, -1}, 5), "-1年-1月 5日(？) ");
  EXPECT_EQ(DayHeading({2023, 2}, 29), "2023年 2月29日(？) ");
  EXPECT_EQ(DayHeading({1582, 10}, 10), "1582年10月10日(？) ");  // dropped by the reform
  EXPECT_EQ(DayHeading({2024, 2}, 29), "2024年 2月29日(木) ");
  EXPECT_EQ(MonthMemoHeading({-1, -1}), "[ -1年-1月 ]");
}

TEST(SearchListing, YearAndMonthFromTheName) {
  EXPECT_EQ(YearMonthOfFileName("Ca200403.kdf"), (YearMonth{2004, 3}));
  EXPECT_EQ(YearMonthOfFileName("CA199912.KDF"), (YearMonth{1999, 12}));
  EXPECT_EQ(YearMonthOfFileName("Memo.kdf"), (YearMonth{-1, -1}));
  EXPECT_EQ(YearMonthOfFileName("Ca2004.kdf"), (YearMonth{2004, -1}));
  EXPECT_EQ(YearMonthOfFileName("x"), (YearMonth{-1, -1}));
}

TEST(SearchListing, LinesWithoutADayOrTextAreSkippedOrListedEmpty) {
  Lines file = {"", "garbage without commas", "5", "31,1", "77", ",,,text", "40,1,,never,,,,,,",
                std::string("\x01\xFF,\x80", 4)};
  Lines expected = {"", "[ 2004年 4月 ]", "  ", "", "2004年 4月31日(？) ", "", "2004年 4月 5日(月) "};
  EXPECT_EQ(ListingOf({2004, 4}, file), expected);
}

class SearchListingFiles : public testing::Test {
 protected:
  void Write(const std::string& name, const Lines& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += support::Utf8ToCp932(line) + "\r\n";
    ASSERT_TRUE(fake.fs.WriteAtomic(folder.path() + name, bytes));
  }
  platform::FakeServices fake;
  platform::TempFolder folder;
};

TEST_F(SearchListingFiles, NewestMonthFirstWithoutThePeriodFileAndFolders) {
  Write("Ca200312.kdf", {"24,1,,イブ"});
  Write("Ca200401.kdf", {" 1,1,,元日"});
  Write("CaFromTo.kdf", {"never listed"});
  Write("cafromto.kdf", {});
  Write("Notes.txt", {" 1,1,,not a month file"});
  Write("Stray.kdf", {" 2,1,,stray"});
  ASSERT_TRUE(fake.fs.CreateFolder(folder.path() + "Ca209901.kdf"));
  EXPECT_EQ(ListingFileNames(fake.fs, folder.path()),
            (Lines{"Stray.kdf", "Ca200401.kdf", "Ca200312.kdf"}));

  std::vector<std::pair<int, int>> progress;
  SearchListing listing = BuildSearchListing(
      fake.services, folder.path(), [&](int done, int total) { progress.push_back({done, total}); });
  Lines expected = {"", "-1年-1月 2日(？) stray", "", "2004年 1月 1日(木) 元日", "",
                    "2003年12月24日(水) イブ"};
  EXPECT_EQ(listing.lines, expected);
  EXPECT_TRUE(listing.unreadable.empty());
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST_F(SearchListingFiles, AFileThatCannotBeReadIsNamedAndTheRestListed) {
  Write("Ca200401.kdf", {" 1,1,,元日"});
  Write("Ca200402.kdf", {" 3,1,,節分"});
  fake.fs.Fail(platform::FailingFileSystem::Op::ReadAll, 5);  // every try of the first file
  SearchListing listing = BuildSearchListing(fake.services, folder.path());
  EXPECT_EQ(listing.unreadable, Lines{"Ca200402.kdf"});
  EXPECT_EQ(listing.lines, (Lines{"", "2004年 1月 1日(木) 元日"}));
}

TEST_F(SearchListingFiles, AMissingFolderGivesAnEmptyListing) {
  SearchListing listing = BuildSearchListing(fake.services, folder.path() + "none/");
  EXPECT_TRUE(listing.lines.empty());
}

struct AgeCase {
  platform::DateTime written;
  platform::DateTime now;
  SearchDataAge age;
};
class SearchDataAgeTest : public testing::TestWithParam<AgeCase> {};

TEST_P(SearchDataAgeTest, ThirtyDaysOnRoundedDates) {
  EXPECT_EQ(SearchDataAgeOf(GetParam().written, GetParam().now), GetParam().age);
}

INSTANTIATE_TEST_SUITE_P(
    Days, SearchDataAgeTest,
    testing::Values(AgeCase{{2026, 11, 8, 9, 0, 0, 0}, {2026, 12, 8, 9, 0, 0, 0}, SearchDataAge::Fresh},
                    AgeCase{{2026, 11, 7, 9, 0, 0, 0}, {2026, 12, 8, 9, 0, 0, 0}, SearchDataAge::Old},
                    // 30 days and 2 hours, but the noon rounds today on.
                    AgeCase{{2026, 11, 8, 11, 0, 0, 0}, {2026, 12, 8, 13, 0, 0, 0}, SearchDataAge::Old},
                    AgeCase{{2026, 11, 7, 12, 0, 0, 0}, {2026, 12, 8, 11, 0, 0, 0}, SearchDataAge::Fresh},
                    AgeCase{{2026, 12, 31, 9, 0, 0, 0}, {2026, 12, 8, 9, 0, 0, 0}, SearchDataAge::Fresh},
                    AgeCase{{2026, 2, 10, 9, 0, 0, 0}, {2026, 3, 12, 9, 0, 0, 0}, SearchDataAge::Fresh}));

TEST(SearchDataAge, MissingFile) {
  EXPECT_EQ(SearchDataAgeOf(std::nullopt, {2026, 12, 8}), SearchDataAge::Missing);
}

TEST(SearchHistory, MovesAWordToTheTopAndKeepsTwentyOne) {
  std::vector<std::string> history;
  for (int i = 1; i <= 25; ++i) RememberSearchWord(history, "w" + std::to_string(i));
  ASSERT_EQ(history.size(), 21u);
  EXPECT_EQ(history.front(), "w25");
  EXPECT_EQ(history.back(), "w5");
  RememberSearchWord(history, "w10");
  EXPECT_EQ(history.size(), 21u);
  EXPECT_EQ(history[0], "w10");
  EXPECT_EQ(history[1], "w25");
  RememberSearchWord(history, "  ");
  EXPECT_EQ(history[0], "w10");
}

TEST(SearchHistory, SurvivesTheSettingsFile) {
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"会議 室"}, std::vector<std::string>{"歯医者", "a,b", "\"引用\"", "会議 室"},
        std::vector<std::string>{}}) {
    support::IniText ini;
    WriteSearchHistory(ini, words);
    support::IniText reread = support::IniText::FromText(ini.ToText());
    EXPECT_EQ(ReadSearchHistory(reread), words) << ini.ToText();
  }
}

TEST(SearchHistory, OnlyTwentyOneAreWrittenAndRead) {
  std::vector<std::string> words;
  for (int i = 0; i < 30; ++i) words.push_back(std::to_string(i));
  support::IniText ini;
  WriteSearchHistory(ini, words);
  EXPECT_EQ(ReadSearchHistory(ini).size(), 21u);
  ini.WriteString("Kensaku", "vItems", support::Join(words, ","));
  EXPECT_EQ(ReadSearchHistory(ini).size(), 21u);
}

TEST(ListingDateAt, FindsTheHeadingOfAnyLineOfAGroup) {
  Lines listing = {"", "[ 2004年 3月 ]", "  支払い", "", "2004年 3月15日(月) 歯医者",
                   std::string(19, ' ') + "会議", "", "-1年-1月 2日(？) x"};
  EXPECT_EQ(ListingDateAt(listing, 2), (ListingDate{2004, 3, 0}));
  EXPECT_EQ(ListingDateAt(listing, 1), (ListingDate{2004, 3, 0}));
  EXPECT_EQ(ListingDateAt(listing, 5), (ListingDate{2004, 3, 15}));
  EXPECT_EQ(ListingDateAt(listing, 4), (ListingDate{2004, 3, 15}));
  EXPECT_FALSE(ListingDateAt(listing, 3));
  EXPECT_FALSE(ListingDateAt(listing, 7));
  EXPECT_FALSE(ListingDateAt(listing, 8));
  EXPECT_FALSE(ListingDateAt({"自由に書いた行"}, 0));
}

}  // namespace
}  // namespace editors
