#pragma once
// The page "かえで記念" of the setup window without its window: the
// display settings of the commemoration function ("Cmr.kdf"), the import
// of commemoration files and the removal by delete code, each behind the
// backup question, with the page's enabled states and messages.
#include <string>
#include <utility>

#include "platform/services.h"
#include "settings/commemoration_import.h"
#include "settings/window_keys.h"
#include "store/folders.h"
#include "store/network_link.h"

namespace settings {

inline constexpr store::Color kClSilver = 0xC0C0C0;

// What the page's controls show.
struct CommemorationView {
  CommemorationSettings settings;  // the check boxes
  bool importOn = false;           // "前に挿入", "規定色", "予定追加読込" enabled
  bool insertBefore = true;        // "前に挿入"
  bool defaultColour = true;       // "規定色"
  bool readColourEnabled = false;  // the read colour's label, box and "読込色の変更"
  store::Color readColourShown = kClSilver;
  bool removeOn = false;           // the delete-code box and its label
  bool startRemovalEnabled = false;  // "削除開始"
  std::string deleteCode;
  bool cancelEnabled = false;      // "中止(&Q)"
  bool applyEnabled = false;       // "適用(&W)"
  bool closeButtonVisible = true;  // the window's close button
};

class CommemorationPage {
 public:
  struct Context {
    platform::Services& os;
    const store::Folders& folders;
    store::NetworkLink& network;
  };
  // The page opens: the settings shown, nothing changed, the reload flag clear.
  CommemorationPage(const Context& context, const CommemorationSettings& settings);

  const CommemorationView& view() const { return view_; }
  // The main window re-reads its months when the window has closed.
  bool reloadNeeded() const { return reload_; }
  // An error ended a run: the setup window closes.
  bool closeRequested() const { return closeRequested_; }
  // The delete-code box wants the focus (once, after "「削除」をＯＮ").
  bool TakeFocusRequest() { return std::exchange(focusDeleteCode_, false); }

  void SetSettings(const CommemorationSettings& settings);  // a check box changed
  void ToggleImport();                // "「読込」をＯＮ"
  void SetInsertBefore(bool on);      // "前に挿入"
  void SetDefaultColour(bool on);     // "規定色"
  void SetReadColour(store::Color colour);  // the colour dialog of "読込色の変更"
  void Import();                      // "予定追加読込"
  void ToggleRemoval();               // "「削除」をＯＮ"
  void SetDeleteCode(std::string text);
  void Remove();                      // "削除開始"
  // "適用(&W)": the settings to keep. "中止(&Q)": forget the changes.
  const CommemorationSettings& Apply() const { return view_.settings; }
  void Cancel() { view_.settings = opened_; }

 private:
  bool BackedUp();
  void Changed();
  void Finished(const MergeRun& run, const char* countFormat, const char* errorText);
  store::StoreEnv env() const { return {context_.os, context_.folders}; }

  Context context_;
  CommemorationSettings opened_;
  CommemorationView view_;
  store::Color readColour_ = store::kClTeal;
  bool reload_ = false;
  bool closeRequested_ = false;
  bool focusDeleteCode_ = false;
};

}  // namespace settings
