// A stand-in for a companion program, built only for the tests (it is no
// real product): it writes the command line it was started with, as UTF-8,
// into "<its own path>.args.txt" and ends.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  return out;
}

}  // namespace

int wmain() {
  wchar_t self[MAX_PATH * 2]{};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  std::wstring record = std::wstring(self) + L".args.txt";
  std::string line = Utf8(GetCommandLineW());
  HANDLE file = CreateFileW(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
