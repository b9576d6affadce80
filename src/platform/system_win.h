#pragma once
#include <windows.h>

namespace platform {

// The major version a library reports through its DllGetVersion export,
// looked up at run time; 0 when the library cannot be loaded, lacks the
// export or the call fails.
int LibraryMajorVersion(const wchar_t* library);

}  // namespace platform
