#include "store/period_file.h"

#include <gtest/gtest.h>

#include "platform/dialog_helpers.h"
#include "store/store_test_fixture.h"

namespace store {
namespace {

using Op = platform::FailingFileSystem::Op;
using platform::MsgResult;

const char kHeader[] = "***** FromTo予定 [Data\\Files1\\]";
const char kHeaderBytes[] = "***** FromTo\x97\x5C\x92\xE8 [Data\\Files1\\]\r\n";

class PeriodFile : public StoreTest {
 protected:
  PeriodReadResult Read(bool reload = false, bool network = false) {
    return ReadPeriods(env, list, reload, network, backups);
  }
  void Today(int y, int m, int d) { fake.clock.Set({y, m, d, 9, 0, 0, 0}); }

  PeriodList list;
  PeriodBackups backups;
  NetworkLink network;
};

TEST(PeriodBackupNames, FourDigitsOfTheDateWithThreePeriodsAMonth) {
  struct Case {
    platform::DateTime day;
    const char* name;
  } cases[] = {{{2004, 3, 10}, "CaFT4031.kdp"}, {{2004, 3, 9}, "CaFT4030.kdp"},
               {{2026, 12, 29}, "CaFT6122.kdp"}, {{2026, 12, 31}, "CaFT6122.kdp"},
               {{2026, 12, 30}, "CaFT6122.kdp"}, {{2014, 3, 10}, "CaFT4031.kdp"}};
  for (const auto& c : cases) EXPECT_EQ(PeriodBackupName(c.day), c.name);
  EXPECT_EQ(MemoBackupName("CaFT4031.kdp"), "CaME4031.kdp");
}

TEST_F(PeriodFile, AMissingFileStartsWithTheHeaderWrittenAtOnce) {
  EXPECT_EQ(Read(), PeriodReadResult::Read);
  EXPECT_EQ(list.lines, std::vector<std::string>{kHeader});
  EXPECT_EQ(list.loadCount, 1);
  EXPECT_EQ(Get("CaFromTo.kdf"), kHeaderBytes);
  EXPECT_TRUE(Texts().empty());  // no other data: nothing to tell
}

TEST_F(PeriodFile, AMissingFileBesideOtherDataIsTold) {
  Put("Ca200403.kdf", "");
  Read();
  EXPECT_EQ(Texts(), std::vector<std::string>{dir.path() + "CaFromTo.kdf が存在しません。\r\n新しい期間データを作ります。"});
  EXPECT_TRUE(Has("CaFromTo.kdf"));
}

TEST_F(PeriodFile, AMissingFileThatCannotBeWrittenIsTold) {
  fake.fs.Fail(Op::WriteAtomic, 10);
  Read();
  EXPECT_EQ(Texts(), std::vector<std::string>{"書込エラー[" + dir.path() + "CaFromTo.kdf]"});
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>(9, 300)));
  EXPECT_EQ(list.lines, std::vector<std::string>{kHeader});
}

TEST_F(PeriodFile, AMissingDataRootIsCreatedAtStart) {
  folders.dataRoot = folders.dataFolder = P("a\\b\\");
  EXPECT_EQ(Read(), PeriodReadResult::Read);
  EXPECT_TRUE(platform::RealFileSystem().Exists(P("a\\b\\CaFromTo.kdf")));
}

TEST_F(PeriodFile, ADataRootThatCannotBeCreatedEndsTheProgram) {
  folders.dataRoot = folders.dataFolder = P("a\\b\\");
  fake.fs.Fail(Op::CreateFolder, -1);
  EXPECT_EQ(Read(), PeriodReadResult::FolderNotCreatable);
  ASSERT_EQ(fake.dialogs.shown.size(), 1u);
  EXPECT_EQ(fake.dialogs.shown[0].text, "フォルダを作成できません。");
  EXPECT_EQ(fake.dialogs.shown[0].caption, "エラー");
}

TEST_F(PeriodFile, AMissingNetworkFolderSwitchesTheNetworkOff) {
  folders.dataFolder = P("net\\Data\\Files1\\");
  EXPECT_EQ(Read(true, true), PeriodReadResult::NetworkFolderMissing);
  EXPECT_EQ(Texts(), std::vector<std::string>{"ネットフォルダ[" + folders.dataFolder +
                                              "]が確認できません。\r\nローカルフォルダに設定を戻します（ネットＯｆｆ）。[n040]"});
  EXPECT_TRUE(list.lines.empty());
}

TEST_F(PeriodFile, ReadsTheLinesAndCountsThem) {
  Put("CaFromTo.kdf", std::string(kHeaderBytes) + "2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,1,clBlue,t,PC01,,,,,\r\n");
  backups.names[0] = PeriodBackupName(fake.clock.Now());
  Read();
  EXPECT_EQ(list.lines.size(), 2u);
  EXPECT_EQ(list.loadCount, 2);
  EXPECT_FALSE(backups.rotated);
}

TEST_F(PeriodFile, AnUnreadableFileIsToldAndLeavesTheHeader) {
  Put("CaFromTo.kdf", "x\r\n");
  fake.fs.Fail(Op::ReadAll, 5);
  Read();
  EXPECT_EQ(Texts(), std::vector<std::string>{"読込エラー[" + dir.path() + "CaFromTo.kdf]"});
  EXPECT_EQ(list.lines, std::vector<std::string>{kHeader});
  EXPECT_FALSE(backups.rotated);  // an empty list is no backup
}

class PeriodRotation : public PeriodFile {
 protected:
  PeriodRotation() {
    Put("CaFromTo.kdf", std::string(kHeaderBytes) + "period\r\n");
    Put("CaMemo.kdf", "memo\r\n");
    for (const char* n : {"CaFT6120.kdp", "CaFT6112.kdp", "CaFT6111.kdp", "CaME6120.kdp",
                          "CaME6112.kdp", "CaME6111.kdp"})
      Put(n, "old");
    backups.names = {"CaFT6120.kdp", "CaFT6112.kdp", "CaFT6111.kdp"};
    Today(2026, 12, 10);
  }
};

TEST_F(PeriodRotation, FirstStartOfANewPeriodWritesTheBackupAndDropsTheOldest) {
  Read();
  EXPECT_TRUE(backups.rotated);
  EXPECT_EQ(backups.names, (std::array<std::string, 3>{"CaFT6121.kdp", "CaFT6120.kdp", "CaFT6112.kdp"}));
  EXPECT_EQ(Get("CaFT6121.kdp"), Get("CaFromTo.kdf"));
  EXPECT_EQ(Get("CaME6121.kdp"), "memo\r\n");
  EXPECT_FALSE(Has("CaFT6111.kdp"));
  EXPECT_FALSE(Has("CaME6111.kdp"));
  EXPECT_EQ(Get("CaFT6112.kdp"), "old");
  EXPECT_TRUE(Texts().empty());
}

TEST_F(PeriodRotation, NoRotationOnAReloadOrWithinThePeriod) {
  Read(true);
  EXPECT_FALSE(backups.rotated);
  Today(2026, 12, 9);
  Read();
  EXPECT_FALSE(backups.rotated);
  EXPECT_TRUE(Has("CaFT6111.kdp"));
}

TEST_F(PeriodRotation, FailuresAreToldAndTheRotationGoesOn) {
  fake.fs.Fail(Op::DeleteFile, 2);
  fake.fs.Fail(Op::WriteAtomic, 10);
  fake.fs.Fail(Op::CopyFile, 1);
  Read();
  const std::string d = dir.path();
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "旧期間ファイルを削除できません。\r\n" + d + "CaFT6111.kdp",
                         "旧メモファイルを削除できません。\r\n" + d + "CaME6111.kdp",
                         "[ " + d + "CaFT6121.kdp ]の書込に失敗しました。",
                         "メモファイルを書き込めません。\r\n" + d + "CaME6121.kdp"}));
  EXPECT_EQ(backups.names[0], "CaFT6121.kdp");
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>(9, 500)));
}

TEST_F(PeriodFile, SaveWritesWhenAtLeastHalfIsLeft) {
  list.lines = {kHeader, "a", "b"};
  list.loadCount = 6;  // half of 6 is 3
  EXPECT_EQ(SavePeriods(env, list, network), SaveOutcome::Written);
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(Get("CaFromTo.kdf"), std::string(kHeaderBytes) + "a\r\nb\r\n");
}

TEST_F(PeriodFile, SaveAsksTwiceWhenBelowHalf) {
  const std::string q1 =
      "期間予定が立ち上げ時の半分以下、または０になっています。\r\n期間予定を保存してもいいですか。\r\n"
      "（※期間予定を削除した以外は、「いいえ」（保存しない）にしてください。）";
  const std::string q2 = "本当に期間予定を（大量に）削除しましたか？";
  const std::string no = "期間予定は保存しません。";
  struct Case {
    std::vector<MsgResult> answers;
    std::vector<std::string> texts;
    bool written;
  } cases[] = {{{}, {q1, no}, false},
               {{MsgResult::Yes}, {q1, q2, no}, false},
               {{MsgResult::Yes, MsgResult::Yes}, {q1, q2}, true}};
  for (const auto& c : cases) {
    platform::ScriptedDialogs dialogs;
    platform::Services os{fake.fs, dialogs, fake.clock, fake.system, fake.shell, fake.clipboard};
    StoreEnv e{os, folders};
    Put("CaFromTo.kdf", "old");
    list.lines = {kHeader, "a"};
    list.loadCount = 6;
    for (auto a : c.answers) dialogs.Answer(a);
    EXPECT_EQ(SavePeriods(e, list, network), c.written ? SaveOutcome::Written : SaveOutcome::Refused);
    EXPECT_EQ(dialogs.Texts(), c.texts);
    EXPECT_EQ(dialogs.shown[0].defaultButton, 1);  // No
    EXPECT_EQ(Get("CaFromTo.kdf") == "old", !c.written);
  }
}

TEST_F(PeriodFile, AnEmptyListAlwaysAsks) {
  list.loadCount = 0;
  EXPECT_EQ(SavePeriods(env, list, network), SaveOutcome::Refused);
  EXPECT_EQ(Texts().size(), 2u);
  EXPECT_FALSE(Has("CaFromTo.kdf"));
}

TEST_F(PeriodFile, AFailedSaveIsToldAndLeavesTheOldFile) {
  Put("CaFromTo.kdf", "old");
  list.lines = {kHeader};
  list.loadCount = 1;
  fake.fs.Fail(Op::WriteAtomic, 10);
  EXPECT_EQ(SavePeriods(env, list, network), SaveOutcome::Failed);
  EXPECT_EQ(Texts(), std::vector<std::string>{"期間予定データ書込エラー[" + dir.path() + "CaFromTo.kdf]"});
  EXPECT_EQ(Get("CaFromTo.kdf"), "old");
}

TEST_F(PeriodFile, InNetworkModeOnlyAPendingEditIsWrittenAndCounted) {
  int counted = 0;
  network.on = true;
  network.countUpdate = [&] { return ++counted > 1; };  // the first count fails
  list.lines = {kHeader};
  list.loadCount = 1;
  EXPECT_EQ(SavePeriods(env, list, network), SaveOutcome::Skipped);
  EXPECT_FALSE(Has("CaFromTo.kdf"));
  EXPECT_EQ(counted, 0);

  network.writePending = true;
  EXPECT_EQ(SavePeriods(env, list, network), SaveOutcome::Written);
  EXPECT_FALSE(network.writePending);
  EXPECT_EQ(counted, 1);
  EXPECT_EQ(Texts(), std::vector<std::string>{"期間予定データ書込エラー[" + dir.path() + "CaFromTo.kdf]"});

  network.writePending = true;
  EXPECT_EQ(SavePeriods(env, list, network), SaveOutcome::Written);
  EXPECT_EQ(counted, 2);
  EXPECT_EQ(Texts().size(), 1u);
}

TEST_F(PeriodFile, UneditedLinesGoBackByteForByte) {
  std::string bytes = std::string(kHeaderBytes) + "2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,1,clBlue,\x87\x90\xED\x40,PC,,,,,\r\n";
  Put("CaFromTo.kdf", bytes);
  backups.names[0] = PeriodBackupName(fake.clock.Now());
  Read();
  EXPECT_EQ(SavePeriods(env, list, network), SaveOutcome::Written);
  EXPECT_EQ(Get("CaFromTo.kdf"), bytes);
}

// All reads failed: the list holds the header alone, and writing it would
// wipe everyone's periods. Nothing writes it until a read succeeds.
TEST_F(PeriodFile, AFileThatCouldNotBeReadIsNeverWrittenOver) {
  Put("CaFromTo.kdf", std::string(kHeaderBytes) + "2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,1,clBlue,x,PC,,,,,\r\n");
  const std::string before = Get("CaFromTo.kdf");
  fake.fs.Fail(Op::ReadAll, 5);
  EXPECT_EQ(Read(), PeriodReadResult::Unread);
  EXPECT_TRUE(list.unread);
  list.lines.push_back("2004, 4, 1,A,2004, 4, 2,E,2004, 4, 1,1,clBlue,new,PC,,,,,");
  EXPECT_EQ(SavePeriods(env, list, network), SaveOutcome::Failed);
  EXPECT_EQ(Get("CaFromTo.kdf"), before);
  EXPECT_EQ(Texts().back(), "期間予定データが読み込めていないため、\r\nファイルを守るため期間予定は保存しません。");
  EXPECT_EQ(Read(), PeriodReadResult::Read);  // readable again
  EXPECT_FALSE(list.unread);
}

}  // namespace
}  // namespace store
