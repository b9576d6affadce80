#include "shell/today_balloon.h"

#include "calendar/julius.h"
#include "platform/notify_retry.h"
#include "shell/status_texts.h"
#include "support/cp932.h"
#include "support/text.h"

namespace shell {

std::string BalloonTitle(const platform::DateTime& now, bool twentyFourHours) {
  return ClockText(now, twentyFourHours);
}

std::string CutToBalloonBytes(std::string_view text) {
  if (support::Cp932Length(text) <= kBalloonBytes) return std::string(text);
  return support::CopyMbcs(text, 1, kBalloonBytes);
}

std::string BalloonText(const std::vector<std::string>& entryTexts) {
  return CutToBalloonBytes("\r\n" + support::Join(entryTexts, "\r\n"));
}

std::vector<std::string> TodayEntryTexts(const store::MonthSlot& shown, const platform::DateTime& now) {
  if (shown.year != now.year || shown.month != now.month) return {};
  std::vector<std::string> texts;
  for (const store::DayEntry& e : store::LinesOfDay(shown, now.month, now.day, false))
    texts.push_back(e.text);
  return texts;
}

void TodayBalloon::Toggle(const std::string& title, const std::string& text) {
  if (shown_) {
    port_.StopBalloonTimer();
    shown_ = false;
    platform::RetryShellRefusal(clock_, [this] { return port_.TryHideBalloon(); });
    return;
  }
  shown_ = true;
  port_.StartBalloonTimer(kBalloonTimerMs);
  platform::RetryShellRefusal(clock_, [&] { return port_.TryShowBalloon(title, text, kBalloonTimeoutMs); });
}

void TodayBalloon::OnTimer() {
  shown_ = false;
  platform::RetryShellRefusal(clock_, [this] { return port_.TryHideBalloon(); });
  port_.StopBalloonTimer();
}

void TodayBalloon::OnBalloonGone() {
  port_.StopBalloonTimer();
  shown_ = false;
}

}  // namespace shell
