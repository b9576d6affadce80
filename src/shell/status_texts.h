#pragma once
// Texts of the status bar.
#include <string>

#include "platform/datetime.h"

namespace shell {

inline constexpr char kDateChangingText[] = "  **********  日付を変更中  **********";

// Panel 0: `yyyy"/"m"/"d" ("aaa") "h" : "n`, or with "AM/PM" before a
// 12-hour hour.
//   2026/12/8 (火) 9 : 5        2026/12/8 (火) PM 3 : 45
std::string ClockText(const platform::DateTime& now, bool twentyFourHours);

// Panel 2 while nothing else claims it: the program's folder, when wanted.
std::string FolderPanelText(const std::string& programFolder, bool showFolder);

// The label of the data set in use: " --- Files2 ---" for set 2.
std::string DataSetLabelText(int dataSet);

}  // namespace shell
