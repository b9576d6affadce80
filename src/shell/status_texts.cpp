#include "shell/status_texts.h"

#include <cstdio>

#include "calendar/julius.h"
#include "support/text.h"

namespace shell {
namespace {

std::string Format(const char* pattern, int a, int b) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, a, b);
  return text;
}

// "AM 9", "PM 12": the 12-hour clock shows 12 for noon and midnight.
std::string TwelveHour(int hour) {
  const int h12 = hour % 12 == 0 ? 12 : hour % 12;
  return (hour < 12 ? "AM " : "PM ") + std::to_string(h12);
}

}  // namespace

std::string ClockText(const platform::DateTime& now, bool twentyFourHours) {
  const int weekday = calendar::JuliusDayOfWeek(calendar::DateToJulius(now.year, now.month, now.day));
  const std::string date = std::to_string(now.year) + Format("/%d/%d", now.month, now.day) + " (" +
                           support::WeekdayShort(weekday) + ") ";
  const std::string hour = twentyFourHours ? std::to_string(now.hour) : TwelveHour(now.hour);
  return date + hour + " : " + std::to_string(now.minute);
}

std::string FolderPanelText(const std::string& programFolder, bool showFolder) {
  if (!showFolder) return "";
  return "     【 起動フォルダ 】   " + programFolder + "  ";
}

std::string DataSetLabelText(int dataSet) {
  return dataSet == 2 ? " --- Files2 ---" : "";
}

}  // namespace shell
