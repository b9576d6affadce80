#include "settings/generation_backup.h"
#include "store/date_stamp.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/doubles_testutil.h"
#include "platform/folders.h"
#include "support/paths.h"

namespace settings {
namespace {

using platform::FailingFileSystem;
using support::JoinPath;

calendar::DayNumber Day(int y, int m, int d) { return calendar::DateToJulius(y, m, d); }

class GenerationBackupTest : public ::testing::Test {
 protected:
  GenerationBackupTest() {
    fake.clock.Set({2026, 12, 8, 9, 0, 0, 0});
    MakeFolder(source, "Ca202612.kdf", "new");
  }

  void MakeFolder(const std::string& folder, const std::string& file, const std::string& text) {
    platform::CreateFolderChain(fake.fs, folder);
    ASSERT_TRUE(fake.fs.WriteAtomic(JoinPath(folder, file), text));
  }
  void MakeGeneration(int n, const std::string& marker) {
    MakeFolder(GenerationFolder(root, n, kAutoBackupName), "mark.txt", marker);
  }
  // Generation number -> what it holds ("new" for the fresh copy).
  std::map<int, std::string> Generations() {
    std::map<int, std::string> found;
    for (int n = 1; n <= 9; ++n) {
      const std::string g = GenerationFolder(root, n, kAutoBackupName);
      if (!fake.fs.IsFolder(support::RemoveTrailingSeparator(g))) continue;
      auto mark = fake.fs.ReadAll(JoinPath(g, "mark.txt"));
      auto copy = fake.fs.ReadAll(JoinPath(g, "Ca202612.kdf"));
      found[n] = mark ? *mark : copy ? *copy : "?";
    }
    return found;
  }
  bool Backup(int generations = 3, bool messages = false) {
    return GenerationBackup(fake.services, {source, root, 0, messages, generations, kAutoBackupName, false});
  }

  platform::TempFolder temp;
  platform::FakeServices fake;
  std::string source = JoinPath(temp.path(), "Data\\Files1\\");
  std::string root = JoinPath(temp.path(), "SafeGuard\\");
};

struct RotationCase {
  std::vector<int> existing;
  int generations;
  std::map<int, std::string> after;
};

class Rotations : public GenerationBackupTest, public ::testing::WithParamInterface<RotationCase> {};

TEST_P(Rotations, NewestFirstOldestGone) {
  for (int n : GetParam().existing) MakeGeneration(n, "old" + std::to_string(n));
  ASSERT_TRUE(Backup(GetParam().generations));
  EXPECT_EQ(Generations(), GetParam().after);
  EXPECT_FALSE(fake.fs.Exists(JoinPath(root, "Files1")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rotations,
    ::testing::Values(
        RotationCase{{}, 3, {{1, "new"}}},
        RotationCase{{1, 2, 3}, 3, {{1, "new"}, {2, "old1"}, {3, "old2"}}},
        RotationCase{{1, 2, 3, 4, 5}, 3, {{1, "new"}, {2, "old1"}, {3, "old2"}}},
        // a gap ends the count: 03 beyond it is left alone
        RotationCase{{1, 3}, 3, {{1, "new"}, {2, "old1"}, {3, "old3"}}},
        RotationCase{{1}, 2, {{1, "new"}, {2, "old1"}}},
        RotationCase{{2, 3}, 3, {{1, "new"}, {2, "old2"}, {3, "old3"}}}));

TEST_F(GenerationBackupTest, AFailedCopyLeavesTheGenerationsAsTheyWere) {
  for (int n : {1, 2, 3}) MakeGeneration(n, "old" + std::to_string(n));
  fake.fs.Fail(FailingFileSystem::Op::ShellCopy);
  EXPECT_FALSE(Backup());
  EXPECT_EQ(Generations(), (std::map<int, std::string>{{1, "old1"}, {2, "old2"}, {3, "old3"}}));
  EXPECT_EQ(fake.fs.Calls(FailingFileSystem::Op::ShellMove), 0);
  EXPECT_EQ(fake.fs.Calls(FailingFileSystem::Op::ShellDelete), 0);
}

// The shell stopped halfway (disk full): part of the copy is there.
class HalfCopyFileSystem : public FailingFileSystem {
 public:
  using FailingFileSystem::FailingFileSystem;
  bool ShellCopy(const std::vector<std::string>& from, const std::string& to,
                 const platform::ShellOpFlags& flags) override {
    FailingFileSystem::ShellCopy(from, to, flags);
    return false;
  }
};

TEST_F(GenerationBackupTest, AHalfDoneCopyIsRemovedAndTheGenerationsStay) {
  for (int n : {1, 2}) MakeGeneration(n, "old" + std::to_string(n));
  HalfCopyFileSystem fs(platform::RealFileSystem());
  platform::Services os{fs, fake.dialogs, fake.clock, fake.system, fake.shell, fake.clipboard};
  EXPECT_FALSE(GenerationBackup(os, {source, root, 0, false, 3, kAutoBackupName, false}));
  EXPECT_EQ(Generations(), (std::map<int, std::string>{{1, "old1"}, {2, "old2"}}));
  EXPECT_FALSE(fake.fs.Exists(JoinPath(root, "Files1")));
}

// The shell skipped a file it could not read and said nothing of it, as a
// silent copy does under Wine.
class SkippingCopyFileSystem : public FailingFileSystem {
 public:
  using FailingFileSystem::FailingFileSystem;
  bool ShellCopy(const std::vector<std::string>& from, const std::string& to,
                 const platform::ShellOpFlags& flags) override {
    const bool copied = FailingFileSystem::ShellCopy(from, to, flags);
    DeleteFile(JoinPath(to, "Files1\\Sub\\Ca202701.kdf"));
    return copied;
  }
};

TEST_F(GenerationBackupTest, ACopyMissingAFileCountsAsFailed) {
  MakeFolder(JoinPath(source, "Sub\\"), "Ca202701.kdf", "deep");
  MakeGeneration(1, "old1");
  SkippingCopyFileSystem fs(platform::RealFileSystem());
  platform::Services os{fs, fake.dialogs, fake.clock, fake.system, fake.shell, fake.clipboard};
  EXPECT_FALSE(GenerationBackup(os, {source, root, 0, false, 3, kAutoBackupName, false}));
  EXPECT_EQ(Generations(), (std::map<int, std::string>{{1, "old1"}}));
  EXPECT_FALSE(fake.fs.Exists(JoinPath(root, "Files1")));
  // the same tree copied whole passes
  EXPECT_TRUE(Backup());
  EXPECT_EQ(fake.fs.ReadAll(JoinPath(GenerationFolder(root, 1, kAutoBackupName), "Sub\\Ca202701.kdf")), "deep");
}

TEST_F(GenerationBackupTest, ALeftoverCopyIsMovedAsideReplacingTheOlderOne) {
  MakeFolder(JoinPath(root, "Files1\\"), "mark.txt", "interrupted");
  MakeFolder(JoinPath(root, "wk_Files1\\"), "mark.txt", "older");
  ASSERT_TRUE(Backup());
  EXPECT_EQ(fake.fs.ReadAll(JoinPath(root, "wk_Files1\\mark.txt")), "interrupted");
  EXPECT_EQ(Generations(), (std::map<int, std::string>{{1, "new"}}));
  EXPECT_FALSE(fake.fs.Exists(JoinPath(root, "01_AutoVelData\\mark.txt")));
}

TEST_F(GenerationBackupTest, RefusalsAreToldOnlyWhenAsked) {
  EXPECT_FALSE(Backup(1, true));
  EXPECT_FALSE(Backup(10, true));
  EXPECT_FALSE(Backup(10, false));
  const std::string missing = JoinPath(temp.path(), "None\\");
  EXPECT_FALSE(GenerationBackup(fake.services, {missing, root, 0, true, 3, kAutoBackupName, false}));
  const std::string missingText = std::string("[").append(missing).append("]がありません。");
  EXPECT_EQ(fake.dialogs.Texts(), (std::vector<std::string>{"世代の数が正しくありません。",
                                                            "世代の数が正しくありません。", missingText}));
  EXPECT_TRUE(Generations().empty());
}

class AutoBackupTest : public GenerationBackupTest {
 protected:
  AutoBackupTest() {
    s.vBackKankaku = 1;
    s.yDataForm = 2;
    s.BackupDay = Day(2026, 12, 1);
    facts.programFolder = JoinPath(temp.path(), "Program\\");
    facts.dataFolder = source;
    facts.backupRoot = root;
    facts.fallbackRoot = JoinPath(temp.path(), "User\\SafeGuard\\");
  }
  AutoBackupResult Run() {
    return AutoBackup(fake.services, facts, s, [this](bool on) { marks.push_back(on); });
  }

  Settings s;
  AutoBackupFacts facts;
  std::vector<bool> marks;
};

struct SkipCase {
  const char* why;
  std::function<void(AutoBackupFacts&, Settings&)> make;
};

class AutoBackupSkips : public AutoBackupTest, public ::testing::WithParamInterface<SkipCase> {};

TEST_P(AutoBackupSkips, NothingIsCopiedAndNothingRecorded) {
  GetParam().make(facts, s);
  const int before = s.BackupDay;
  EXPECT_EQ(Run().outcome, AutoBackupOutcome::Skipped);
  EXPECT_TRUE(Generations().empty());
  EXPECT_EQ(s.BackupDay, before);
  EXPECT_TRUE(marks.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AutoBackupSkips,
    ::testing::Values(
        SkipCase{"shared network data", [](auto& f, auto&) { f.networkDataInUse = true; }},
        SkipCase{"CD-ROM", [](auto& f, auto&) { f.programDrive = platform::DriveKind::CdRom; }},
        SkipCase{"network drive", [](auto& f, auto&) { f.programDrive = platform::DriveKind::Network; }},
        SkipCase{"removable drive", [](auto& f, auto&) { f.programDrive = platform::DriveKind::Removable; }},
        SkipCase{"interval off", [](auto&, auto& s) { s.vBackKankaku = 0; }},
        SkipCase{"interval not reached", [](auto&, auto& s) { s.vBackKankaku = 8; }},
        SkipCase{"files in the folder", [](auto&, auto& s) { s.yDataForm = 1; }},
        SkipCase{"data in the program folder", [](auto& f, auto&) {
                   f.programFolder = support::ToUpperAscii(support::RemoveTrailingSeparator(f.dataFolder));
                   f.dataFolder = support::ToLowerAscii(f.dataFolder);
                 }}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(AutoBackupTest, CopiesOncePerDayAndStampsTheNewest) {
  const AutoBackupResult r = Run();
  EXPECT_EQ(r.outcome, AutoBackupOutcome::BackedUp);
  EXPECT_EQ(r.root, root);
  EXPECT_EQ(Generations(), (std::map<int, std::string>{{1, "new"}}));
  EXPECT_EQ(store::DaysSinceStamp(fake.fs, GenerationFolder(root, 1, kAutoBackupName), {2026, 12, 8}), 0);
  EXPECT_EQ(s.BackupDay, Day(2026, 12, 8));
  EXPECT_EQ(marks, (std::vector<bool>{true, false}));

  s.BackupDay = Day(2026, 12, 1);  // as if the settings had not been saved
  EXPECT_EQ(Run().outcome, AutoBackupOutcome::StampedToday);
  EXPECT_EQ(Generations().size(), 1u);
  EXPECT_EQ(s.BackupDay, Day(2026, 12, 8));
}

TEST_F(AutoBackupTest, AnUnreadableStampCountsAsMissing) {
  MakeGeneration(1, "old1");
  fake.fs.WriteAtomic(JoinPath(GenerationFolder(root, 1, kAutoBackupName), store::kDateStampFileName),
                      "[Date]\r\nSakusei=??\r\n");
  EXPECT_EQ(Run().outcome, AutoBackupOutcome::BackedUp);
  EXPECT_EQ(Generations(), (std::map<int, std::string>{{1, "new"}, {2, "old1"}}));
}

TEST_F(AutoBackupTest, AFailureIsToldAndTriedAgainLater) {
  fake.fs.Fail(FailingFileSystem::Op::ShellCopy);
  EXPECT_EQ(Run().outcome, AutoBackupOutcome::Failed);
  EXPECT_EQ(fake.dialogs.Texts(), (std::vector<std::string>{
                                      "自動世代データバックアップエラー\r\n\r\n世代バックアップが出来ませんでした。"}));
  EXPECT_EQ(s.BackupDay, Day(2026, 12, 2));
  EXPECT_EQ(marks, (std::vector<bool>{true, false}));
}

TEST_F(AutoBackupTest, AnUncreatableCommonRootFallsBackToThePerUserFolder) {
  // A plain file where the common folder's parent should be: nothing can
  // be made below it, as below Program Files without rights.
  ASSERT_TRUE(fake.fs.WriteAtomic(JoinPath(temp.path(), "Common"), "x"));
  facts.backupRoot = JoinPath(temp.path(), "Common\\Bren\\Velda\\SafeGuard\\");
  const AutoBackupResult r = Run();
  EXPECT_EQ(r.outcome, AutoBackupOutcome::BackedUp);
  EXPECT_EQ(r.root, facts.fallbackRoot);
  EXPECT_TRUE(fake.fs.Exists(JoinPath(GenerationFolder(facts.fallbackRoot, 1, kAutoBackupName), "Ca202612.kdf")));
}

}  // namespace
}  // namespace settings
