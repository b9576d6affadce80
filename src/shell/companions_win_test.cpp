// The companion programs started through the Win32 shell: a stand-in
// program (tests/companion_standin_win.cpp) is copied where the search finds
// it and records the command line it receives.
#include "shell/companions.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/folders.h"
#include "platform/native_services.h"
#include "platform/text_win.h"
#include "support/paths.h"
#include "support/text.h"

// Last: windows.h turns CopyFile and DeleteFile into macros.
#include <windows.h>

namespace shell {
namespace {

class QuietHost : public CompanionHost {
 public:
  void GoResident() override { ++resident; }
  void SaveAndTidy() override { ++saved; }
  int resident = 0, saved = 0;
};

// The build folder's path as Wine shows it (drive Z: is the root).
std::wstring StandIn() {
#ifdef VELDA_STANDIN_EXE
  std::string path = VELDA_STANDIN_EXE;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return platform::Widen(path);
#else
  return {};
#endif
}

class CompanionsWinTest : public testing::Test {
 protected:
  void SetUp() override {
    if (StandIn().empty()) GTEST_SKIP() << "no stand-in program was built";
    auto& n = native.services();
    os = std::make_unique<platform::Services>(
        platform::Services{n.fs, dialogs, n.clock, n.system, n.shell, n.clipboard});
    program = Folder("Velda プログラム\\");
  }
  std::string Folder(const std::string& relative) {
    std::string path = support::JoinPath(root.path(), relative);
    platform::CreateFolderChain(os->fs, support::RemoveTrailingSeparator(path));
    return path;
  }
  std::string Install(const std::string& name) {
    std::string path = program + name;
    EXPECT_TRUE(CopyFileW(StandIn().c_str(), platform::Widen(path).c_str(), FALSE));
    return path;
  }
  // What the stand-in received, once it has written it.
  std::string Received(const std::string& exe) {
    const std::string record = exe + ".args.txt";
    for (int i = 0; i < 200 && !os->fs.Exists(record); ++i) Sleep(50);
    Sleep(50);
    return os->fs.ReadAll(record).value_or("<nothing received>");
  }

  platform::NativeServices native;
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<platform::Services> os;
  platform::TempFolder root;
  std::string program;
  QuietHost host;
  settings::Settings s;
};

TEST_F(CompanionsWinTest, ThePrintProgramReceivesItsFoldersQuoted) {
  const std::string exe = Install("Velprin.exe");
  const std::string dataRoot = Folder("データ 置き場\\");
  const std::string data = Folder("データ 置き場\\Data\\Files1\\");
  const std::string settingsFolder = Folder("設定\\");
  Companions companions(*os, host);
  companions.SetPaths(FindCompanions(*os, program, false, s));
  ASSERT_EQ(companions.paths().print, exe);
  s.cbPrint = true;
  s.edFolder = dataRoot;
  const PrintFolders folders{program, data, settingsFolder};
  companions.StartPrint(s, folders);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(host.saved, 1);
  EXPECT_EQ(Received(exe), "\"" + exe + "\" " + PrintCommandLine(folders, dataRoot));
}

TEST_F(CompanionsWinTest, TheEditorReceivesTheMemoFileWithBlanksAsTokens) {
  const std::string exe = Install("Gakto.exe");
  const std::string common = Folder("共通 データ\\");
  Companions companions(*os, host);
  companions.SetPaths(FindCompanions(*os, program, false, s));
  ASSERT_EQ(companions.paths().editor, exe);
  s.cbEditor = s.cbVelkaM = true;
  ASSERT_TRUE(companions.OpenMemoInEditor(s, common));
  EXPECT_EQ(Received(exe), "\"" + exe + "\" CaMemo.kdf," + support::ReplaceAll(common, " ", "_\\Sp\\_") +
                               ",1,0,0,,,,0,0,,,");
  EXPECT_EQ(os->fs.ReadAll(common + "CaMemo.kdf"), "\r\n");
}

}  // namespace
}  // namespace shell
