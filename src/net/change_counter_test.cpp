#include "net/change_counter.h"

#include "net/net_test_fixture.h"

namespace net {
namespace {

using After = SteppingInFileSystem::After;

class ChangeCounterTest : public NetTest {
 protected:
  int Count(Computer& pc, bool increment) {
    return CountUpdate(pc.os, counter, kCounterTries, increment, kCounterWaitMs);
  }
  std::string counter = P("update.kdf");
  Computer pc01{fs, "PC01"};
  Computer pc02{fs, "PC02"};
};

TEST_F(ChangeCounterTest, CountsUpFromWhatTheFileHolds) {
  struct Case {
    const char* file;  // nullptr: no file
    int increased;
    int read;
  } cases[] = {
      {nullptr, 1, 1},        {"41\r\n", 42, 41},  {"", 1, -1},
      {"abc\r\n", 1, -1},     {"7", 8, 7},         {"1000000000\r\n", 1000000001, 1000000000},
      {"1000000001\r\n", 1, 1000000001},
  };
  for (const Case& c : cases) {
    for (bool increment : {true, false}) {
      platform::RealFileSystem().DeleteFile(counter);
      if (c.file) Put("update.kdf", c.file);
      const int count = Count(pc01, increment);
      EXPECT_EQ(count, increment ? c.increased : c.read) << (c.file ? c.file : "(none)") << increment;
      if (increment) {
        EXPECT_EQ(Get("update.kdf"), std::to_string(count) + "\r\n");
      }
    }
  }
}

// PC02 counts its own write while PC01 is in the middle of counting: every
// count reported as done must show in the file.
TEST_F(ChangeCounterTest, TwoWritersNeverLoseAnIncrement) {
  Put("update.kdf", "41\r\n");
  int second = 0;
  fs.StepIn(After::Read, counter, [&] { second = Count(pc02, true); });
  const int first = Count(pc01, true);

  const int counted = (first > 0) + (second > 0);
  EXPECT_EQ(std::stoi(Get("update.kdf")), 41 + counted) << "first " << first << ", second " << second;
  EXPECT_NE(first, second);
}

// A poller that reads at any moment of a count sees the old or the new
// count, or a failure that changes nothing, never a file made afresh.
TEST_F(ChangeCounterTest, APollerNeverFindsTheCounterGone) {
  Put("update.kdf", "41\r\n");
  std::vector<int> seen;
  fs.StepInAfterEach(counter, [&] { seen.push_back(Count(pc02, false)); });
  EXPECT_EQ(Count(pc01, true), 42);
  fs.StepIn(After::Any, "", nullptr);
  ASSERT_FALSE(seen.empty());
  for (int count : seen) EXPECT_TRUE(count == 41 || count == 42 || count == -1) << count;
  EXPECT_EQ(Get("update.kdf"), "42\r\n");
}

TEST_F(ChangeCounterTest, AHeldCounterIsWaitedForFiveTimesASecondApart) {
  Put("update.kdf", "41\r\n");
  auto held = fs.OpenExclusive(counter);
  EXPECT_EQ(Count(pc01, true), -1);
  EXPECT_EQ(Count(pc01, false), -1);
  EXPECT_EQ(pc01.clock.sleeps, std::vector<unsigned>(8, 1000));
  held.reset();
  EXPECT_EQ(Get("update.kdf"), "41\r\n");
}

// PC02's change came between PC01's last poll and PC01's own write: the
// count PC01 gets back is not the one after its last, so it must not take
// it as seen, or its next poll would miss PC02's change.
TEST_F(ChangeCounterTest, AWriteDoesNotSwallowAnotherComputersChange) {
  Put("update.kdf", "5\r\n");
  ChangeCounter mine{pc01.os, counter}, theirs{pc02.os, counter};
  mine.Remember(mine.Read());
  theirs.Remember(theirs.Read());
  ASSERT_TRUE(theirs.CountWrite());
  EXPECT_EQ(theirs.remembered(), 6);  // its own change needs no re-read

  ASSERT_TRUE(mine.CountWrite());
  EXPECT_NE(mine.Read(), mine.remembered()) << "PC01's next poll would not read PC02's change";
}

TEST_F(ChangeCounterTest, AFailedCountLeavesTheNextPollToReadAgain) {
  Put("update.kdf", "5\r\n");
  ChangeCounter mine{pc01.os, counter};
  mine.Remember(5);
  auto held = fs.OpenExclusive(counter);
  EXPECT_FALSE(mine.CountWrite());
  EXPECT_EQ(mine.remembered(), 0);
}

}  // namespace
}  // namespace net
