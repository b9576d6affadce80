#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"

namespace platform {
namespace {

class IniFileTest : public testing::Test {
 protected:
  FailingFileSystem fs{RealFileSystem()};
  TempFolder folder;
  std::string path = folder / "Velda.ini";
};

TEST_F(IniFileTest, MissingFileGivesEmptyModel) {
  support::IniText ini = support::IniText::FromText("[Old]\r\nk=v\r\n");
  EXPECT_FALSE(LoadIniFile(fs, path, ini));
  EXPECT_TRUE(ini.Empty());
}

TEST_F(IniFileTest, WritesShiftJisAndReadsItBack) {
  support::IniText ini;
  ini.WriteString("Set", "Title", "楓帳");
  ASSERT_TRUE(SaveIniFile(fs, path, ini));
  EXPECT_EQ(RealFileSystem().ReadAll(path), "[Set]\r\nTitle=\x95\x96\x92\xa0\r\n");
  support::IniText back;
  ASSERT_TRUE(LoadIniFile(fs, path, back));
  EXPECT_EQ(back.ReadString("set", "title", ""), "楓帳");
}

TEST_F(IniFileTest, UneditedBytesSurviveASave) {
  const std::string bytes = "[Set]\r\nOdd=\x85\x40\xff\r\nx=1\n";
  ASSERT_TRUE(RealFileSystem().WriteAtomic(path, bytes));
  support::IniText ini;
  ASSERT_TRUE(LoadIniFile(fs, path, ini));
  ini.WriteInteger("Set", "x", 2);
  ASSERT_TRUE(SaveIniFile(fs, path, ini));
  EXPECT_EQ(RealFileSystem().ReadAll(path), "[Set]\r\nOdd=\x85\x40\xff\r\nx=2\r\n");
}

TEST_F(IniFileTest, FailedWriteKeepsTheOldFile) {
  ASSERT_TRUE(RealFileSystem().WriteAtomic(path, "[A]\r\n"));
  fs.Fail(FailingFileSystem::Op::WriteAtomic);
  EXPECT_FALSE(SaveIniFile(fs, path, support::IniText::FromText("[B]")));
  EXPECT_EQ(RealFileSystem().ReadAll(path), "[A]\r\n");
}

}  // namespace
}  // namespace platform
