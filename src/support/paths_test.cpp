#include "support/paths.h"

#include <gtest/gtest.h>

namespace support {
namespace {

TEST(Paths, EnsureTrailingSeparatorAddsOnce) {
  std::string sep(1, kPathSeparator);
  EXPECT_EQ(EnsureTrailingSeparator("a"), "a" + sep);
  EXPECT_EQ(EnsureTrailingSeparator("a" + sep), "a" + sep);
  EXPECT_EQ(EnsureTrailingSeparator(""), "");
}

}  // namespace
}  // namespace support
