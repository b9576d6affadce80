#include "settings/window_keys.h"

namespace settings {
namespace {

using O = OptionsWindowKeys;
const KeyRow<O> kOptionsRows[] = {
    {"Option", "PageIndex", &O::PageIndex, "0"},
    {"Jikoku", "rbDay", &O::rbDay, "1"},
    {"Jikoku", "rbWeek", &O::rbWeek, "0"},
    {"Jikoku", "rbShitei", &O::rbShitei, "0"},
    {"Jikoku", "cbYoubi", &O::cbYoubi, "1"},
    // The current time when missing; the caller sets it before reading.
    {"Jikoku", "vTime", &O::vTime, nullptr},
};

// The window bounds default to the window's own design values.
using M = MemoWindowKeys;
const KeyRow<M> kMemoRows[] = {
    {"", "fmMemoTop", &M::fmMemoTop, nullptr},
    {"", "fmMemoLeft", &M::fmMemoLeft, nullptr},
    {"", "fmMemoHeight", &M::fmMemoHeight, nullptr},
    {"", "fmMemoWidth", &M::fmMemoWidth, nullptr},
    {"", "MemoTopLine", &M::MemoTopLine, "0"},
    {"", "MemoY", &M::MemoY, "0"},
    {"", "MemoX", &M::MemoX, "0"},
    {"", "vJHanten", &M::vJHanten, "0"},
    {"", "vCLine1", &M::vCLine1, "2"},
    {"", "vCLine2", &M::vCLine2, "3"},
    {"", "vMenuCount", &M::vMenuCount, "8"},
    {"", "vEditorFile", &M::vEditorFile, "無題"},
    {"", "vMemoTopRow", &M::vMemoTopRow, "0"},
    {"", "vMemoRow", &M::vMemoRow, "0"},
    {"", "visMemoBtn", &M::visMemoBtn, "1"},
    {"", "vReadmeTopRow", &M::vReadmeTopRow, "0"},
    {"", "vReadmeRow", &M::vReadmeRow, "0"},
    {"", "visReadmeBtn", &M::visReadmeBtn, "1"},
    {"", "vShiyouTopRow", &M::vShiyouTopRow, "0"},
    {"", "vShiyouRow", &M::vShiyouRow, "0"},
    {"", "visShiyouBtn", &M::visShiyouBtn, "1"},
    {"", "vEditorTopRow", &M::vEditorTopRow, "0"},
    {"", "vEditorRow", &M::vEditorRow, "0"},
    {"", "visEditorBtn", &M::visEditorBtn, "0"},
};

// Keys without a stated default keep the setup window's design values.
using U = SetupWindowKeys;
constexpr const char* kNotBackedUp = "バックアップされていません。";
const KeyRow<U> kSetupRows[] = {
    {"Setup", "SetupX", &U::SetupX, nullptr},
    {"Setup", "SetupY", &U::SetupY, nullptr},
    {"Setup", "edtCopy1", &U::edtCopy1, ""},
    {"Setup", "edtCopy2", &U::edtCopy2, ""},
    {"Setup", "lblCopy1", &U::lblCopy1, kNotBackedUp},
    {"Setup", "lblCopy2", &U::lblCopy2, kNotBackedUp},
    {"Setup", "edtCopy3", &U::edtCopy3, ""},
    {"Setup", "edtKakidashi", &U::edtKakidashi, ""},
    {"Setup", "edtNetCopy1", &U::edtNetCopy1, ""},
    {"Setup", "edtNetCopy2", &U::edtNetCopy2, ""},
    {"Setup", "lblNetCopy1", &U::lblNetCopy1, kNotBackedUp},
    {"Setup", "lblNetCopy2", &U::lblNetCopy2, kNotBackedUp},
    {"Setup", "edtNetCopy3", &U::edtNetCopy3, ""},
    {"Setup", "edtSetup", &U::edtSetup, ""},
    {"Setup", "Set_Ta", &U::Set_Ta, nullptr},
    {"Setup", "cbExTitle", &U::cbExTitle, nullptr},
    {"Setup", "rgExTitle", &U::rgExTitle, nullptr},
    {"Setup", "edtExTitle", &U::edtExTitle, nullptr},
    {"Setup", "cbExDate", &U::cbExDate, nullptr},
    {"Setup", "cbExSaijitu", &U::cbExSaijitu, nullptr},
    {"Setup", "cbExKinenbi", &U::cbExKinenbi, nullptr},
    {"Setup", "cbExNaiyou", &U::cbExNaiyou, nullptr},
    {"Setup", "cbExShoshiki", &U::cbExShoshiki, nullptr},
    {"Setup", "cbExPreview", &U::cbExPreview, nullptr},
    {"Setup", "TextDir", &U::TextDir, nullptr},
    {"Setup", "rbText", &U::rbText, nullptr},
    {"Setup", "rbCSV", &U::rbCSV, nullptr},
    {"Setup", "rbHtml", &U::rbHtml, nullptr},
    {"Setup", "rbiCal", &U::rbiCal, nullptr},
};

using C = CommemorationSettings;
const KeyRow<C> kCommemorationRows[] = {
    {"Commemoration", "pCedtSp", &C::pCedtSp, "かえで記念機能"},
    {"Commemoration", "pClblSp", &C::pClblSp, "かえで記念機能"},
    {"Commemoration", "pCcbHorikomi", &C::pCcbHorikomi, "1"},
    {"Commemoration", "pCedtMigishita", &C::pCedtMigishita, kProductTitle, RowGroup::WriteOnly},
    {"Commemoration", "pCcbKinenbiHyouji", &C::pCcbKinenbiHyouji, "1"},
    {"Commemoration", "pCcbYoteiHyouji", &C::pCcbYoteiHyouji, "1"},
    {"Commemoration", "pCcbYuusen", &C::pCcbYuusen, "1"},
    {"Commemoration", "pCedtSPColor", &C::pCedtSPColor, "clTeal"},
};

}  // namespace

std::span<const KeyRow<OptionsWindowKeys>> OptionsWindowKeyRows() { return kOptionsRows; }
std::span<const KeyRow<MemoWindowKeys>> MemoWindowKeyRows() { return kMemoRows; }
std::span<const KeyRow<SetupWindowKeys>> SetupWindowKeyRows() { return kSetupRows; }
std::span<const KeyRow<CommemorationSettings>> CommemorationKeyRows() {
  return kCommemorationRows;
}

}  // namespace settings
