#include "platform/programs.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"

namespace platform {
namespace {

TEST(FindRunningInstance, MatchesClassAndTitleAndRaisesOnlyWhenAsked) {
  FakeShell shell;
  shell.windows[{"TfmC21", "楓帳 - Velda -"}] = 42;
  EXPECT_FALSE(FindRunningInstance(shell, "TApplication", "楓帳 - Velda -", true));
  EXPECT_TRUE(FindRunningInstance(shell, "TfmC21", "楓帳 - Velda -", false));
  EXPECT_TRUE(shell.raised.empty());
  EXPECT_TRUE(FindRunningInstance(shell, "TfmC21", "楓帳 - Velda -", true));
  EXPECT_EQ(shell.raised, std::vector<WindowHandle>{42});
}

}  // namespace
}  // namespace platform
