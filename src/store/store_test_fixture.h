#pragma once
// A scratch data folder with faked dialogs, clock and a file system that
// fails on request, for the tests of this folder.
#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "platform/doubles_testutil.h"
#include "store/folders.h"
#include "store/schedule_item.h"
#include "support/paths.h"

namespace store {

inline void PrintTo(const DayEntry& e, std::ostream* os) {
  const ItemAttributes& a = e.attributes;
  *os << '"' << e.text << "\" colour=" << std::hex << a.color << std::dec << " A=" << int(a.markA)
      << " time=" << a.time << " B=" << int(a.markB) << " C=" << a.markC;
}

// Random lines of any bytes but line ends, some of them codes that Windows
// maps onto the same character as another code.
inline std::string RandomMonthBytes(std::mt19937& rng) {
  static const std::string tricky[] = {"\x87\x90", "\x81\xE0", "\xED\x40", "\xFA\x5C", "\x87\x9A",
                                       "\x81\xE6", "\x82", "\xFF", "\x80", "\xA0", "\xFD"};
  std::string bytes;
  int lines = static_cast<int>(rng() % 40);
  for (int l = 0; l < lines; ++l) {
    int length = static_cast<int>(rng() % (l == 7 ? 20000 : 60));
    for (int i = 0; i < length; ++i) {
      if (rng() % 8 == 0) {
        bytes += tricky[rng() % std::size(tricky)];
        continue;
      }
      char c = static_cast<char>(rng() % 256);
      bytes += (c == '\r' || c == '\n') ? ',' : c;
    }
    bytes += "\r\n";
  }
  return bytes;
}

class StoreTest : public testing::Test {
 protected:
  StoreTest() {
    folders.programFolder = folders.dataRoot = folders.dataFolder = folders.commonDataFolder = dir.path();
  }

  // Writes bytes straight to the disk, around the failing file system.
  void Put(const std::string& name, std::string_view bytes) {
    ASSERT_TRUE(platform::RealFileSystem().WriteAtomic(dir / name, bytes));
  }
  std::string Get(const std::string& name) {
    return platform::RealFileSystem().ReadAll(dir / name).value_or("<missing>");
  }
  bool Has(const std::string& name) { return platform::RealFileSystem().Exists(dir / name); }
  // A path below the scratch folder; "\\" in `relative` separates folders.
  std::string P(const std::string& relative) const { return support::JoinPath(dir.path(), relative); }
  std::vector<std::string> Texts() const { return fake.dialogs.Texts(); }

  platform::TempFolder dir;
  platform::FakeServices fake;
  Folders folders;
  StoreEnv env{fake.services, folders};
};

}  // namespace store
