#include <gtest/gtest.h>

#include "platform/native_services.h"

namespace platform {
namespace {

TEST(NativePosix, SystemFactsComeFromTheHost) {
  NativeServices native;
  System& system = native.services().system;
  EXPECT_TRUE(native.services().fs.Exists(system.ProgramFolder() + "platform_test"));
  EXPECT_FALSE(system.ComputerName().empty());
  EXPECT_EQ(system.ComputerName().find('.'), std::string::npos);
  EXPECT_EQ(system.SpecialFolder(kProfileFolder).back(), '/');
  EXPECT_EQ(system.SpecialFolder(9999), "");
  EXPECT_EQ(system.Version().major, 0);  // not Windows
}

TEST(NativePosix, ConsoleDialogsTakeTheDefaultAnswer) {
  NativeServices native;
  Message question{"続けますか。", "確認", MsgIcon::Question, MsgButtons::YesNo, 1};
  EXPECT_EQ(native.services().dialogs.Show(question), MsgResult::No);
  std::string seen;
  native.dialogs().SetStatusSink([&](const std::string& t) { seen = t; });
  native.services().dialogs.SetStatusText("待機中");
  EXPECT_EQ(seen, "待機中");
}

TEST(NativePosix, ClockTicksForward) {
  NativeServices native;
  Clock& clock = native.services().clock;
  std::uint64_t before = clock.TickMs();
  clock.Sleep(5);
  EXPECT_GE(clock.TickMs(), before + 5);
  EXPECT_GE(clock.Now().year, 2024);
}

}  // namespace
}  // namespace platform
