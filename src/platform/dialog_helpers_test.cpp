#include "platform/dialog_helpers.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/doubles_testutil.h"

namespace platform {
namespace {

struct BoxCase {
  const char* name;
  std::function<void(Dialogs&)> call;
  const char* caption;
  MsgIcon icon;
  MsgButtons buttons;
  int defaultButton;
};

class DialogHelperBoxes : public testing::TestWithParam<BoxCase> {};

TEST_P(DialogHelperBoxes, ShowTheFixedCaptionIconAndDefault) {
  ScriptedDialogs dialogs;
  GetParam().call(dialogs);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const Message& m = dialogs.shown[0];
  EXPECT_EQ(m.text, "本文");
  EXPECT_EQ(m.caption, GetParam().caption);
  EXPECT_EQ(m.icon, GetParam().icon);
  EXPECT_EQ(m.buttons, GetParam().buttons);
  EXPECT_EQ(m.defaultButton, GetParam().defaultButton);
}

INSTANTIATE_TEST_SUITE_P(
    All, DialogHelperBoxes,
    testing::Values(
        BoxCase{"AskYesDefault", [](Dialogs& d) { AskYesNo(d, "本文", true); }, "確認",
                MsgIcon::Question, MsgButtons::YesNo, 0},
        BoxCase{"AskNoDefault", [](Dialogs& d) { AskYesNo(d, "本文", false); }, "確認",
                MsgIcon::Question, MsgButtons::YesNo, 1},
        BoxCase{"AskCaption", [](Dialogs& d) { AskYesNoCaption(d, "本文", "楓帳", false); },
                "楓帳", MsgIcon::Question, MsgButtons::YesNo, 1},
        BoxCase{"AskBlankCaption", [](Dialogs& d) { AskYesNoCaption(d, "本文", " \t", true); },
                "確認", MsgIcon::Question, MsgButtons::YesNo, 0},
        BoxCase{"InfoCaption", [](Dialogs& d) { ShowInfo(d, "本文", "お知らせ"); }, "お知らせ",
                MsgIcon::Information, MsgButtons::Ok, 0},
        BoxCase{"InfoBlankCaption", [](Dialogs& d) { ShowInfo(d, "本文", ""); }, "確認",
                MsgIcon::Information, MsgButtons::Ok, 0},
        BoxCase{"Inform", [](Dialogs& d) { Inform(d, "本文"); }, "確認 -楓帳-",
                MsgIcon::Information, MsgButtons::Ok, 0},
        BoxCase{"Error", [](Dialogs& d) { ShowError(d, "本文"); }, "エラー -楓帳-",
                MsgIcon::Error, MsgButtons::Ok, 0}),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST(DialogHelpers, AskReturnsTrueOnlyForYes) {
  ScriptedDialogs dialogs;
  dialogs.Answer(MsgResult::Yes);
  dialogs.Answer(MsgResult::No);
  EXPECT_TRUE(AskYesNo(dialogs, "q", false));
  EXPECT_FALSE(AskYesNoCaption(dialogs, "q", "c", true));
}

TEST(DialogHelpers, UnansweredQuestionTakesItsDefault) {
  ScriptedDialogs dialogs;
  EXPECT_TRUE(AskYesNo(dialogs, "q", true));
  EXPECT_FALSE(AskYesNo(dialogs, "q", false));
}

}  // namespace
}  // namespace platform
