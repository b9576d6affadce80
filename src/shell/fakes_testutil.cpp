#include "shell/fakes_testutil.h"

#include "store/month_file.h"
#include "support/cp932.h"

namespace shell {

void FakeShellView::ShowSlot(int slot, calendar::DayNumber day) {
  shownSlot = slot;
  shownDay = day;
}

void FakeShellView::SetTabs(const std::vector<std::string>& captions, int selected) {
  tabs = captions;
  selectedTab = selected;
}

void FakeShellView::ApplyDisplayMode(const GridMetrics& m, bool centre) {
  modes.push_back(m);
  centred.push_back(centre);
}

int CountingFileSystem::Count(const std::string& name) const {
  auto it = counts_.find(name);
  return it == counts_.end() ? 0 : it->second;
}

int CountingFileSystem::Reads() const {
  return Count("ReadAll") + Count("Exists") + Count("IsFolder") + Count("List") +
         Count("ModifiedTime") + Count("OpenExclusive");
}

std::optional<std::string> CountingFileSystem::ReadAll(const std::string& p) {
  Note("ReadAll");
  return inner_.ReadAll(p);
}
bool CountingFileSystem::WriteAtomic(const std::string& p, std::string_view b) {
  Note("WriteAtomic");
  return inner_.WriteAtomic(p, b);
}
bool CountingFileSystem::Append(const std::string& p, std::string_view b) {
  Note("Append");
  return inner_.Append(p, b);
}
bool CountingFileSystem::Exists(const std::string& p) {
  Note("Exists");
  return inner_.Exists(p);
}
bool CountingFileSystem::IsFolder(const std::string& p) {
  Note("IsFolder");
  return inner_.IsFolder(p);
}
std::vector<platform::DirEntry> CountingFileSystem::List(const std::string& p) {
  Note("List");
  return inner_.List(p);
}
std::optional<platform::DateTime> CountingFileSystem::ModifiedTime(const std::string& p) {
  Note("ModifiedTime");
  return inner_.ModifiedTime(p);
}
platform::DriveKind CountingFileSystem::KindOfDrive(const std::string& r) {
  Note("KindOfDrive");
  return inner_.KindOfDrive(r);
}
bool CountingFileSystem::CreateFolder(const std::string& p) {
  Note("CreateFolder");
  return inner_.CreateFolder(p);
}
bool CountingFileSystem::RemoveEmptyFolder(const std::string& p) {
  Note("RemoveEmptyFolder");
  return inner_.RemoveEmptyFolder(p);
}
bool CountingFileSystem::CopyFile(const std::string& f, const std::string& t, bool o) {
  Note("CopyFile");
  return inner_.CopyFile(f, t, o);
}
bool CountingFileSystem::Rename(const std::string& f, const std::string& t) {
  Note("Rename");
  return inner_.Rename(f, t);
}
bool CountingFileSystem::DeleteFile(const std::string& p) {
  Note("DeleteFile");
  return inner_.DeleteFile(p);
}
bool CountingFileSystem::ShellCopy(const std::vector<std::string>& f, const std::string& t,
                                   const platform::ShellOpFlags& fl) {
  Note("ShellCopy");
  return inner_.ShellCopy(f, t, fl);
}
bool CountingFileSystem::ShellDelete(const std::vector<std::string>& p,
                                     const platform::ShellOpFlags& fl) {
  Note("ShellDelete");
  return inner_.ShellDelete(p, fl);
}
bool CountingFileSystem::ShellMove(const std::string& f, const std::string& t,
                                   const platform::ShellOpFlags& fl) {
  Note("ShellMove");
  return inner_.ShellMove(f, t, fl);
}
std::unique_ptr<platform::FileLock> CountingFileSystem::CreateExclusive(const std::string& p,
                                                                        std::string_view c) {
  Note("CreateExclusive");
  return inner_.CreateExclusive(p, c);
}
std::unique_ptr<platform::FileLock> CountingFileSystem::OpenExclusive(const std::string& p) {
  Note("OpenExclusive");
  return inner_.OpenExclusive(p);
}

std::string Cp932Lines(const std::vector<std::string>& utf8Lines) {
  std::string bytes;
  for (const std::string& line : utf8Lines) bytes += support::Utf8ToCp932(line) + "\r\n";
  return bytes;
}

std::vector<std::string> MonthLines(int year, int month, int entries) {
  std::vector<std::string> lines{store::MonthHeader(year, month, "Data\\Files1\\")};
  for (int i = 1; i <= entries; ++i)
    lines.push_back(" 1," + std::to_string(i) + ",,予定" + std::to_string(i) + ",,,,,,");
  return lines;
}

}  // namespace shell
