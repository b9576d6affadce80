// The clock of Velda.exe.
#include <windows.h>

#include "platform/native_services.h"

namespace platform {
namespace {

class WinClock : public Clock {
 public:
  DateTime Now() override {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
  }
  std::uint64_t TickMs() override { return GetTickCount64(); }
  void Sleep(unsigned milliseconds) override { ::Sleep(milliseconds); }
};

}  // namespace

std::unique_ptr<Clock> CreateNativeClock() { return std::make_unique<WinClock>(); }

}  // namespace platform
