#include "platform/scrambled_files.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "support/cp932.h"
#include "support/scramble.h"

namespace platform {
namespace {

class ScrambledFilesTest : public testing::Test {
 protected:
  ScrambledFilesTest() { fakes.system.programFolder = folder.path(); }
  std::optional<std::string> Bytes(const std::string& name) { return RealFileSystem().ReadAll(folder / name); }

  FakeServices fakes;
  const Services& services = fakes.services;
  TempFolder folder;
  std::string book = folder / "velnet.kdf";
};

TEST_F(ScrambledFilesTest, TwoSavesDifferAndLoadTheSame) {
  LineList list{"管理者", "PC01", ""};
  ASSERT_TRUE(TextKeyBook(services, ScrambleMode::Save, list, "", book));
  const auto first = Bytes("velnet.kdf");
  ASSERT_TRUE(TextKeyBook(services, ScrambleMode::Save, list, "", book));
  const auto second = Bytes("velnet.kdf");
  ASSERT_TRUE(first && second);
  EXPECT_NE(*first, *second);

  LineList loaded{"kept"};
  ASSERT_TRUE(TextKeyBook(services, ScrambleMode::Load, loaded, " ", book));
  EXPECT_EQ(loaded, (LineList{"kept", "管理者", "PC01", ""}));
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(ScrambledFilesTest, KeyBookIsOneScrambledLineWithTheBuiltInKey) {
  std::mt19937 random(7);
  LineList list{"abc"};
  ASSERT_TRUE(TextKeyBook(services, ScrambleMode::Save, list, "", book, random));
  std::mt19937 again(7);
  const std::string code = support::MakeHeaderCode(again);
  EXPECT_EQ(Bytes("velnet.kdf"), support::EncodeKeyBook(code, {"abc"}, kKeyBookKey));
}

TEST_F(ScrambledFilesTest, EmptyListLoadsAsNoLines) {
  LineList empty;
  ASSERT_TRUE(TextKeyBook(services, ScrambleMode::Save, empty, "KEY", book));
  LineList loaded;
  EXPECT_TRUE(TextKeyBook(services, ScrambleMode::Load, loaded, "KEY", book));
  EXPECT_TRUE(loaded.empty());
}

TEST_F(ScrambledFilesTest, MissingBookLoadsNothingAfterFiveTries) {
  LineList loaded{"kept"};
  EXPECT_FALSE(TextKeyBook(services, ScrambleMode::Load, loaded, "", folder / "none.kdf"));
  EXPECT_EQ(loaded, LineList{"kept"});
  EXPECT_EQ(fakes.clock.sleeps, (std::vector<unsigned>{300, 300, 300, 300}));
}

TEST_F(ScrambledFilesTest, BlankPathIsRefusedWithMessage) {
  LineList list{"x"};
  EXPECT_FALSE(TextKeyBook(services, ScrambleMode::Save, list, "", ""));
  support::IniText ini = support::IniText::FromText("[A]\r\nk=1");
  EXPECT_FALSE(ScrambledIni(services, ScrambleMode::Save, ini, "", " "));
  ASSERT_EQ(fakes.dialogs.shown.size(), 2u);
  EXPECT_EQ(fakes.dialogs.shown[0].text,
            "設定ファイルの指定が有りません。\r\n設定ファイルは作成できませんでした。");
  EXPECT_EQ(fakes.dialogs.shown[1].text, "設定ファイルが有りません。\r\n設定ファイルは作成できませんでした。");
  EXPECT_EQ(fakes.dialogs.shown[0].caption, "確認");
  EXPECT_EQ(fakes.dialogs.shown[0].icon, MsgIcon::Information);
  EXPECT_EQ(fakes.dialogs.shown[0].buttons, MsgButtons::Ok);
}

TEST_F(ScrambledFilesTest, LineThatWouldNotReadBackIsNotWritten) {
  LineList list{"a\rb"};  // a CR inside a line would split it on reading
  EXPECT_FALSE(TextKeyBook(services, ScrambleMode::Save, list, "", book));
  EXPECT_FALSE(Bytes("velnet.kdf"));
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "暗号化エラー(TextKeyBook)");
}

// ">" ^ "A" and "ｼ" ^ "B" make the bytes 7F FE, the line separator.
TEST_F(ScrambledFilesTest, IniLineScrambledIntoTheSeparatorIsNotWritten) {
  ASSERT_EQ(support::ScrambleText(support::Utf8ToCp932(">ｼ"), "AB"), "\x7F\xFE");
  support::IniText ini = support::IniText::FromLines({"[A]", ">ｼ=1"});
  EXPECT_FALSE(ScrambledIni(services, ScrambleMode::Save, ini, "AB", "net.bini"));
  EXPECT_FALSE(Bytes("net.bini"));
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "暗号化エラー(ScrambledIni)");
}

TEST_F(ScrambledFilesTest, FailedWriteIsReportedAndRetried) {
  fakes.fs.Fail(FailingFileSystem::Op::WriteAtomic, -1);
  LineList list{"x"};
  EXPECT_FALSE(TextKeyBook(services, ScrambleMode::Save, list, "", book));
  EXPECT_EQ(fakes.fs.Calls(FailingFileSystem::Op::WriteAtomic), 5);
  EXPECT_EQ(fakes.clock.sleeps, (std::vector<unsigned>{500, 500, 500, 500}));
}

TEST_F(ScrambledFilesTest, IniRoundTripInTheProgramFolder) {
  support::IniText ini;
  ini.WriteString("Admin", "Name", "管理者");
  ini.WriteInteger("Admin", "Level", 3);
  ASSERT_TRUE(ScrambledIni(services, ScrambleMode::Save, ini, kNetAdminIniKey, "veldanet.bini"));
  const auto file = Bytes("veldanet.bini");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->substr(0, 219), support::Utf8ToCp932(support::kScrambledIniHeader) + "\r\n");

  support::IniText back = support::IniText::FromText("[Old]\r\nx=1");
  ASSERT_TRUE(ScrambledIni(services, ScrambleMode::Load, back, kNetAdminIniKey, folder / "veldanet.bini"));
  EXPECT_EQ(back.Lines(), ini.Lines());
  support::IniText wrongKey;
  ASSERT_TRUE(ScrambledIni(services, ScrambleMode::Load, wrongKey, "", "veldanet.bini"));
  EXPECT_NE(wrongKey.Lines(), ini.Lines());
}

TEST_F(ScrambledFilesTest, MissingIniEmptiesTheModel) {
  support::IniText ini = support::IniText::FromText("[Old]\r\nx=1");
  EXPECT_FALSE(ScrambledIni(services, ScrambleMode::Load, ini, "", "none.bini"));
  EXPECT_TRUE(ini.Empty());
}

// Scrambled bytes can look like a CP932 code that Windows writes in another
// form (ED40 for FA5C); they must reach the disk and come back exactly.
TEST_F(ScrambledFilesTest, ScrambledBytesAreNotRecoded) {
  const std::string key = "Aa";
  ASSERT_EQ(support::ScrambleText("\xAC!", key), "\xED\x40");  // "ｬ!"
  support::IniText ini = support::IniText::FromLines({"ｬ!"});
  ASSERT_TRUE(ScrambledIni(services, ScrambleMode::Save, ini, key, "odd.bini"));
  ASSERT_NE(Bytes("odd.bini")->find("\xED\x40\x7F\xFE"), std::string::npos);
  support::IniText back;
  ASSERT_TRUE(ScrambledIni(services, ScrambleMode::Load, back, key, "odd.bini"));
  EXPECT_EQ(back.Lines(), LineList{"ｬ!"});
}

}  // namespace
}  // namespace platform
