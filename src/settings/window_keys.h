#pragma once
// Keys that other windows keep in the settings files: the options window's
// own keys, the memo window's, the setup window's, and the commemoration
// settings of "Cmr.kdf". Each is a plain struct with its key table; the
// windows read and write them with ReadKeys/WriteKeys (settings_file.h).
#include <span>
#include <string>

#include "settings/key_table.h"

namespace settings {

// Written by the options window when it closes, read when it opens.
struct OptionsWindowKeys {
  int PageIndex{};  // [Option] the tab open when the window last closed
  // [Jikoku] the clock correction
  bool rbDay{};     // at every start, once a day
  bool rbWeek{};    // weekly, at the first start from Monday on
  bool rbShitei{};  // at a set time
  int cbYoubi{};    // 0 every day, 1..7 every Sunday .. Saturday
  std::string vTime;  // "hhmmss"; see ParseCompactTime
};
std::span<const KeyRow<OptionsWindowKeys>> OptionsWindowKeyRows();

// Section "Memo" (and, with the same keys, "Kensaku" of the search window).
struct MemoWindowKeys {
  int fmMemoTop{};
  int fmMemoLeft{};
  int fmMemoHeight{};
  int fmMemoWidth{};
  int MemoTopLine{};
  int MemoY{};
  int MemoX{};
  bool vJHanten{};
  int vCLine1{};
  int vCLine2{};
  int vMenuCount{};
  std::string vEditorFile;
  int vMemoTopRow{};
  int vMemoRow{};
  bool visMemoBtn{};
  int vReadmeTopRow{};
  int vReadmeRow{};
  bool visReadmeBtn{};
  int vShiyouTopRow{};
  int vShiyouRow{};
  bool visShiyouBtn{};
  int vEditorTopRow{};
  int vEditorRow{};
  bool visEditorBtn{};
};
// Rows without a section: the caller names "Memo" or "Kensaku".
std::span<const KeyRow<MemoWindowKeys>> MemoWindowKeyRows();

// Section "Setup": the setup window's keys.
struct SetupWindowKeys {
  int SetupX{};
  int SetupY{};
  std::string edtCopy1;
  std::string edtCopy2;
  std::string lblCopy1;
  std::string lblCopy2;
  std::string edtCopy3;
  std::string edtKakidashi;
  std::string edtNetCopy1;
  std::string edtNetCopy2;
  std::string lblNetCopy1;
  std::string lblNetCopy2;
  std::string edtNetCopy3;
  std::string edtSetup;
  int Set_Ta{};
  bool cbExTitle{};
  int rgExTitle{};
  std::string edtExTitle;
  bool cbExDate{};
  bool cbExSaijitu{};
  bool cbExKinenbi{};
  bool cbExNaiyou{};
  bool cbExShoshiki{};
  bool cbExPreview{};
  std::string TextDir;
  bool rbText{};
  bool rbCSV{};
  bool rbHtml{};
  bool rbiCal{};
};
std::span<const KeyRow<SetupWindowKeys>> SetupWindowKeyRows();

// "Cmr.kdf" in the common data folder, section "Commemoration".
inline constexpr char kCommemorationFileName[] = "Cmr.kdf";
inline constexpr char kProductTitle[] = "楓帳 -Velda-";

struct CommemorationSettings {
  std::string pCedtSp;
  std::string pClblSp;
  bool pCcbHorikomi{};
  std::string pCedtMigishita;  // always written as the product title
  bool pCcbKinenbiHyouji{};
  bool pCcbYoteiHyouji{};
  bool pCcbYuusen{};
  Color pCedtSPColor{};
};
std::span<const KeyRow<CommemorationSettings>> CommemorationKeyRows();

// The defaults of a table; keys without one keep the value in `base`.
template <class S>
S Defaults(std::span<const KeyRow<S>> rows, S base = {}) {
  for (const auto& row : rows) StoreText(row, nullptr, base);
  return base;
}

}  // namespace settings
