#include "net/folder_wait.h"

#include <algorithm>

namespace net {

FolderWait::State FolderWait::Tick() {
  if (state_ != State::Waiting) return state_;
  ++count_;
  if (count_ % 10 == 0 && fs_.IsFolder(folder_)) state_ = State::Found;
  else if (count_ > kFolderWaitLimit) state_ = State::TimedOut;
  return state_;
}

FolderWaitView FolderWait::View() const {
  FolderWaitView v;
  const int shown = std::min(count_, kFolderWaitLimit);  // 101 closes at once, never shows
  v.progress = shown;
  v.counter = std::to_string(shown);
  v.waiting = state_ == State::Waiting;
  v.foundShown = state_ == State::Found;
  v.closeSoon = state_ == State::Found;
  v.closeNow = state_ == State::TimedOut;
  return v;
}

}  // namespace net
