#include "store/line_reader.h"

#include <gtest/gtest.h>

#include "store/store_test_fixture.h"

namespace store {
namespace {

using Op = platform::FailingFileSystem::Op;
using Lines = std::vector<std::string>;

class LoadLinesTest : public StoreTest {
 protected:
  Lines Load(std::string_view bytes) {
    Put("Sday.kdf", bytes);
    Lines lines{"stale"};
    EXPECT_TRUE(LoadLines(fake.services, lines, dir / "Sday.kdf"));
    return lines;
  }
};

TEST_F(LoadLinesTest, LineEndsOfAnyKindGiveTheSameLines) {
  const Lines expected{"1,1,元日", "", "5,3,憲法記念日"};
  EXPECT_EQ(Load("1,1,\x8C\xB3\x93\xFA\r\n\r\n5,3,\x8C\x9B\x96\x40\x8B\x4C\x94\x4F\x93\xFA\r\n"), expected);
  EXPECT_EQ(Load("1,1,\x8C\xB3\x93\xFA\n\n5,3,\x8C\x9B\x96\x40\x8B\x4C\x94\x4F\x93\xFA\n"), expected);
  EXPECT_EQ(Load("1,1,\x8C\xB3\x93\xFA\r\r5,3,\x8C\x9B\x96\x40\x8B\x4C\x94\x4F\x93\xFA\r"), expected);
}

TEST_F(LoadLinesTest, ALastLineWithoutEndCounts) {
  EXPECT_EQ(Load("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(Load(""), Lines{});
  EXPECT_EQ(Load("\r\n"), Lines{""});
}

TEST_F(LoadLinesTest, EndOfFileMarkOrNulEndsTheText) {
  EXPECT_EQ(Load("a\r\nb\x1A" "c\r\nd\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(Load("a\r\n\x1A"), Lines{"a"});
  EXPECT_EQ(Load(std::string("a\r\nb\0c\r\n", 8)), (Lines{"a", "b"}));
}

// The file used to be read in blocks of 8192 bytes; lines across a block
// boundary, and a CR LF split by it, must come out whole.
TEST_F(LoadLinesTest, LinesAcrossTheOldBlockBoundaryStayWhole) {
  for (size_t crAt : {8190u, 8191u, 8192u}) {
    std::string first(crAt, 'x');
    std::string bytes = first + "\r\n" + std::string(9000, 'y') + "\r\nz";
    Lines lines = Load(bytes);
    ASSERT_EQ(lines.size(), 3u) << crAt;
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1].size(), 9000u);
    EXPECT_EQ(lines[2], "z");
  }
}

TEST_F(LoadLinesTest, AFileThatCannotBeReadIsToldAndGivesNothing) {
  Put("Sday.kdf", "a\r\n");
  fake.fs.Fail(Op::ReadAll, 5);
  Lines lines{"stale"};
  EXPECT_FALSE(LoadLines(fake.services, lines, dir / "Sday.kdf"));
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(Texts(), Lines{"読込エラー[" + dir.path() + "Sday.kdf]"});
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>(4, 500)));
  fake.fs.Fail(Op::ReadAll, 4);
  EXPECT_TRUE(LoadLines(fake.services, lines, dir / "Sday.kdf"));
  EXPECT_EQ(lines, Lines{"a"});
}

}  // namespace
}  // namespace store
