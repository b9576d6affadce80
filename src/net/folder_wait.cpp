#include "net/folder_wait.h"

namespace net {

FolderWait::State FolderWait::Tick() {
  ++count_;
  if (count_ % 10 == 0 && fs_.IsFolder(folder_)) return State::Found;
  return count_ > kFolderWaitLimit ? State::TimedOut : State::Waiting;
}

}  // namespace net
