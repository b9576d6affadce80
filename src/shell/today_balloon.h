#pragma once
// The balloon of today's entries over the tray icon (Alt+Down): its title
// and text, the 255-byte limit of the tray icon, and its show-hide toggle
// with the 15-second timer.
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/datetime.h"
#include "store/month_file.h"

namespace shell {

inline constexpr unsigned kBalloonTimerMs = 15000;   // Timer4
inline constexpr unsigned kBalloonTimeoutMs = 30000;  // asked of the shell
inline constexpr std::size_t kBalloonBytes = 255;

// The status clock's form: "2026/12/8 (火) 9 : 05" style, by cb24ji.
std::string BalloonTitle(const platform::DateTime& now, bool twentyFourHours);
// A line break, then one entry text per line, cut to what the tray icon
// holds: 255 Shift-JIS bytes, one fewer when the last would split a
// double-byte character.
std::string BalloonText(const std::vector<std::string>& entryTexts);
std::string CutToBalloonBytes(std::string_view text);
// The texts of today's entries in the month shown; none when the month
// shown is another.
std::vector<std::string> TodayEntryTexts(const store::MonthSlot& shown, const platform::DateTime& now);

class BalloonPort {
 public:
  virtual ~BalloonPort() = default;
  // One attempt each; false: the shell refused.
  virtual bool TryShowBalloon(const std::string& title, const std::string& text, unsigned timeoutMs) = 0;
  virtual bool TryHideBalloon() = 0;
  virtual void StartBalloonTimer(unsigned milliseconds) = 0;
  virtual void StopBalloonTimer() = 0;
};

class TodayBalloon {
 public:
  TodayBalloon(platform::Clock& clock, BalloonPort& port) : clock_(clock), port_(port) {}

  // Alt+Down: shows the balloon, or hides it when it is up.
  void Toggle(const std::string& title, const std::string& text);
  void OnTimer();        // Timer4
  void OnBalloonGone();  // clicked, or gone by itself
  bool shown() const { return shown_; }

 private:
  platform::Clock& clock_;
  BalloonPort& port_;
  bool shown_ = false;
};

}  // namespace shell
