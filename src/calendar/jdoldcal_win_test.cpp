// Velda.exe carries the lunisolar table as its JDOLDCAL resource.
#include <windows.h>

#include <gtest/gtest.h>

#include "calendar/jdoldcal_bytes.h"
#include "calendar/old_calendar.h"
#include "platform/text_win.h"

namespace calendar {
namespace {

std::string ResourceOf(HMODULE module, const wchar_t* name) {
  const HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!found) return {};
  const void* bytes = LockResource(LoadResource(module, found));
  return bytes ? std::string(static_cast<const char*>(bytes), SizeofResource(module, found)) : "";
}

TEST(JdOldCalResource, VeldaExeCarriesTheTable) {
  const std::wstring exe = platform::Widen(VELDA_EXE);
  if (GetFileAttributesW(exe.c_str()) == INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << "Velda.exe is not built: " << VELDA_EXE;
  const HMODULE module =
      LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr) << GetLastError();
  const std::string resource = ResourceOf(module, L"JDOLDCAL");
  FreeLibrary(module);

  EXPECT_EQ(resource, EmbeddedJdOldCalText());
  const OldMonthTable table = OldMonthTable::FromText(resource);
  ASSERT_EQ(table.Rows().size(), 2488u);
  EXPECT_EQ(table.RokuyoOf(2448066), 5);
}

// Programs without the resource (this test, velcal) use the compiled-in copy.
TEST(JdOldCalResource, OtherProgramsUseTheCompiledInTable) {
  EXPECT_TRUE(ResourceOf(GetModuleHandleW(nullptr), L"JDOLDCAL").empty());
  EXPECT_EQ(JdOldCalText(), EmbeddedJdOldCalText());
}

}  // namespace
}  // namespace calendar
