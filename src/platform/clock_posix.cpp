// The clock of the native build (velcal, tests).
#include <time.h>

#include <chrono>
#include <thread>

#include "platform/native_services.h"

namespace platform {
namespace {

class PosixClock : public Clock {
 public:
  DateTime Now() override {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    localtime_r(&ts.tv_sec, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
            tm.tm_min, tm.tm_sec, static_cast<int>(ts.tv_nsec / 1000000)};
  }
  std::uint64_t TickMs() override {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::uint64_t>(ts.tv_sec) * 1000 +
           static_cast<std::uint64_t>(ts.tv_nsec / 1000000);
  }
  void Sleep(unsigned milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
};

}  // namespace

std::unique_ptr<Clock> CreateNativeClock() { return std::make_unique<PosixClock>(); }

}  // namespace platform
