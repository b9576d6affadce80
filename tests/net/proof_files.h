#pragma once
// The small files by which the controller and the computers of the proof
// talk: a name's presence is a signal, a report is "key=value" lines.
#include <map>
#include <string>
#include <vector>

namespace proof {

using Report = std::multimap<std::string, std::string>;

bool Touch(const std::string& path, const std::string& text = "");
bool Present(const std::string& path);
// Waits until the file exists; false after `timeoutMs`.
bool AwaitFile(const std::string& path, unsigned timeoutMs);
std::string ReadBytes(const std::string& path);
bool WriteReport(const std::string& path, const Report& report);
Report ReadReport(const std::string& path);
std::string Value(const Report& report, const std::string& key);
std::vector<std::string> Values(const Report& report, const std::string& key);
int IntValue(const Report& report, const std::string& key);
void SleepMs(unsigned ms);
std::uint64_t TickMs();

}  // namespace proof
