#include "store/save_guard.h"

#include <gtest/gtest.h>

#include "store/store_test_fixture.h"

namespace store {
namespace {

using Op = platform::FailingFileSystem::Op;
using platform::MsgResult;
using Lines = std::vector<std::string>;

const std::string kShrunk =
    "2005年1月予定が立ち上げ時の半分以下、または０になっています。\r\nこの月を保存してもいいですか。\r\n"
    "（※大量に予定を削除した月以外は、「いいえ」（保存しない）にしてください。）";
const std::string kReally = "本当に予定を大量に削除しましたか？";
const std::string kEmptied =
    "2005年1月予定が全く有りませんが、\r\nこの月を保存してもいいですか。\r\n"
    "（※予定を全削除した月以外は、「いいえ」（保存しない）にしてください。）";
const std::string kReallyEmpty = "本当にこのまま 2005年1月予定をない状態にしてもいいですか？";
const std::string kNotSaved = "2005年1月予定は保存しません。";

struct GuardCase {
  std::string name;
  int loadCount, lines;
  std::vector<MsgResult> answers;
  Lines told;
  bool written;
};

class MonthGuard : public StoreTest, public testing::WithParamInterface<GuardCase> {};

TEST_P(MonthGuard, AsksWhatTheShrinkCallsFor) {
  const GuardCase& c = GetParam();
  MonthSlot slot{2005, 1};
  slot.lines.assign(static_cast<size_t>(c.lines), " 5,1,,x");
  slot.loadCount = c.loadCount;
  for (auto a : c.answers) fake.dialogs.Answer(a);
  NetworkLink network;
  EXPECT_EQ(SaveMonth(env, slot, network) == SaveOutcome::Written, c.written);
  EXPECT_EQ(Texts(), c.told);
  for (const auto& shown : fake.dialogs.shown) {
    if (shown.buttons == platform::MsgButtons::YesNo) {
      EXPECT_EQ(shown.defaultButton, 1);  // No
    }
  }
  EXPECT_EQ(Has("Ca200501.kdf"), c.written);
}

const MsgResult Yes = MsgResult::Yes, No = MsgResult::No;

INSTANTIATE_TEST_SUITE_P(
    All, MonthGuard,
    testing::Values(GuardCase{"HalfIsEnough", 10, 5, {}, {}, true},
                    GuardCase{"BelowHalfAsksTwice", 10, 4, {Yes, Yes}, {kShrunk, kReally}, true},
                    GuardCase{"FirstNo", 10, 4, {No}, {kShrunk, kNotSaved}, false},
                    GuardCase{"SecondNo", 10, 4, {Yes, No}, {kShrunk, kReally, kNotSaved}, false},
                    GuardCase{"OddLoadCount", 5, 2, {}, {}, true},
                    GuardCase{"HeaderLeftAsks", 2, 1, {Yes, Yes}, {kEmptied, kReallyEmpty}, true},
                    GuardCase{"HeaderLeftFirstNoIsQuiet", 2, 1, {No}, {kEmptied}, false},
                    GuardCase{"HeaderLeftSecondNo", 2, 1, {Yes, No}, {kEmptied, kReallyEmpty, kNotSaved}, false},
                    GuardCase{"EmptyMonthNeverGetsAFile", 1, 1, {}, {}, false},
                    GuardCase{"NothingLeftAsks", 1, 0, {Yes, Yes}, {kShrunk, kReally}, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(StoreTest, MonthWriteFailuresCarryTheirCodes) {
  struct Case {
    int loadCount, lines;
    std::vector<MsgResult> answers;
    bool failWrite;
    const char* code;
  } cases[] = {{10, 5, {}, true, "fs05"}, {10, 5, {}, false, "fs06"},
               {10, 1, {MsgResult::Yes, MsgResult::Yes}, true, "fs01"},
               {10, 1, {MsgResult::Yes, MsgResult::Yes}, false, "fs02"},
               {2, 1, {MsgResult::Yes, MsgResult::Yes}, true, "fs03"},
               {2, 1, {MsgResult::Yes, MsgResult::Yes}, false, "fs04"}};
  for (const auto& c : cases) {
    platform::ScriptedDialogs dialogs;
    platform::Services os{fake.fs, dialogs, fake.clock, fake.system, fake.shell, fake.clipboard};
    StoreEnv e{os, folders};
    for (auto a : c.answers) dialogs.Answer(a);
    MonthSlot slot{2005, 1};
    slot.lines.assign(static_cast<size_t>(c.lines), " 5,1,,x");
    slot.loadCount = c.loadCount;
    NetworkLink network{true, true, [] { return false; }};  // the count fails
    if (c.failWrite) fake.fs.Fail(Op::WriteAtomic, 10);
    EXPECT_EQ(SaveMonth(e, slot, network), c.failWrite ? SaveOutcome::Failed : SaveOutcome::Written);
    EXPECT_EQ(dialogs.Texts().back(), std::string("2005年1月のデータを書き損ねたおそれがあります(") + c.code +
                                          ")。\r\nチェック願います。");
  }
}

// Regression: a month whose file could not be read held only the header;
// the first edit then wrote that over the whole file.
TEST_F(StoreTest, MonthWhoseFileCouldNotBeReadIsNeverWrittenOver) {
  Put("Ca200501.kdf", "h\r\n 5,1,,kept\r\n");
  MonthSlot slot{2005, 1};
  fake.fs.Fail(Op::ReadAll, 5);
  ReadMonth(env, slot, 2, false);
  ASSERT_TRUE(slot.unread);
  ReplaceDay(slot, 1, 6, {DayEntry{"new", {}}}, false);
  NetworkLink network;
  EXPECT_EQ(SaveMonth(env, slot, network), SaveOutcome::Failed);
  EXPECT_EQ(Get("Ca200501.kdf"), "h\r\n 5,1,,kept\r\n");
  EXPECT_EQ(Texts().back(), "2005年1月の予定データが読み込めていないため、\r\nファイルを守るためこの月は保存しません。");

  ReadMonth(env, slot, 2, true);  // the file is readable again
  EXPECT_FALSE(slot.unread);
  EXPECT_EQ(slot.lines.back(), " 5,1,,kept");
}

TEST_F(StoreTest, NetworkMonthIsWrittenOnlyForAPendingEdit) {
  MonthSlot slot{2005, 1};
  slot.lines = {"h", " 5,1,,x"};
  slot.loadCount = 2;
  int counted = 0;
  NetworkLink network{true, false, [&] { return ++counted > 0; }};
  EXPECT_EQ(SaveMonth(env, slot, network), SaveOutcome::Skipped);
  EXPECT_FALSE(Has("Ca200501.kdf"));
  network.writePending = true;
  EXPECT_EQ(SaveMonth(env, slot, network), SaveOutcome::Written);
  EXPECT_FALSE(network.writePending);
  EXPECT_EQ(counted, 1);
  EXPECT_TRUE(Texts().empty());
}

}  // namespace
}  // namespace store
