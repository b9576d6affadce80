#pragma once
// The network side of a data write. The main window owns it; the network
// code sets `on` and fills `countUpdate`.
#include <functional>

namespace store {

struct NetworkLink {
  bool on = false;
  // Set by every edit in network mode and consumed by the next month or
  // period save: without it a save in network mode writes nothing.
  bool writePending = false;
  // Counts up the shared change counter after a write and remembers its
  // value; false when that failed. Unset counts as failed.
  std::function<bool()> countUpdate;

  // Whether a save may write: always with the network off, else only when
  // a write is pending. The pending flag is consumed either way.
  bool TakeWriteTurn() {
    bool pending = writePending;
    writePending = false;
    return !on || pending;
  }
  bool CountUpdate() const { return countUpdate && countUpdate(); }
};

}  // namespace store
