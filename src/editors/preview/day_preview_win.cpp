// Opens the day editor on sample data, to look at it and to drive it from
// outside (xdotool under Xvfb). Prints what the editor hands back.
//
//   day_preview.exe [day|memo|period|special] [result-file]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "editors/day_window_win.h"
#include "platform/dpi_win.h"
#include "platform/native_services.h"
#include "platform/text_win.h"
#include "store/schedule_item.h"
#include "support/cp932.h"

namespace {

using namespace editors;

DayRequest SampleDay() {
  return {2004, 3, 20,
          {{"朝礼 8:30", {}},
           {"会議,第二会議室", {0x0000FF, 0, 10 * 3600, 0, 0}},
           {"\t資料を用意", {0xFF0000}},
           {"歯医者", {0x808000}}},
          {{"結婚記念日", true}, {"春分の日", false}}};
}

PeriodPage SamplePeriod() {
  PeriodPage p;
  p.isNew = false;
  p.start = {2004, 3, 5};
  p.startPart = store::DayPart::Noon;
  p.end = {2004, 3, 12};
  p.summary = {2004, 3, 8};
  p.text = "出張,大阪";
  p.thickness = 2;
  p.color = 0xFF0000;
  return p;
}

std::string RunDay(TfmDay& day, const std::string& mode, const DayEditorSettings& settings) {
  DayResult r = mode == "memo" ? day.EditMonthMemo({2004, 3, {{"月末に支払い", {0}}}}, settings)
                               : day.EditDay(SampleDay(), settings);
  std::string out = r.writeBack ? "writeBack\n" : (r.cancelled ? "cancelled\n" : "unchanged\n");
  int dayNumber = mode == "memo" ? store::kMonthMemoDay : 20, position = 0;
  for (const auto& e : r.entries) out += store::FormatItemLine(dayNumber, ++position, e) + "\n";
  return out;
}

std::string RunPeriod(TfmDay& day, const DayEditorSettings& settings) {
  PeriodResult r = day.EditPeriod(SamplePeriod(), settings);
  std::string out = r.writeBack ? "writeBack\n" : "cancelled\n";
  return out + store::FormatPeriodItem(PeriodItemOf(r.page, "PREVIEW")) + "\n";
}

std::string RunSpecial(TfmDay& day, const DayEditorSettings& settings) {
  SpecialDayResult r = day.EditSpecialDay(2004, 3, 20, {"結婚記念日", "1990", ""}, settings);
  return std::string(r.writeBack ? "writeBack\n" : "unchanged\n") + r.page.name + "," +
         r.page.fromYear + "," + r.page.toYear + "\n";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  platform::DeclarePerMonitorDpiAwareness();  // as Velda.exe's manifest does
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  std::string mode = argc > 1 ? platform::Narrow(argv[1]) : "day";
  std::wstring resultFile = argc > 2 ? argv[2] : L"";
  platform::NativeServices native;
  TfmDay day;
  if (!day.Create({nullptr, &native.services(), "", nullptr})) return 2;
  SetWindowPos(day.hwnd(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  DayEditorSettings settings;
  std::string out = mode == "period"    ? RunPeriod(day, settings)
                    : mode == "special" ? RunSpecial(day, settings)
                                        : RunDay(day, mode, settings);
  std::fputs(out.c_str(), stdout);
  if (!resultFile.empty()) native.services().fs.WriteAtomic(platform::Narrow(resultFile), out);
  return 0;
}
