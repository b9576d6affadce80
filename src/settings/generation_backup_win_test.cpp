// The generation backup on the Windows file system through the shell's
// file operations (SHFileOperationW), under Wine: fifty years of month
// files, three rotations, and a copy the shell breaks off at a locked file.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "platform/doubles_testutil.h"
#include "settings/generation_backup.h"
#include "settings/generation_backup_testutil.h"
#include "store/month_file.h"
#include "support/paths.h"

namespace settings {
namespace {

using support::JoinPath;

class GenerationBackupOnWindows : public ::testing::Test {
 protected:
  std::size_t FilesIn(int generation) {
    return fake.fs.List(JoinPath(GenerationFolder(root, generation, kAutoBackupName), "*.kdf")).size();
  }
  bool Backup() {
    return GenerationBackup(fake.services, {data, root, 0, false, 3, kAutoBackupName, false});
  }

  platform::TempFolder temp;
  platform::FakeServices fake;
  std::string data = JoinPath(temp.path(), "Data\\Files1\\");
  std::string root = JoinPath(temp.path(), "SafeGuard\\");
};

TEST_F(GenerationBackupOnWindows, FiftyYearsOfMonthsRotateThroughThreeGenerations) {
  const std::size_t bytes = WriteMonthFiles(fake.fs, data, 601, 60);
  for (int run = 1; run <= 4; ++run) {
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(Backup()) << "run " << run;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start).count();
    std::printf("backup %d of 601 month files (%zu bytes): %lld ms\n", run, bytes,
                static_cast<long long>(ms));
  }
  for (int g = 1; g <= 3; ++g) EXPECT_EQ(FilesIn(g), 601u) << g;
  EXPECT_FALSE(fake.fs.Exists(support::RemoveTrailingSeparator(GenerationFolder(root, 4, kAutoBackupName))));
  EXPECT_FALSE(fake.fs.Exists(JoinPath(root, "Files1")));
}

TEST_F(GenerationBackupOnWindows, ACopyBrokenOffAtALockedFileLeavesTheGenerations) {
  WriteMonthFiles(fake.fs, data, 24, 10);
  ASSERT_TRUE(Backup());
  ASSERT_TRUE(fake.fs.WriteAtomic(JoinPath(data, "Ca199003.kdf"), "changed"));
  ASSERT_TRUE(Backup());
  // Another program holds a month file open without sharing.
  auto lock = fake.fs.OpenExclusive(JoinPath(data, store::MonthFileName(1990, 6)));
  ASSERT_TRUE(lock);
  // Wine's silent shell copy skips such a file and still reports success.
  EXPECT_FALSE(Backup());
  EXPECT_EQ(FilesIn(1), 24u);
  EXPECT_EQ(FilesIn(2), 24u);
  EXPECT_EQ(fake.fs.ReadAll(JoinPath(GenerationFolder(root, 1, kAutoBackupName), "Ca199003.kdf")), "changed");
  EXPECT_FALSE(fake.fs.Exists(JoinPath(GenerationFolder(root, 3, kAutoBackupName), "Ca199001.kdf")));
  EXPECT_FALSE(fake.fs.Exists(JoinPath(root, "Files1")));
}

}  // namespace
}  // namespace settings
