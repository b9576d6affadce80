#pragma once
// "起動時刻(&J)": the run-time log's table on the text page, modally.
#include <windows.h>

#include <string>

#include "platform/services.h"

namespace shell {

// Nothing happens when the log is missing or the user stops at an
// unreadable record.
void ShowRunLogViewer(HWND owner, platform::Services& os, const std::string& logPath);

}  // namespace shell
