#include "settings/export_page.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace settings {
namespace {

using platform::MsgResult;
using Op = platform::FailingFileSystem::Op;
using Texts = std::vector<std::string>;

class FakeExportHost : public ExportHost {
 public:
  void SavePendingData() override { events.push_back("save"); }
  std::optional<std::string> ChooseSaveFile(const SaveFileRequest& request) override {
    events.push_back("dialog");
    requests.push_back(request);
    return chosen;
  }
  platform::DateTime UtcNow() override { return {2026, 12, 8, 3, 0, 0, 0}; }

  std::optional<std::string> chosen;
  std::vector<std::string> events;
  std::vector<SaveFileRequest> requests;
};

class ExportRun : public testing::Test {
 protected:
  ExportRun() {
    folders.dataFolder = data.path();
    choice.folder = out.path();
    Put(data / "Ca200403.kdf",
        support::Utf8ToCp932(" 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 1,1,,会議，第二会議室,,,,,,\r\n"));
  }
  static void Put(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(platform::RealFileSystem().WriteAtomic(path, bytes));
  }
  static std::string Get(const std::string& path) {
    return platform::RealFileSystem().ReadAll(path).value_or("<missing>");
  }
  bool Run(int month = 3) { return RunExport({fake.services, folders, days, host}, 2004, month, choice); }
  Texts Told() const { return fake.dialogs.Texts(); }

  platform::TempFolder data, out;
  platform::FakeServices fake;
  store::Folders folders;
  calendar::DayClassifier days;
  FakeExportHost host;
  ExportChoice choice;
};

TEST_F(ExportRun, WritesTheChosenFileAfterThePendingDataAndTellsSo) {
  choice.format = ExportFormat::Csv;
  const std::string target = out / "Te200403.csv";
  host.chosen = target;
  EXPECT_TRUE(Run());
  EXPECT_EQ(host.events, (Texts{"save", "dialog"}));
  const SaveFileRequest& asked = host.requests.at(0);
  EXPECT_EQ(asked.folder, out.path());
  EXPECT_EQ(asked.fileName, "Te200403.csv");
  EXPECT_EQ(asked.filterIndex, 2);
  EXPECT_EQ(asked.title, "");
  EXPECT_TRUE(support::Cp932ToUtf8(Get(target)).starts_with("2004/03/01,\"(月)\",\"会議,第二会議室\"\r\n"));
  EXPECT_EQ(Told(), Texts{"テキスト(" + target + ")を書き出しました。"});
}

TEST_F(ExportRun, RefusesUnclearOrMissingFoldersAndMissingMonths) {
  struct Case {
    std::string folder;
    int month;
    std::string told;
  } cases[] = {
      {"", 3, "フォルダの設定が、不明です。\r\n中止します。"},
      {" C ", 3, "フォルダの設定が、不明です。\r\n中止します。"},
      {out / "gone", 3, "フォルダが存在しません。\r\n中止します。"},
      {out.path(), 4, "目的のデータ[" + data / "Ca200404.kdf" + "]が存在しません。\r\n中止します。"},
  };
  for (const Case& c : cases) {
    platform::FakeServices f;
    FakeExportHost h;
    h.chosen = out / "x.txt";
    ExportChoice ch{c.folder, ExportFormat::Text};
    EXPECT_FALSE(RunExport({f.services, folders, days, h}, 2004, c.month, ch)) << c.folder;
    EXPECT_EQ(f.dialogs.Texts(), Texts{c.told}) << c.folder;
    EXPECT_FALSE(platform::RealFileSystem().Exists(out / "x.txt"));
  }
}

TEST_F(ExportRun, AnExistingFileIsReplacedOnlyAfterYes) {
  const std::string target = out / "Te200403.txt";
  host.chosen = target;
  Put(target, "old");
  fake.dialogs.Answer(MsgResult::No);
  EXPECT_FALSE(Run());
  EXPECT_EQ(Get(target), "old");
  EXPECT_EQ(Told(), (Texts{"同名のファイルが存在します。\r\n上書きしますか？", "中止します。"}));
  EXPECT_EQ(fake.dialogs.shown[0].caption, "確認 -楓帳-");
  EXPECT_EQ(fake.dialogs.shown[0].defaultButton, 0);  // Yes

  fake.dialogs.Answer(MsgResult::Yes);
  EXPECT_TRUE(Run());
  EXPECT_NE(Get(target), "old");
}

TEST_F(ExportRun, CancelledDialogWritesNothingAndTellsNothing) {
  EXPECT_FALSE(Run());
  EXPECT_TRUE(Told().empty());
  EXPECT_EQ(choice.folder, out.path());
}

TEST_F(ExportRun, ChosenFolderBecomesTheExportFolderAndICalendarHasItsTitle) {
  platform::TempFolder other;
  choice.format = ExportFormat::ICalendar;
  host.chosen = other / "mine.ics";
  EXPECT_TRUE(Run());
  EXPECT_EQ(host.requests.at(0).title, "テキスト書出");
  EXPECT_EQ(host.requests.at(0).filterIndex, 4);
  EXPECT_EQ(choice.folder, other.path());
  EXPECT_NE(Get(other / "mine.ics").find("DTSTAMP:20261208T030000Z\r\n"), std::string::npos);
}

TEST_F(ExportRun, AFailedWriteIsToldAndLeavesTheOldFile) {
  const std::string target = out / "Te200403.txt";
  host.chosen = target;
  Put(target, "old");
  fake.fs.Fail(Op::WriteAtomic);
  fake.dialogs.Answer(MsgResult::Yes);
  EXPECT_FALSE(Run());
  EXPECT_EQ(Get(target), "old");
  EXPECT_EQ(Told().back(), "テキスト(" + target + ")を書き出せませんでした。\r\n中止します。");
}

TEST(ExportChoice, KeysRoundTripAndAnEmptyFolderIsTheProgramFolder) {
  SetupWindowKeys keys;
  EXPECT_EQ(ExportChoiceOf(keys, "C:\\Velda\\").folder, "C:\\Velda\\");
  EXPECT_EQ(ExportChoiceOf(keys, "C:\\Velda\\").format, ExportFormat::Text);
  for (ExportFormat format : {ExportFormat::Text, ExportFormat::Csv, ExportFormat::Html, ExportFormat::ICalendar}) {
    StoreExportChoice({"D:\\Out\\", format}, keys);
    const ExportChoice back = ExportChoiceOf(keys, "C:\\Velda\\");
    EXPECT_EQ(back.folder, "D:\\Out\\");
    EXPECT_EQ(back.format, format);
  }
}

}  // namespace
}  // namespace settings
