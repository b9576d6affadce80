#include "settings/commemoration_import.h"

#include <utility>

#include "store/exact_lines.h"
#include "store/month_file.h"
#include "store/save_guard.h"
#include "store/schedule_item.h"
#include "support/text.h"

namespace settings {
namespace {

// One run over the data folder, every month through the store's guards.
class GuardedRun {
 public:
  GuardedRun(const store::StoreEnv& env, store::NetworkLink& network)
      : os_(env.os), env_{os_, env.folders}, network_(network) {}

  const store::StoreEnv& env() const { return env_; }
  std::string PathOf(const std::string& name) const { return env_.folders.dataFolder + name; }

  // Reads a month file with the store's attempts; a file that cannot be
  // read is marked so that the guard will not write over it.
  void Read(store::MonthSlot& slot, const std::string& path) {
    slot.unread = !store::ReadLinesRetry(os_, path, store::kMonthReadWaitMs, store::kMonthReadTries,
                                          slot.lines, &slot.originals);
    slot.loadCount = static_cast<int>(slot.lines.size());
  }

  // Skipped (nothing to write) counts as written.
  store::SaveOutcome Save(const store::MonthSlot& slot, store::ShrinkGuard shrink = store::ShrinkGuard::Ask) {
    network_.writePending = true;  // a deliberate write, in network mode too
    const store::SaveOutcome outcome = store::SaveMonth(env_, slot, network_, shrink);
    return outcome == store::SaveOutcome::Skipped ? store::SaveOutcome::Written : outcome;
  }

  // The month files or commemoration files of the folder, by name.
  template <typename Each>
  bool ForEachFile(const char* pattern, std::string_view extension, Each each) {
    for (const platform::DirEntry& entry : os_.fs.List(PathOf(pattern))) {
      if (entry.isFolder) continue;
      const auto month = MonthOfFileName(entry.name, extension);
      if (month && !each(entry.name, *month)) return false;
    }
    return true;
  }

 private:
  platform::Services& os_;
  store::StoreEnv env_;
  store::NetworkLink& network_;
};

bool HasEntries(const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    if (store::ItemDay(line) != store::kHeaderDay) return true;
  return false;
}

bool IsDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// One commemoration file into its month; false on an error.
bool ImportFile(GuardedRun& run, const ImportOptions& options, const std::string& name, YearMonth ym,
                MergeRun& result) {
  store::MonthSlot commemoration{ym.year, ym.month};
  run.Read(commemoration, run.PathOf(name));
  if (commemoration.unread) return false;
  store::MonthSlot slot{ym.year, ym.month};
  const std::string monthPath = run.PathOf(store::MonthFileName(ym.year, ym.month));
  bool changed = true;
  if (!run.env().os.fs.Exists(monthPath)) {
    // Taken over as it is; one holding nothing but its header makes no file.
    slot = commemoration;
    changed = HasEntries(slot.lines);
  } else {
    run.Read(slot, monthPath);
    if (slot.lines.empty() && !slot.unread)
      slot.lines.push_back(store::MonthHeader(ym.year, ym.month, run.env().folders.setName));
    auto merged = MergeCommemoration(slot.lines, commemoration.lines, options);
    if (!merged) return false;
    changed = merged->size() != slot.lines.size() || slot.unread;
    slot.lines = std::move(*merged);
  }
  if (changed) {
    const store::SaveOutcome saved = run.Save(slot);
    if (saved == store::SaveOutcome::Failed) return false;
    if (saved == store::SaveOutcome::Refused) return true;  // the file stays for another time
    result.rewrote = true;
  }
  if (!run.env().os.fs.DeleteFile(run.PathOf(name))) return false;
  result.rewrote = true;
  ++result.files;
  return true;
}

bool RemoveFromFile(GuardedRun& run, int code, const std::string& name, YearMonth ym, MergeRun& result) {
  store::MonthSlot slot{ym.year, ym.month};
  run.Read(slot, run.PathOf(name));
  std::vector<std::string> kept = LinesWithoutCode(slot.lines, code);
  if (kept.size() == slot.lines.size() && !slot.unread) return true;
  slot.lines = std::move(kept);
  // The user confirmed the removal once for every month it empties.
  const store::SaveOutcome saved = run.Save(slot, store::ShrinkGuard::Confirmed);
  if (saved == store::SaveOutcome::Failed) return false;
  if (saved == store::SaveOutcome::Written) {
    result.rewrote = true;
    ++result.files;
  }
  return true;
}

}  // namespace

std::optional<YearMonth> MonthOfFileName(std::string_view name, std::string_view extension) {
  if (name.size() != 8 + extension.size() || !support::StartsWithIgnoreCase(name, "Ca") ||
      !support::EqualsIgnoreCase(name.substr(8), extension) || !IsDigits(name.substr(2, 6)))
    return std::nullopt;
  const YearMonth ym{support::StrToIntDef(name.substr(2, 4), 0), support::StrToIntDef(name.substr(6, 2), 0)};
  if (ym.month < 1 || ym.month > 12) return std::nullopt;
  return ym;
}

std::optional<std::string> LineToAdd(std::string_view line, const ImportOptions& options) {
  const auto views = store::SplitItem(line);
  if (views.size() < 4) return std::nullopt;
  if (options.defaultColour) return std::string(line);
  std::vector<std::string> fields(views.begin(), views.end());
  if (fields.size() < store::kItemFieldCount) fields.resize(store::kItemFieldCount);
  fields[store::kItemColor] = store::ColorToText(options.readColour);
  return support::Join(fields, ",");
}

bool AlreadyInMonth(const std::vector<std::string>& month, std::string_view line) {
  const auto fields = store::SplitItem(line);
  if (fields.size() <= store::kItemText || fields[store::kItemText].empty()) return false;
  std::vector<std::string_view> other;
  for (const std::string& m : month) {
    store::SplitItem(m, other);
    if (other.size() > store::kItemText && other[store::kItemDay] == fields[store::kItemDay] &&
        other[store::kItemText].find(fields[store::kItemText]) != std::string_view::npos)
      return true;
  }
  return false;
}

std::optional<std::vector<std::string>> MergeCommemoration(const std::vector<std::string>& month,
                                                           const std::vector<std::string>& commemoration,
                                                           const ImportOptions& options) {
  std::vector<std::string> added;
  for (const std::string& line : commemoration) {
    if (store::ItemDay(line) == store::kHeaderDay) continue;
    auto line_to_add = LineToAdd(line, options);
    if (!line_to_add) return std::nullopt;
    if (!AlreadyInMonth(month, line)) added.push_back(std::move(*line_to_add));
  }
  std::vector<std::string> merged = month;
  const auto at = options.insertBefore && !merged.empty() ? merged.begin() + 1 : merged.end();
  merged.insert(at, added.begin(), added.end());
  return merged;
}

std::vector<std::string> LinesWithoutCode(const std::vector<std::string>& lines, int code) {
  std::vector<std::string> kept;
  std::vector<std::string_view> fields;
  for (const std::string& line : lines) {
    store::SplitItem(line, fields);
    if (fields.size() < store::kItemFieldCount || support::StrToIntDef(fields[store::kItemMarkC], -1) != code)
      kept.push_back(line);
  }
  return kept;
}

MergeRun ImportCommemorations(const store::StoreEnv& env, store::NetworkLink& network,
                              const ImportOptions& options) {
  MergeRun result;
  GuardedRun run(env, network);
  result.ok = run.ForEachFile(kCommemorationPattern, ".cmr", [&](const std::string& name, YearMonth ym) {
    return ImportFile(run, options, name, ym, result);
  });
  return result;
}

MergeRun RemoveDeleteCode(const store::StoreEnv& env, store::NetworkLink& network, int code) {
  MergeRun result;
  GuardedRun run(env, network);
  result.ok = run.ForEachFile(kMonthFilePattern, ".kdf", [&](const std::string& name, YearMonth ym) {
    return RemoveFromFile(run, code, name, ym, result);
  });
  return result;
}

}  // namespace settings
