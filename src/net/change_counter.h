#pragma once
// The change counter "update.kdf" in the shared folder: one line, a decimal
// number that every computer counts up after writing a month or the period
// file, and that the others poll to learn when to read again.
//
//   update.kdf   "1742\r\n"
//
// A count is read, increased and written back while the file is held open
// exclusively, so two writers never lose an increment and a poller never
// finds the file missing or half written.
#include <string>

#include "platform/services.h"

namespace net {

inline constexpr char kCounterFileName[] = "update.kdf";
inline constexpr int kCounterTries = 5;
inline constexpr unsigned kCounterWaitMs = 1000;
// Past this the count starts again from 1.
inline constexpr int kCounterRestartAbove = 1000000000;
// A count above this, written by an administrator, makes every polling
// computer save and end.
inline constexpr int kStopAllAbove = 999000000;

// With `increment` the new count, else the count read; -1 when every
// attempt failed (or, reading, the file holds no number). A missing file
// is made with the count 1.
int CountUpdate(platform::Services& os, const std::string& path, int tries, bool increment,
                unsigned waitMs);

// The counter as one computer sees it: the count it last wrote or read.
class ChangeCounter {
 public:
  ChangeCounter(platform::Services& os, std::string path) : os_(os), path_(std::move(path)) {}

  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& path() const { return path_; }
  int remembered() const { return remembered_; }
  void Remember(int count) { remembered_ = count; }

  // After a write of this computer. False when counting failed; the next
  // poll then reads again whatever the count is.
  bool CountWrite();
  // The poll's reading; -1 when it failed.
  int Read();

 private:
  platform::Services& os_;
  std::string path_;
  int remembered_ = 0;
};

}  // namespace net
