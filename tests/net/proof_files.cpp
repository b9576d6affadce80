#include "proof_files.h"

#include <chrono>
#include <memory>
#include <thread>

#include "platform/filesystem.h"
#include "support/text.h"

namespace proof {
namespace {

platform::FileSystem& Fs() {
  static std::unique_ptr<platform::FileSystem> fs = platform::CreateNativeFileSystem();
  return *fs;
}

}  // namespace

bool Touch(const std::string& path, const std::string& text) { return Fs().WriteAtomic(path, text); }
bool Present(const std::string& path) { return Fs().Exists(path); }

bool AwaitFile(const std::string& path, unsigned timeoutMs) {
  const std::uint64_t end = TickMs() + timeoutMs;
  while (!Present(path)) {
    if (TickMs() > end) return false;
    SleepMs(10);
  }
  return true;
}

std::string ReadBytes(const std::string& path) { return Fs().ReadAll(path).value_or("<missing>"); }

bool WriteReport(const std::string& path, const Report& report) {
  std::string text;
  for (const auto& [key, value] : report) text += key + "=" + value + "\n";
  return Touch(path, text);
}

Report ReadReport(const std::string& path) {
  Report report;
  for (const std::string& line : support::SplitLines(ReadBytes(path))) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos) report.emplace(line.substr(0, eq), line.substr(eq + 1));
  }
  return report;
}

std::string Value(const Report& report, const std::string& key) {
  auto it = report.find(key);
  return it == report.end() ? "" : it->second;
}

std::vector<std::string> Values(const Report& report, const std::string& key) {
  std::vector<std::string> values;
  for (auto [it, end] = report.equal_range(key); it != end; ++it) values.push_back(it->second);
  return values;
}

int IntValue(const Report& report, const std::string& key) { return support::StrToIntDef(Value(report, key), -1); }

void SleepMs(unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::uint64_t TickMs() {
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
}

}  // namespace proof
