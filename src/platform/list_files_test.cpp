#include "platform/list_files.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "support/paths.h"

namespace platform {
namespace {

struct SplitCase {
  std::string bytes;
  LineList lines;
};

class ListTextSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(ListTextSplit, EndsLinesAtCrLfAndCrLf) {
  EXPECT_EQ(ParseListText(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    All, ListTextSplit,
    testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\n", {"a"}},
                    SplitCase{"a\nb", {"a", "b"}}, SplitCase{"a\rb\r", {"a", "b"}},
                    SplitCase{"a\r\r\nb", {"a", "", "b"}}, SplitCase{"a\n\rb", {"a", "", "b"}},
                    SplitCase{"\r\n", {""}}, SplitCase{"a\r\n\r\n", {"a", ""}},
                    SplitCase{std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
                    SplitCase{"\x82\xa0\x8a\xbf\r\n\x8e\x9a", {"あ漢", "字"}}));

// A lead byte right before the line end must neither swallow the CR nor be
// lost: the line comes back byte for byte.
TEST(ListText, StrayLeadByteBeforeLineEndSurvives) {
  std::string bytes = "x\x82\r\ny\r\n";
  LineList lines = ParseListText(bytes);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "y");
  EXPECT_EQ(FormatListText(lines), bytes);
}

TEST(ListText, FormatEndsEveryLineWithCrLf) {
  EXPECT_EQ(FormatListText({"[Data\\Files1\\]", "予定", ""}),
            "[Data\\Files1\\]\r\n\x97\x5c\x92\xe8\r\n\r\n");
  EXPECT_EQ(FormatListText({}), "");
}

class ListFiles : public testing::Test {
 protected:
  TempFolder dir;
  std::string path = dir / "Ca202612.kdf";
  FakeServices fake;
};

TEST_F(ListFiles, SaveThenLoadRoundTrips) {
  LineList lines{"[Data\\Files1\\]", " 8,1,,会議，準備,clBlack,,,,,"};
  ASSERT_TRUE(SaveListRetry(fake.services, lines, path, 300, 10));
  EXPECT_EQ(fake.fs.ReadAll(path)->substr(0, 16), "[Data\\Files1\\]\r\n");
  LineList loaded{"old"};
  ASSERT_TRUE(LoadListRetry(fake.services, loaded, path, 500, 5));
  EXPECT_EQ(loaded, lines);
  EXPECT_TRUE(fake.clock.sleeps.empty());
}

TEST_F(ListFiles, LoadRetriesWithSleepsBetweenAttempts) {
  ASSERT_TRUE(fake.fs.WriteAtomic(path, "a\r\n"));
  fake.fs.Fail(FailingFileSystem::Op::ReadAll, 2);
  LineList loaded;
  ASSERT_TRUE(LoadListRetry(fake.services, loaded, path, 500, 3));
  EXPECT_EQ(loaded, LineList{"a"});
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>{500, 500}));
}

TEST_F(ListFiles, LoadGivesUpAfterLastTryAndKeepsTheList) {
  fake.fs.Fail(FailingFileSystem::Op::ReadAll, -1);
  LineList loaded{"kept"};
  EXPECT_FALSE(LoadListRetry(fake.services, loaded, path, 500, 5));
  EXPECT_EQ(loaded, LineList{"kept"});
  EXPECT_EQ(fake.fs.Calls(FailingFileSystem::Op::ReadAll), 5);
  EXPECT_EQ(fake.clock.sleeps.size(), 4u);
}

TEST_F(ListFiles, MissingFileFailsEveryTry) {
  LineList loaded;
  EXPECT_FALSE(LoadListRetry(fake.services, loaded, dir / "none.kdf", 10, 3));
  EXPECT_EQ(fake.fs.Calls(FailingFileSystem::Op::ReadAll), 3);
}

TEST_F(ListFiles, ZeroTriesStillMakesOneAttempt) {
  EXPECT_TRUE(SaveListRetry(fake.services, {"x"}, path, 10, 0));
}

// Regression: the file used to be truncated before it was written, so a
// failed write lost everything.
TEST_F(ListFiles, FailedSaveLeavesOldContent) {
  ASSERT_TRUE(SaveListRetry(fake.services, {"old"}, path, 300, 1));
  fake.fs.Fail(FailingFileSystem::Op::WriteAtomic, -1);
  EXPECT_FALSE(SaveListRetry(fake.services, {"new", "lines"}, path, 300, 10));
  EXPECT_EQ(fake.fs.ReadAll(path), "old\r\n");
  EXPECT_EQ(fake.clock.sleeps, std::vector<unsigned>(9, 300));
}

TEST_F(ListFiles, SaveSucceedsOnALaterTry) {
  fake.fs.Fail(FailingFileSystem::Op::WriteAtomic, 3);
  EXPECT_TRUE(SaveListRetry(fake.services, {"new"}, path, 300, 10));
  EXPECT_EQ(fake.fs.ReadAll(path), "new\r\n");
  EXPECT_EQ(fake.clock.sleeps.size(), 3u);
}

TEST_F(ListFiles, SaveIntoMissingFolderFails) {
  EXPECT_FALSE(SaveListRetry(fake.services, {"x"}, support::EnsureTrailingSeparator(dir / "no") + "x.kdf", 1, 2));
}

}  // namespace
}  // namespace platform
