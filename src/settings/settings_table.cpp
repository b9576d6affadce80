#include <array>

#include "settings/settings.h"

namespace settings {
namespace {

using S = Settings;
using R = KeyRow<Settings>;
constexpr RowGroup kTimer = RowGroup::Timer;
constexpr RowGroup kNet = RowGroup::Network;

// Written in this order: kanri, Set2, Settei (view, behaviour, network,
// folder, calendar), Option, SeMCal, Settei (timer, calculator, editor),
// Velprin, Memo. A nullptr default keeps the value the program already has.
const R kRows[] = {
    {"kanri", "BackupDay", &S::BackupDay, "0"},
    {"kanri", "cbBackKankaku", &S::cbBackKankaku, "0"},
    {"kanri", "vBackKankaku", &S::vBackKankaku, "0"},
    {"kanri", "cbABackupJ", &S::cbABackupJ, "0"},

    {"Set2", "yDataForm", &S::yDataForm, "1"},
    {"Set2", "UseFolNo", &S::UseFolNo, "1", RowGroup::WriteOnly},

    {"Settei", "HyoujiIchi", &S::HyoujiIchi, "0"},
    {"Settei", "cbNotMannaka", &S::cbNotMannaka, "0"},
    {"Settei", "fmC21Top", &S::fmC21Top, nullptr},
    {"Settei", "fmC21Left", &S::fmC21Left, nullptr},
    {"Settei", "vClientHeight", &S::vClientHeight, nullptr},
    {"Settei", "vCalGyou", &S::vCalGyou, "5", RowGroup::CalendarRows},
    {"Settei", "udYokoC", &S::udYokoC, "0"},
    {"Settei", "udCalSize", &S::udCalSize, "0", RowGroup::WriteOnly},
    {"Settei", "cbMonthBtn", &S::cbMonthBtn, "0"},
    {"Settei", "vUW", &S::vUW, "0"},
    {"Settei", "pMemoMode", &S::pMemoMode, "0"},
    {"Settei", "DhFolderNo", &S::DhFolderNo, "2"},
    {"Settei", "CaFT1", &S::CaFT1, ""},
    {"Settei", "CaFT2", &S::CaFT2, ""},
    {"Settei", "CaFT3", &S::CaFT3, ""},
    {"Settei", "rgYFirstMonth", &S::rgYFirstMonth, "0"},
    {"Settei", "SpHajimariTuki", &S::SpHajimariTuki, "1"},

    {"Settei", "cbHotkey", &S::cbHotkey, "1"},
    {"Settei", "cbMemo", &S::cbMemo, "1"},
    {"Settei", "cbToday", &S::cbToday, nullptr},
    {"Settei", "cbCloseBtn", &S::cbCloseBtn, "0"},
    {"Settei", "cbJigen", &S::cbJigen, "1"},
    {"Settei", "cbKidouKiroku", &S::cbKidouKiroku, "0"},
    {"Settei", "cbKirokuHyouji", &S::cbKirokuHyouji, "0"},
    {"Settei", "udKidouGyou", &S::udKidouGyou, "100"},
    {"Settei", "cbZenkai", &S::cbZenkai, "0"},
    {"Settei", "cbShiyouchuu", &S::cbShiyouchuu, "1"},
    {"Settei", "cb24ji", &S::cb24ji, "0"},
    {"Settei", "cbTukiYotei", &S::cbTukiYotei, "0"},
    {"Settei", "cbCursor", &S::cbCursor, "0"},
    {"Settei", "cbKOption", &S::cbKOption, "0"},

    {"Settei", "edtNetFolder", &S::edtNetFolder, "", kNet},
    {"Settei", "edtNetFolder1", &S::edtNetFolder1, "", kNet},
    {"Settei", "edtNetFolder2", &S::edtNetFolder2, "", kNet},
    {"Settei", "edtNetFolder3", &S::edtNetFolder3, "", kNet},
    {"Settei", "cbNet", &S::cbNet, "0", kNet},
    {"Settei", "cbNetIni", &S::cbNetIni, "1", kNet},
    {"Settei", "rbNetKoushin", &S::rbNetKoushin, "0", kNet},
    {"Settei", "cbLNetf", &S::cbLNetf, "0", RowGroup::NetworkDrive},
    {"Settei", "vNet_flg", &S::vNet_flg, "0"},

    {"Settei", "edFolder", &S::edFolder, ""},

    {"Settei", "rgStYoubi", &S::rgStYoubi, "0"},
    {"Settei", "cbEquinox", &S::cbEquinox, "0"},
    {"Settei", "cbFurikae", &S::cbFurikae, "0"},
    {"Settei", "cbNextDay", &S::cbNextDay, "1"},
    {"Settei", "cbNeighborJump", &S::cbNeighborJump, "0"},
    {"Settei", "cbBold", &S::cbBold, "1"},
    {"Settei", "udKFutosa", &S::udKFutosa, "1"},
    {"Settei", "edtKColor", &S::edtKColor, "clBlue"},
    {"Settei", "cbUetume", &S::cbUetume, "0"},
    {"Settei", "cbToubai", &S::cbToubai, "1"},
    {"Settei", "cbNihongo", &S::cbNihongo, "1"},
    {"Settei", "cbTukiMemo", &S::cbTukiMemo, "0"},
    {"Settei", "cbTukiMUeTume", &S::cbTukiMUeTume, "1"},

    {"Option", "rbKinenbi", &S::rbKinenbi, "1"},
    {"Option", "edtCYotei", &S::edtCYotei, "$00484848"},
    {"Option", "edtCRokuyo", &S::edtCRokuyo, "$00484848"},
    {"Option", "edtCKinenbi", &S::edtCKinenbi, "clGreen"},
    {"Option", "edtCSun", &S::edtCSun, "clRed"},
    {"Option", "edtCSat", &S::edtCSat, "clBlue"},
    {"Option", "edtCWeekDay", &S::edtCWeekDay, "clWindowText"},

    {"SeMCal", "TabToSp", &S::TabToSp, "2"},
    {"SeMCal", "TabAdj", &S::TabAdj, "100"},

    {"Settei", "cbTimerNo", &S::cbTimerNo, "6", kTimer},
    {"Settei", "pTimer", &S::pTimer, nullptr, kTimer},
    {"Settei", "pTimerBf", &S::pTimerBf, "3", kTimer},

    {"Settei", "rgNissuu", &S::rgNissuu, nullptr},
    {"Settei", "cbKeisan", &S::cbKeisan, nullptr},
    {"Settei", "pcNen", &S::pcNen, nullptr},
    {"Settei", "udDay", &S::udDay, nullptr},
    {"Settei", "rgKekka", &S::rgKekka, nullptr},

    {"Settei", "cbEditor", &S::cbEditor, "0"},
    {"Settei", "cbVelkaJ", &S::cbVelkaJ, "0"},
    {"Settei", "cbVelkaM", &S::cbVelkaM, "0"},
    {"Settei", "edtEditorFolder", &S::edtEditorFolder, nullptr},

    {"Velprin", "cbPrint", &S::cbPrint, "0"},
    {"Velprin", "cbVelkaP", &S::cbVelkaP, "1"},
    {"Velprin", "edtPrintFolder", &S::edtPrintFolder, nullptr},

    {"Memo", "visMemoMHide", &S::visMemoMHide, "0"},
};

}  // namespace

std::span<const KeyRow<Settings>> SettingsKeys() { return kRows; }

Settings DefaultSettings(const Settings& base) {
  Settings s = base;
  for (const auto& row : kRows) StoreText(row, nullptr, s);
  s.vSizeNo = 4;
  return s;
}

int BackupIntervalDays(int index) {
  constexpr std::array<int, 6> kDays{0, 1, 3, 7, 15, 30};
  return index >= 0 && index < static_cast<int>(kDays.size()) ? kDays[index] : 7;
}

int TimeCheckIntervalMs(int index) {
  constexpr std::array<int, 10> kMs{1000, 2000, 3000, 4000, 5000, 7000, 10000, 20000, 30000, 60000};
  return index >= 0 && index < static_cast<int>(kMs.size()) ? kMs[index] : 10000;
}

}  // namespace settings
