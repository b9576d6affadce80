#include "shell/companions.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/folders.h"
#include "platform/system_folders.h"
#include "support/paths.h"
#include "support/text.h"

namespace shell {
namespace {

using Strings = std::vector<std::string>;

class LoggingHost : public CompanionHost {
 public:
  void GoResident() override { log += "resident;"; }
  void SaveAndTidy() override { log += "save;"; }
  void SetWaitCursor(bool on) override { log += on ? "wait;" : "arrow;"; }
  std::string log;
};

class CompanionsTest : public testing::Test {
 protected:
  void SetUp() override {
    program = Folder("Velda\\");
    profile = Folder("Users\\tanaka\\");
    fake.system.specialFolders[platform::kProfileFolder] = profile;
    data = Folder("My Data\\Files1\\");
  }
  std::string Folder(const std::string& relative) {
    std::string path = support::JoinPath(root.path(), relative);
    platform::CreateFolderChain(fake.fs, support::RemoveTrailingSeparator(path));
    return path;
  }
  std::string Exe(const std::string& folder, const std::string& relative) {
    std::string path = support::JoinPath(folder, relative);
    platform::CreateFolderChain(fake.fs, path.substr(0, path.rfind(support::kPathSeparator)));
    EXPECT_TRUE(fake.fs.WriteAtomic(path, "MZ"));
    return path;
  }
  Companions& Make() {
    companions = std::make_unique<Companions>(fake.services, host);
    return *companions;
  }

  platform::FakeServices fake;
  platform::TempFolder root;
  std::string program, profile, data;
  LoggingHost host;
  std::unique_ptr<Companions> companions;
  settings::Settings s;
};

TEST_F(CompanionsTest, EachProgramIsLookedForInItsOrder) {
  const std::string pf = support::JoinPath(platform::WindowsDriveRoot(fake.system), "Program Files\\");
  const std::string drive = support::EnsureTrailingSeparator(platform::DefaultDataDrive(fake.fs) + ":");
  EXPECT_EQ(PrintCandidates(fake.services, program),
            (Strings{support::JoinPath(drive, "AppFiles\\Velprin\\Velprin.exe"),
                     support::JoinPath(profile, "AppFiles\\Velprin\\Velprin.exe"),
                     support::JoinPath(pf, "Bren\\Velprin\\Velprin.exe"), program + "Velprin.exe",
                     support::JoinPath(program, "Velprin\\Velprin.exe")}));
  EXPECT_EQ(EditorCandidates(fake.services, program)[1],
            support::JoinPath(profile, "AppFiles\\Gakto\\Gakto.exe"));
  const std::string common = platform::CommonFilesFolder(fake.system);
  EXPECT_EQ(ClockCandidates(fake.services, program, false),
            (Strings{support::JoinPath(profile, "AppFiles\\Velclock\\Velclock.exe"),
                     support::JoinPath(pf, "Bren\\Velclock\\Velclock.exe"),
                     support::JoinPath(common, "Bren\\VelClock\\Velclock.exe"), program + "Velclock.exe"}));
  EXPECT_EQ(ClockCandidates(fake.services, program, true).size(), 3u);  // no common files
  fake.system.specialFolders.clear();  // no profile: the program folder stands in
  EXPECT_EQ(PrintCandidates(fake.services, program)[1],
            support::JoinPath(program, "AppFiles\\Velprin\\Velprin.exe"));
}

TEST_F(CompanionsTest, TheFirstExistingFileWinsAndSettingsOverrideOrLearn) {
  const std::string inProgram = Exe(program, "Velprin\\Velprin.exe");
  const std::string inProfile = Exe(profile, "AppFiles\\Velprin\\Velprin.exe");
  const std::string editor = Exe(program, "Gakto.exe");
  Folder("Velda\\Velclock.exe\\");  // a folder of that name is no program
  CompanionPaths found = FindCompanions(fake.services, program, false, s);
  EXPECT_EQ(found, (CompanionPaths{inProfile, "", editor}));
  EXPECT_EQ(s.edtPrintFolder, inProfile);
  EXPECT_EQ(s.edtEditorFolder, editor);
  s.edtPrintFolder = "  D:\\Tools\\Velprin.exe ";
  s.edtEditorFolder = "";
  fake.fs.DeleteFile(inProfile);
  found = FindCompanions(fake.services, program, false, s);
  EXPECT_EQ(found.print, "D:\\Tools\\Velprin.exe");
  EXPECT_EQ(found.editor, editor);
  EXPECT_EQ(FindCompanions(fake.services, profile, false, s).editor, editor);  // the setting keeps it
  settings::Settings fresh;
  EXPECT_EQ(FindCompanions(fake.services, program, false, fresh).print, inProgram);
}

TEST(PrintCommandLine, EveryValueQuotedAsGiven) {
  PrintFolders f{"C:\\Velda\\", "D:\\My \"Data\"\\Files2\\", " C:\\Users\\u\\Velda\\ "};
  EXPECT_EQ(PrintCommandLine(f, "  D:\\My Data\\ "),
            "/K=\"C:\\Velda\\\" /D=\"D:\\My Data\\\" /D2=\"D:\\My \"\"Data\"\"\\Files2\\\" /U=\"1\" "
            "/S=\"C:\\Users\\u\\Velda\\\"");
  EXPECT_EQ(PrintCommandLine(f, ""),
            "/K=\"C:\\Velda\\\" /D=\"C:\\Velda\\\" /D2=\"D:\\My \"\"Data\"\"\\Files2\\\" /U=\"1\" "
            "/S=\"C:\\Users\\u\\Velda\\\"");
}

TEST(MemoFileSpec, ThirteenFieldsAndNoBlanks) {
  const std::string spec = MemoFileSpec("C:\\Program Files\\My Velda\\Data\\");
  EXPECT_EQ(spec, "CaMemo.kdf,C:\\Program_\\Sp\\_Files\\My_\\Sp\\_Velda\\Data\\,1,0,0,,,,0,0,,,");
  EXPECT_EQ(support::Split(spec, ',').size(), 13u);
}

TEST_F(CompanionsTest, PrintStartsOnlyWhenChosenAndNotRunning) {
  const std::string exe = Exe(program, "Velprin.exe");
  Make().SetPaths({exe, "", ""});
  PrintFolders folders{program, data, profile};
  companions->StartPrint(s, folders);  // cbPrint off
  EXPECT_TRUE(fake.shell.started.empty());
  EXPECT_EQ(host.log, "");

  s.cbPrint = true;
  s.cbVelkaP = true;
  companions->StartPrint(s, folders);
  EXPECT_EQ(host.log, "wait;resident;arrow;");
  ASSERT_EQ(fake.shell.started.size(), 1u);
  EXPECT_EQ(fake.shell.started[0], QuoteArgument(exe) + " " + PrintCommandLine(folders, ""));
  EXPECT_NE(fake.shell.started[0].find("/D2=\"" + data + "\""), std::string::npos);  // the blank kept

  s.cbVelkaP = false;
  host.log.clear();
  fake.shell.windows[{"TApplication", "楓プリン"}] = 77;
  companions->StartPrint(s, folders);
  EXPECT_EQ(fake.dialogs.Texts(),
            Strings{"「楓プリン」が既に起動しています。\r\n一度、「楓プリン」を終了させてください。"});
  EXPECT_EQ(fake.shell.raised, std::vector<platform::WindowHandle>{77});
  EXPECT_EQ(fake.shell.started.size(), 1u);

  fake.shell.windows.clear();
  fake.fs.DeleteFile(exe);
  companions->StartPrint(s, folders);
  EXPECT_EQ(host.log, "wait;save;arrow;");
  EXPECT_EQ(fake.dialogs.Texts().back(),
            "「楓プリン」が起動できません。\r\n「楓プリン」の場所をチェックしてください。");
  EXPECT_EQ(fake.shell.started.size(), 1u);
}

TEST_F(CompanionsTest, ClockStartsWithoutArgumentsUnlessRunning) {
  Make().SetPaths({"", "C:\\Clock\\Velclock.exe", ""});
  EXPECT_TRUE(companions->ClockAvailable());
  companions->StartClock();
  EXPECT_EQ(fake.shell.started, Strings{"\"C:\\Clock\\Velclock.exe\""});
  fake.shell.windows[{"TApplication", "楓時計"}] = 5;
  companions->StartClock();
  EXPECT_EQ(fake.dialogs.Texts(), Strings{"既に起動中です。\r\n時間をおいてクリックしてください。"});
  EXPECT_EQ(fake.shell.started.size(), 1u);
  Make().SetPaths({});
  EXPECT_FALSE(companions->ClockAvailable());
}

TEST_F(CompanionsTest, CtrlF11StartsRaisesThenClosesTheEditor) {
  Make().SetPaths({"", "", "C:\\Gakto\\Gakto.exe"});
  companions->ToggleEditor(s);  // cbEditor off
  EXPECT_TRUE(fake.shell.started.empty());
  s.cbEditor = true;
  companions->ToggleEditor(s);
  EXPECT_EQ(fake.shell.started, Strings{"\"C:\\Gakto\\Gakto.exe\""});
  fake.shell.windows[{"TApplication", "岳斗 -Gakto-"}] = 9;
  companions->ToggleEditor(s);  // another program is in front: raised
  EXPECT_EQ(fake.shell.raised, std::vector<platform::WindowHandle>{9});
  EXPECT_TRUE(fake.shell.posted.empty());
  fake.shell.foregroundOwner = 9;
  companions->ToggleEditor(s);  // now in front: asked to close
  ASSERT_EQ(fake.shell.posted.size(), 1u);
  EXPECT_EQ(fake.shell.posted[0], (std::pair<platform::WindowHandle, unsigned>{9, 0x0010}));
  companions->CloseEditor();
  EXPECT_EQ(fake.shell.posted.size(), 2u);
  EXPECT_EQ(fake.shell.started.size(), 1u);
}

TEST_F(CompanionsTest, TheMemoGoesToTheEditorMadeFirstWhenMissing) {
  const std::string common = Folder("Common Data\\");
  Make().SetPaths({"", "", "C:\\Gakto\\Gakto.exe"});
  EXPECT_FALSE(companions->OpenMemoInEditor(s, common));  // no integration: the memo window
  s.cbEditor = s.cbVelkaM = s.cbVelkaJ = true;
  ASSERT_TRUE(companions->OpenMemoInEditor(s, common));
  EXPECT_EQ(fake.fs.ReadAll(common + "CaMemo.kdf"), "\r\n");
  ASSERT_EQ(fake.shell.started.size(), 1u);
  EXPECT_EQ(fake.shell.started[0], "\"C:\\Gakto\\Gakto.exe\" " + MemoFileSpec(common));
  EXPECT_EQ(fake.shell.started[0].find(' ', QuoteArgument("C:\\Gakto\\Gakto.exe").size() + 1),
            std::string::npos);  // the folder's blanks are tokens
  EXPECT_EQ(host.log, "resident;");

  s.cbVelkaM = false;
  ASSERT_TRUE(fake.fs.WriteAtomic(common + "CaMemo.kdf", "keep\r\n"));
  companions->OpenMemoInEditor(s, common);
  EXPECT_EQ(fake.shell.started.back(), "\"C:\\Gakto\\Gakto.exe\"");
  EXPECT_EQ(fake.fs.ReadAll(common + "CaMemo.kdf"), "keep\r\n");

  fake.shell.windows[{"TApplication", "岳斗 -Gakto-"}] = 3;
  host.log.clear();
  companions->OpenMemoInEditor(s, common);  // running: raised, nothing handed over
  EXPECT_EQ(fake.shell.started.size(), 2u);
  EXPECT_EQ(fake.shell.raised, std::vector<platform::WindowHandle>{3});
  EXPECT_EQ(host.log, "resident;");
}

TEST_F(CompanionsTest, AMemoFileThatCannotBeMadeStopsTheHandOver) {
  const std::string common = Folder("Data\\");
  s.cbEditor = s.cbVelkaM = true;
  Make().SetPaths({"", "", "C:\\Gakto\\Gakto.exe"});
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  EXPECT_TRUE(companions->OpenMemoInEditor(s, common));
  EXPECT_EQ(fake.dialogs.Texts(), Strings{"[ " + common + "CaMemo.kdf ]の書込に失敗しました。"});
  EXPECT_TRUE(fake.shell.started.empty());
  EXPECT_EQ(fake.fs.Calls(platform::FailingFileSystem::Op::WriteAtomic), 5);
}

TEST_F(CompanionsTest, CaptionsFollowTheIntegration) {
  Make();
  s.cbEditor = true;
  EXPECT_FALSE(companions->EditorIntegration(s));  // no editor found
  EXPECT_EQ(companions->MemoButtonCaption(s), "");
  EXPECT_EQ(companions->MemoPopupCaption(s), "メモ(&M)");
  companions->SetPaths({"", "", "C:\\Gakto\\Gakto.exe"});
  EXPECT_EQ(companions->MemoButtonCaption(s), "岳斗");
  EXPECT_EQ(companions->MemoPopupCaption(s), "岳斗(&M)");
  s.cbVelkaM = true;
  EXPECT_EQ(companions->MemoButtonCaption(s), "メモ");
  EXPECT_EQ(companions->MemoPopupCaption(s), "メモ(&M)");
}

TEST_F(CompanionsTest, PropertiesAndTheSite) {
  Make().ShowProperties("C:\\Velda\\Velda.exe");
  EXPECT_EQ(fake.shell.opened, Strings{"properties:C:\\Velda\\Velda.exe"});
  fake.system.version = {5, 0, 2195};
  EXPECT_TRUE(Companions::PropertiesItemVisible(fake.system));
  fake.system.version = {4, 10, 1998};
  EXPECT_FALSE(Companions::PropertiesItemVisible(fake.system));
  companions->OpenMakerSite();
  EXPECT_EQ(fake.shell.opened.back(), kMakerSite);
  fake.system.online = false;
  companions->OpenMakerSite();
  EXPECT_EQ(fake.shell.opened.size(), 2u);
  EXPECT_EQ(fake.dialogs.Texts(),
            Strings{"インターネットにつながっていません。\r\nインターネットにつながった状態で、\r\n"
                    "実行してください。\r\n\r\n中止します。"});
}

}  // namespace
}  // namespace shell
