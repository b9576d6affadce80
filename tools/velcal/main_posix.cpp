// velcal natively: arguments and output are UTF-8 already.
#include <iostream>

#include "platform/clock.h"
#include "platform/native_services.h"
#include "velcal.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto fs = platform::CreateNativeFileSystem();
  velcal::Environment env{*fs, platform::CreateNativeSystem()->ProgramFolder(),
                          platform::CreateNativeClock()->Now(), std::cout, std::cerr};
  return velcal::Run(args, env);
}
