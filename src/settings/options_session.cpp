#include "settings/options_session.h"

#include <vector>

#include "platform/ini_file.h"
#include "settings/settings_file.h"

namespace settings {
namespace {

constexpr char kMemoSection[] = "Memo";
// The memo window's keys its options page edits; the others (its place,
// its documents' rows) are the memo window's own to write.
constexpr std::string_view kMemoOptionKeys[] = {"vCLine1", "vCLine2", "vJHanten", "vMenuCount"};

std::vector<KeyRow<MemoWindowKeys>> MemoOptionRows() {
  std::vector<KeyRow<MemoWindowKeys>> rows;
  for (const auto& row : MemoWindowKeyRows())
    for (std::string_view key : kMemoOptionKeys)
      if (row.key == key) rows.push_back(row);
  return rows;
}

}  // namespace

OptionsSession::OptionsSession(platform::Services& os, OptionsContext context, std::string settingsFile)
    : os_(os), context_(std::move(context)), settingsFile_(std::move(settingsFile)) {}

OptionsForm OptionsSession::Open(const Settings& s, OptionsMode mode) {
  mode_ = mode;
  const OptionsWindowKeys own = LoadOptionsWindowKeys(os_, settingsFile_);
  const MemoWindowKeys memo = LoadMemoWindowKeys(os_.fs, settingsFile_, kMemoSection,
                                                 Defaults(MemoWindowKeyRows()));
  return FillOptions(s, own, memo, context_);
}

OptionsChanges OptionsSession::Close(const OptionsForm& form, int pageIndex, bool confirmed, bool networkOn,
                                     Settings& s) {
  const Settings before = s;
  OptionsWindowKeys own = form.windowKeys;
  own.PageIndex = pageIndex;
  SaveOptionsWindowKeys(os_.fs, settingsFile_, own);
  if (confirmed) {
    MemoWindowKeys memo = form.memo;
    CopyOptionsBack(form, context_, s, memo);
    if (mode_ == OptionsMode::Memo) SaveMemoOptionKeys(memo);
  } else {
    CopyDataFolderBack(form, context_, s);
  }
  return ChangesOf(before, s, networkOn);
}

// Only the four keys: a write of the whole section would put the memo
// window's design bounds into a file that never had them.
bool OptionsSession::SaveMemoOptionKeys(const MemoWindowKeys& memo) {
  support::IniText ini;
  if (!platform::LoadIniFile(os_.fs, settingsFile_, ini) && os_.fs.Exists(settingsFile_)) return false;
  const std::vector<KeyRow<MemoWindowKeys>> rows = MemoOptionRows();
  WriteRows<MemoWindowKeys>(rows, ValuesOf(ini), memo, kMemoSection);
  return platform::SaveIniFile(os_.fs, settingsFile_, ini);
}

}  // namespace settings
