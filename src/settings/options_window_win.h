#pragma once
// TfmOption, the options window ("オプション設定"): modal, titled
// "楓帳 -Velda-" while shown, one tab per page of the control table
// (options_layout.h). Every control forwards to OptionsController; the
// " ネット１ " buttons go to NetTab and the administration dialog
// (TfmNetFolder). ShowOptions is the whole flow of one opening.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/admin_dialog_win.h"
#include "platform/services.h"
#include "platform/window_win.h"
#include "settings/options_changes.h"
#include "settings/options_controller.h"
#include "settings/options_net_tab.h"
#include "settings/options_session.h"
#include "settings/page_controls_win.h"

namespace settings {

struct ShowOptionsArgs {
  HWND owner = nullptr;  // the main window (or the memo window), disabled while shown
  platform::Services* os = nullptr;
  OptionsContext context;
  std::string settingsFile;  // "Velda.ini": the window's own keys, the memo keys
  std::string dataRoot;      // the data root, for the administration dialog's create mode
  // The running network mode and this run's rights; without it the
  // " ネット１ " buttons stay greyed.
  OptionsNetworkHost* network = nullptr;
  // The colour dialog; empty: the system's.
  std::function<std::optional<store::Color>(HWND owner, store::Color initial)> pickColour;
  // The administration dialog; null: TfmNetFolder.
  AdminWindows* adminWindows = nullptr;
};

struct OptionsOutcome {
  bool shown = false;      // false: the window could not be made
  bool confirmed = false;  // closed with OK (Enter)
  OptionsChanges changes;  // what the main window applies now
};

// `ShowOptions`(mode): mode 0 opens on " 基本 ", mode 1 (from the memo
// window) on " メモ ". `s` is the main window's settings: confirmed, every
// control goes back into it; cancelled, only a data folder change the user
// executed. The caller saves the settings before (SaveAll) and applies the
// changes after.
OptionsOutcome ShowOptions(const ShowOptionsArgs& args, int mode, Settings& s);

class TfmOption : public PageWindow, private AdminWindows {
 public:
  static constexpr wchar_t kClassName[] = L"TfmOption";
  enum : int { kTabs = 100, kFrame = 101 };  // the bottom buttons are IDOK and IDCANCEL

  TfmOption(const ShowOptionsArgs& args, OptionsController& controller);
  ~TfmOption() override;

  bool Create(OptionsMode mode);
  // Modal until OK or Cancel; true for OK.
  bool ShowModal();
  // The tab shown, as "PageIndex" stores it.
  int pageIndex() const { return shown_; }
  NetTab* netTab() { return net_.get(); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Made {
    std::size_t index;  // row of OptionControls()
    std::vector<HWND> parts;
  };

  void MakeControls();
  void MakeControl(std::size_t index);
  HWND AddPart(Made& made, const wchar_t* cls, std::string_view text, DWORD style, const OptionsPlace& place,
               int part, DWORD exStyle = 0);
  void AddCaption(const OptionControl& c, const ControlParts& p, Made& made);
  void AddSuffix(const OptionControl& c, const ControlParts& p, Made& made);
  void MakeRadio(const OptionControl& c, const ControlParts& p, Made& made);
  void MakeNumber(const OptionControl& c, const ControlParts& p, Made& made);
  void MakeChoice(const OptionControl& c, const ControlParts& p, Made& made);
  HWND Add(const wchar_t* cls, const std::string& text, DWORD style, const OptionsPlace& place, int id,
           DWORD exStyle = 0);
  void FillLists(const OptionControl& c, HWND list);
  void ShowTab(int shown);
  void SelectTab(int shown);

  void Render();
  void RenderValue(const OptionControl& c, std::size_t index);
  bool NetAllows(const OptionControl& c);

  void OnCommand(int id, int code, HWND from);
  void OnControl(const OptionControl& c, std::size_t index, int part, int code);
  void OnButton(const OptionControl& c);
  void BeginFolderChange();
  void OnOk();
  void OnCancel();
  void LeaveAllNumbers();
  void HoldFolderFocus();
  void PickColourFor(const OptionControl& c);
  void DrawSwatch(const DRAWITEMSTRUCT& item);
  bool PreTranslate(const MSG& msg);

  HWND Part(std::size_t index, int part = kMain) const { return GetDlgItem(hwnd(), ControlId(index, part)); }
  std::string TextOf(std::size_t index) const;
  bool OnShownTab(const OptionControl& c) const;

  // AdminWindows: TfmNetFolder over this window.
  std::optional<std::string> ShowAdminDialog(net::AdminSetup& setup, net::AdminDialogMode mode,
                                             const std::string& netFolderField,
                                             const net::AdminEntry& initial) override;
  std::unique_ptr<net::AdminDialogPort> RightsDialog(net::AdminSetup& setup,
                                                     const std::string& netFolderField) override;

  ShowOptionsArgs args_;
  OptionsController& controller_;
  std::vector<OptionsTabInfo> tabs_;
  std::vector<Made> made_;
  HWND tabControl_ = nullptr;
  HWND frame_ = nullptr;
  net::ShellFolderPicker picker_{nullptr};
  std::unique_ptr<NetTab> net_;
  int shown_ = 0;
  bool closed_ = true;
  bool confirmed_ = false;
  bool rendering_ = false;
  bool holdingFolder_ = false;
};

}  // namespace settings
