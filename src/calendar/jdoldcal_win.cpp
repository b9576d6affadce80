#include <windows.h>

#include "calendar/jdoldcal_bytes.h"
#include "calendar/old_calendar.h"

namespace calendar {

// Velda.exe carries the table as its JDOLDCAL resource; other programs on
// this library (velcal, the tests) fall back to the compiled-in copy.
std::string_view JdOldCalText() {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceW(module, L"JDOLDCAL", MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = found ? SizeofResource(module, found) : 0;
  if (!bytes || size == 0) return EmbeddedJdOldCalText();
  return {static_cast<const char*>(bytes), size};
}

}  // namespace calendar
