#include "settings/options_controller.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "support/paths.h"

namespace settings {
namespace {

using platform::MsgResult;

struct TypedCase {
  const char* typed;
  int min, max;
  std::optional<int> taken;
};

class TypedNumbers : public testing::TestWithParam<TypedCase> {};

// As an up-down keeps its buddy's number: beyond the range the nearer end,
// no number at all refused.
TEST_P(TypedNumbers, ClampOrRefuse) {
  const TypedCase& c = GetParam();
  EXPECT_EQ(TypedNumber(c.typed, {c.min, c.max}), c.taken) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Options, TypedNumbers,
    testing::Values(TypedCase{"500", 10, 1000, 500}, TypedCase{"5000", 10, 1000, 1000},
                    TypedCase{"3", 10, 1000, 10}, TypedCase{" 42 ", 10, 1000, 42},
                    TypedCase{"-999", -256, 256, -256}, TypedCase{"-12", -256, 256, -12},
                    TypedCase{"99999999999999999999", 1, 3, 3}, TypedCase{"-99999999999999999999", 1, 3, 1},
                    TypedCase{"１２", 1, 12, 12}, TypedCase{"ー５", -256, 256, -5},
                    TypedCase{"", 1, 3, std::nullopt}, TypedCase{"-", 1, 3, std::nullopt},
                    TypedCase{"2a", 1, 3, std::nullopt}, TypedCase{"$10", 0, 100, std::nullopt},
                    TypedCase{"1.5", 1, 3, std::nullopt}));

class OptionsControllerTest : public testing::Test {
 protected:
  OptionsControllerTest() {
    context.programFolder = temp.path();
    context.shellMajorVersion = 6;
  }
  OptionsController Make() {
    return OptionsController(os.services, context, FillOptions(DefaultSettings(), {}, Defaults(MemoWindowKeyRows()), context));
  }
  static const OptionControl& C(std::string_view name) { return *FindControl(name); }

  platform::TempFolder temp;
  platform::FakeServices os;
  OptionsContext context;
};

// What each kind of control shows and stores, in its key's file form.
TEST_F(OptionsControllerTest, ControlsShowAndStoreTheirKeysValues) {
  OptionsController c = Make();
  EXPECT_EQ(c.Value(C("cbBold")), "1");
  c.Change(C("cbBold"), "0");
  EXPECT_FALSE(c.form().values.cbBold);

  EXPECT_EQ(c.Value(C("TabToSp")), "2");
  c.Change(C("TabToSp"), "4");
  EXPECT_EQ(c.form().values.TabToSp, 4);

  EXPECT_EQ(c.Value(C("rbKinenbi")), "1");
  c.Change(C("rbKinenbi"), "0");  // "六曜"
  EXPECT_FALSE(c.form().values.rbKinenbi);

  EXPECT_EQ(c.Value(C("edtCSun")), "clRed");
  c.Change(C("edtCSun"), "$00123456");
  EXPECT_EQ(c.form().values.edtCSun, 0x00123456u);

  c.Change(C("edtNetFolder"), "\\\\server\\share\\velda\\");
  EXPECT_EQ(c.form().values.edtNetFolder, "\\\\server\\share\\velda\\");

  EXPECT_EQ(c.Value(C("vCLine1")), "2");
  c.Change(C("vCLine1"), "7");
  EXPECT_EQ(c.form().memo.vCLine1, 7);
}

TEST_F(OptionsControllerTest, NumbersAreKeptWhileTypedInRangeAndClampedWhenLeft) {
  OptionsController c = Make();
  const OptionControl& lines = C("udKidouGyou");
  c.Typed(lines, "5");  // on the way to "500": out of range, not taken yet
  EXPECT_EQ(c.form().values.udKidouGyou, 100);
  c.Typed(lines, "500");
  EXPECT_EQ(c.form().values.udKidouGyou, 500);
  EXPECT_EQ(c.LeaveNumber(lines, "5000"), "1000");
  EXPECT_EQ(c.form().values.udKidouGyou, 1000);
  EXPECT_EQ(c.LeaveNumber(lines, "abc"), "1000");  // refused: the value before
  EXPECT_EQ(c.LeaveNumber(C("udYokoC"), "-300"), "-256");
  EXPECT_EQ(c.form().values.udYokoC, -256);
  EXPECT_EQ(c.LeaveNumber(C("udKFutosa"), "0"), "1");
}

TEST_F(OptionsControllerTest, BackupIntervalOnARemovableDriveAsksFirst) {
  context.onRemovableDrive = true;
  OptionsController c = Make();
  os.dialogs.Answer(MsgResult::Yes);
  c.Change(C("cbBackKankaku"), "3");
  EXPECT_EQ(c.Value(C("cbBackKankaku")), "0");  // the list goes back to "0"
  os.dialogs.Answer(MsgResult::No);
  c.Change(C("cbBackKankaku"), "3");
  EXPECT_EQ(c.form().values.cbBackKankaku, 3);
  EXPECT_EQ(os.dialogs.shown.size(), 4u);
}

TEST_F(OptionsControllerTest, ResetGivesBackTheColoursOnly) {
  OptionsController c = Make();
  c.Change(C("edtCSat"), "clRed");
  c.Change(C("edtKColor"), "clRed");
  c.ResetColours();
  EXPECT_EQ(c.Value(C("edtCSat")), "clBlue");
  EXPECT_EQ(c.Value(C("edtKColor")), "clRed");
}

TEST_F(OptionsControllerTest, LocalCheckBoxWritesTheMarkerAtOnceAndTellsAFailure) {
  OptionsController c = Make();
  const std::string marker = temp / "localfol.kdf";
  c.Change(C("cbLocal"), "1");
  EXPECT_TRUE(os.fs.Exists(marker));
  EXPECT_EQ(c.Value(C("cbLocal")), "1");

  os.fs.Fail(platform::FailingFileSystem::Op::DeleteFile, -1);
  c.Change(C("cbLocal"), "0");
  EXPECT_TRUE(os.fs.Exists(marker));
  EXPECT_EQ(c.Value(C("cbLocal")), "1");  // the box shows what is on disk
  EXPECT_EQ(os.dialogs.Texts(), std::vector<std::string>{"ファイルの削除に失敗しました。"});
}

TEST_F(OptionsControllerTest, FolderGroupButtonsFollowThePendingChange) {
  OptionsController c = Make();
  auto enabled = [&](std::string_view name) { return c.Enabled(C(name)); };
  EXPECT_TRUE(enabled("btnFolderChange"));
  EXPECT_FALSE(enabled("btnFolderExecute"));
  EXPECT_TRUE(c.ReadOnly(C("edFolder")));
  c.BeginFolderChange();
  EXPECT_FALSE(enabled("btnFolderChange"));
  EXPECT_TRUE(enabled("btnFolderExecute"));
  EXPECT_TRUE(enabled("btnFolderCancel"));
  EXPECT_FALSE(c.ReadOnly(C("edFolder")));

  const std::string target = support::JoinPath(temp.path(), "data\\");
  os.dialogs.Answer(MsgResult::Yes);  // change the data folder?
  os.dialogs.Answer(MsgResult::Yes);  // create it?
  EXPECT_TRUE(c.ExecuteFolderChange(target));
  EXPECT_EQ(c.Value(C("edFolder")), target);
  EXPECT_FALSE(c.FolderPending());
  EXPECT_TRUE(os.fs.IsFolder(target));
}

// Nothing is taken before the user confirms: No to the question keeps the
// old folder and makes none.
TEST_F(OptionsControllerTest, FolderChangeAnsweredNoLeavesEverything) {
  OptionsController c = Make();
  c.BeginFolderChange();
  const std::string target = support::JoinPath(temp.path(), "other\\");
  os.dialogs.Answer(MsgResult::No);
  EXPECT_FALSE(c.ExecuteFolderChange(target));
  EXPECT_EQ(c.Value(C("edFolder")), "");
  EXPECT_FALSE(os.fs.Exists(support::RemoveTrailingSeparator(target)));
  EXPECT_FALSE(c.MayLeaveFolder());  // still pending
  c.CancelFolderChange();
  EXPECT_TRUE(c.MayLeaveFolder());
}

TEST_F(OptionsControllerTest, OldShellAndCdRomGreyTheirBoxes) {
  context.shellMajorVersion = 4;
  context.onCdRom = true;
  OptionsController c = Make();
  EXPECT_FALSE(c.Enabled(C("cbToday")));
  EXPECT_FALSE(c.Enabled(C("cbLocal")));
  EXPECT_TRUE(c.Enabled(C("cbHotkey")));
}

}  // namespace
}  // namespace settings
