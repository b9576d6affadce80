#pragma once
// Status panel 2: the time-setting notice, then the residency countdown,
// its waiting text, or the program's folder.
//
//   "<刻守>によって時刻変更中      自動常駐まであと  9 秒   "   right-aligned
//   "     【 起動フォルダ 】   C:\Velda\  "                   right-aligned
#include <string>

namespace shell {

struct Panel2Facts {
  bool timeSettingShortcut = false;  // "Horan.lnk" in the Startup folder
  int countdownSeconds = 0;          // "/J", 0 when idle
  bool waitingForSharedFolder = false;  // the waiting window holds the countdown back
  bool showFolder = true;            // cbShiyouchuu
  std::string programFolder;
};

struct Panel2Text {
  std::string text;
  bool rightAligned = false;
};

inline constexpr char kTimeSettingNotice[] = "<刻守>によって時刻変更中";

Panel2Text StatusPanel2(const Panel2Facts& facts);

}  // namespace shell
