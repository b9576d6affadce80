#pragma once
// The clock of the waiting window ("待機中") that start-up shows when the
// shared folder of the last run is missing: a count up every second,
// shown as progress out of 100; every tenth count the folder is looked
// for; past 100 the window gives up.
#include <string>

#include "platform/filesystem.h"

namespace net {

inline constexpr unsigned kFolderWaitTickMs = 1000;
inline constexpr int kFolderWaitLimit = 100;

class FolderWait {
 public:
  enum class State { Waiting, Found, TimedOut };

  FolderWait(platform::FileSystem& fs, std::string folder) : fs_(fs), folder_(std::move(folder)) {}

  // One timer tick.
  State Tick();
  int count() const { return count_; }
  const std::string& folder() const { return folder_; }
  // "検索フォルダ[ … ]".
  std::string SearchedText() const { return "検索フォルダ[ " + folder_ + " ]"; }

 private:
  platform::FileSystem& fs_;
  std::string folder_;
  int count_ = 0;
};

}  // namespace net
