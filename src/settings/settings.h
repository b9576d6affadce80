#pragma once
// The preferences of the main window, one member per key of the settings
// file "Velda.ini", named as the key. Defaults live in the key table
// (settings_table.cpp); DefaultSettings() gives them. A default-constructed
// Settings is all zeros and empty texts, the state before the first load.
#include <span>
#include <string>

#include "settings/key_table.h"
#include "settings/value_text.h"

namespace settings {

struct Settings {
  // [kanri] automatic generation backup
  int BackupDay{};        // day number of the last automatic backup
  int cbBackKankaku{};    // index into the interval list 0, 1, 3, 7, 15, 30
  int vBackKankaku{};     // the interval in days
  bool cbABackupJ{};      // back up only when going resident

  // [Set2] data-folder layout
  int yDataForm{};  // 1: files in the folder, 2: "Data\Files1\" layout
  int UseFolNo{};   // data set in use when saved (written only)

  // [Settei] window and view state
  int HyoujiIchi{};    // 0: centre of the screen, 1: position at exit
  bool cbNotMannaka{};
  int fmC21Top{};
  int fmC21Left{};
  int vClientHeight{};
  int vCalGyou{};
  int vSizeNo{};       // never read; 4 (3 on a small screen) after a load
  int udYokoC{};
  int udCalSize{};     // written only
  bool cbMonthBtn{};   // forced off at load
  bool vUW{};
  int pMemoMode{};
  int DhFolderNo{};
  std::string CaFT1;
  std::string CaFT2;
  std::string CaFT3;
  int rgYFirstMonth{};
  int SpHajimariTuki{};

  // [Settei] general behaviour
  bool cbHotkey{};
  bool cbMemo{};
  bool cbToday{};
  bool cbCloseBtn{};
  bool cbJigen{};
  bool cbKidouKiroku{};
  bool cbKirokuHyouji{};
  int udKidouGyou{};
  bool cbZenkai{};
  bool cbShiyouchuu{};
  bool cb24ji{};
  bool cbTukiYotei{};
  bool cbCursor{};
  bool cbKOption{};

  // [Settei] network sharing
  std::string edtNetFolder;
  std::string edtNetFolder1;
  std::string edtNetFolder2;
  std::string edtNetFolder3;
  bool cbNet{};
  bool cbNetIni{};
  int rbNetKoushin{};  // 0: on return from resident, 1: every 10 s, 2: every 60 s
  bool cbLNetf{};
  bool vNet_flg{};

  // [Settei] local data folder; empty means the program folder
  std::string edFolder;

  // [Settei] calendar and month grid
  int rgStYoubi{};  // 0: Sunday, 1: Monday
  bool cbEquinox{};
  bool cbFurikae{};
  bool cbNextDay{};
  bool cbNeighborJump{};
  bool cbBold{};
  int udKFutosa{};
  Color edtKColor{};
  bool cbUetume{};
  bool cbToubai{};
  bool cbNihongo{};
  bool cbTukiMemo{};
  bool cbTukiMUeTume{};

  // [Option] grid texts
  bool rbKinenbi{};  // true: commemoration days, false: six-day cycle
  Color edtCYotei{};
  Color edtCRokuyo{};
  Color edtCKinenbi{};
  Color edtCSun{};
  Color edtCSat{};
  Color edtCWeekDay{};

  // [SeMCal]
  int TabToSp{};
  int TabAdj{};

  // [Settei] timer
  int cbTimerNo{};
  TimeOfDay pTimer;
  int pTimerBf{};

  // [Settei] day-count calculator and year page control
  int rgNissuu{};
  bool cbKeisan{};
  int pcNen{};
  int udDay{};
  int rgKekka{};

  // [Settei] editor program
  bool cbEditor{};
  bool cbVelkaJ{};
  bool cbVelkaM{};
  std::string edtEditorFolder;

  // [Velprin] print program
  bool cbPrint{};
  bool cbVelkaP{};
  std::string edtPrintFolder;

  // [Memo] the main window's one key there
  bool visMemoMHide{};
};

// Every key of the main window in the order the file is written.
std::span<const KeyRow<Settings>> SettingsKeys();

// The defaults of every key; the "current value" keys stay as in `base`.
Settings DefaultSettings(const Settings& base = {});

// The interval lists of the options window.
int BackupIntervalDays(int index);     // 0, 1, 3, 7, 15, 30; outside 0..5: 7
int TimeCheckIntervalMs(int index);    // 1 s .. 60 s; outside 0..9: 10 s

}  // namespace settings
