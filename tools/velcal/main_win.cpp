// velcal.exe: UTF-16 arguments to UTF-8; output UTF-8 bytes as they are
// (no LF to CR LF), the console told to show them as UTF-8.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

#include "platform/clock.h"
#include "platform/native_services.h"
#include "platform/text_win.h"
#include "velcal.h"

int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(platform::Narrow(argv[i]));
  const auto fs = platform::CreateNativeFileSystem();
  velcal::Environment env{*fs, platform::CreateNativeSystem()->ProgramFolder(),
                          platform::CreateNativeClock()->Now(), std::cout, std::cerr};
  const int status = velcal::Run(args, env);
  std::cout.flush();
  return status;
}
