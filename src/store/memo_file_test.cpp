#include "store/memo_file.h"

#include <gtest/gtest.h>

#include "store/store_test_fixture.h"

namespace store {
namespace {

using Marks = std::array<int, 10>;
using Op = platform::FailingFileSystem::Op;

Marks With(std::initializer_list<std::pair<int, int>> set) {
  Marks marks;
  marks.fill(-1);
  for (auto [mark, line] : set) marks[mark] = line;
  return marks;
}

TEST(MemoMarks, NumbersAfterTheAmpersand) {
  struct Case {
    std::vector<std::string> lines;
    Marks marks;
  } cases[] = {
      {{}, With({})},
      {{"&3 買い物"}, With({{3, 0}})},
      {{"text", "＆５"}, With({{5, 1}})},
      {{"&x"}, With({{0, 0}})},
      {{"&"}, With({{0, 0}})},
      {{"&12"}, With({})},
      {{"& 7"}, With({{7, 0}})},
      {{"&-1"}, With({})},
      {{"＆9"}, With({{9, 0}})},
      {{"＆ 4x"}, With({{4, 0}})},
      {{"&５"}, With({{5, 0}})},
      {{"&漢字"}, With({{0, 0}})},
      {{"&2", "text", "&2"}, With({{2, 2}})},  // the last one wins
      {{" &1", "a&2", "＆＆"}, With({{0, 2}})},
      {{"&ｱ1"}, With({{0, 0}})},  // a one-byte kana and a digit are no number
  };
  for (const auto& c : cases) EXPECT_EQ(ScanMemoMarks(c.lines), c.marks) << c.lines.size();
}

TEST(MemoMarks, AMarkInsertedAboveMovesTheOthers) {
  std::vector<std::string> lines{"a", "&1", "b", "&2"};
  EXPECT_EQ(ScanMemoMarks(lines), With({{1, 1}, {2, 3}}));
  lines.insert(lines.begin(), "&5");
  EXPECT_EQ(ScanMemoMarks(lines), With({{5, 0}, {1, 2}, {2, 4}}));
}

class MemoFileTest : public StoreTest {};

TEST_F(MemoFileTest, ReadsAndWritesTheWholeText) {
  MemoText missing = ReadMemo(fake.fs, dir / "CaMemo.kdf");
  EXPECT_EQ(missing.status, MemoStatus::Missing);
  EXPECT_TRUE(missing.lines.empty());

  Put("CaMemo.kdf", "");
  MemoText empty = ReadMemo(fake.fs, dir / "CaMemo.kdf");
  EXPECT_EQ(empty.status, MemoStatus::Read);
  EXPECT_TRUE(empty.lines.empty());
  EXPECT_EQ(ScanMemoMarks(empty.lines), With({}));

  std::string bytes = "&1 \x87\x90\r\n\r\nabc\r\n";
  Put("CaMemo.kdf", bytes);
  MemoText memo = ReadMemo(fake.fs, dir / "CaMemo.kdf");
  ASSERT_EQ(memo.lines.size(), 3u);
  EXPECT_TRUE(WriteMemo(fake.fs, dir / "CaMemo.kdf", memo.lines, &memo.originals));
  EXPECT_EQ(Get("CaMemo.kdf"), bytes);
}

TEST_F(MemoFileTest, FailuresAreTheCallersToTell) {
  Put("CaMemo.kdf", "old\r\n");
  fake.fs.Fail(Op::ReadAll);
  EXPECT_EQ(ReadMemo(fake.fs, dir / "CaMemo.kdf").status, MemoStatus::Unreadable);
  fake.fs.Fail(Op::WriteAtomic);
  EXPECT_FALSE(WriteMemo(fake.fs, dir / "CaMemo.kdf", {"new"}));
  EXPECT_EQ(Get("CaMemo.kdf"), "old\r\n");
  EXPECT_TRUE(Texts().empty());
}

}  // namespace
}  // namespace store
