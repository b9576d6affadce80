#pragma once
// The clock of the waiting window ("待機中") that start-up shows when the
// shared folder of the last run is missing: a count up every second,
// shown as progress out of 100; every tenth count the folder is looked
// for; past 100 the window gives up. Also what the window shows at each
// step, so that its Win32 side only copies it onto the controls.
#include <string>

#include "platform/filesystem.h"

namespace net {

inline constexpr unsigned kFolderWaitTickMs = 1000;
inline constexpr int kFolderWaitLimit = 100;
// Between "ネットフォルダが見つかりました。" and the window's close.
inline constexpr unsigned kFolderFoundCloseMs = 1000;

// The window's texts.
inline constexpr char kFolderWaitCaption[] = "待機中";
inline constexpr char kFolderWaitText[] = "ネット上のフォルダが使用できるまで待機中です。";
inline constexpr char kFolderWaitStartsText[] =
    "前回終了時に使用していたフォルダが使用できるようになれば自動的に起動します。";
inline constexpr char kFolderWaitOutOf[] = "／ 100";
inline constexpr char kFolderWaitTimeoutLabel[] = "タイムアウト";
inline constexpr char kFolderWaitLocalButton[] = "ローカルフォルダで起動";
inline constexpr char kFolderFoundText[] = "ネットフォルダが見つかりました。";  // in red
inline constexpr char kFolderFoundPleaseWait[] = "少々お待ちください。";

// What the window shows between two ticks.
struct FolderWaitView {
  int progress = 0;          // the bar's position, 0..kFolderWaitLimit
  std::string counter;       // the number before "／ 100"
  bool waiting = true;       // the button and the animation show, the tick runs
  bool foundShown = false;   // kFolderFoundText and kFolderFoundPleaseWait show
  bool closeNow = false;     // timed out: the window closes, not found
  bool closeSoon = false;    // found: the window closes kFolderFoundCloseMs later
};

class FolderWait {
 public:
  enum class State { Waiting, Found, TimedOut };

  FolderWait(platform::FileSystem& fs, std::string folder) : fs_(fs), folder_(std::move(folder)) {}

  // One timer tick. Once found or timed out the wait is over: later ticks
  // (one already queued when the timer stopped) change nothing.
  State Tick();
  State state() const { return state_; }
  int count() const { return count_; }
  const std::string& folder() const { return folder_; }
  // "検索フォルダ[ … ]".
  std::string SearchedText() const { return "検索フォルダ[ " + folder_ + " ]"; }
  FolderWaitView View() const;

 private:
  platform::FileSystem& fs_;
  std::string folder_;
  int count_ = 0;
  State state_ = State::Waiting;
};

}  // namespace net
