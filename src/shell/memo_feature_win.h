#pragma once
// The windows and programs beside the calendar: the memo window TfmMemo,
// the search window TfmKensaku and the companion programs (print, clock,
// editor). Both windows are made at their first opening with the folders
// of the moment, and destroyed when the program goes resident or ends.
#include <windows.h>

#include <memory>
#include <string>

#include "editors/memo_window_win.h"
#include "editors/search_window_win.h"
#include "shell/companions.h"
#include "shell/main_controller.h"
#include "shell/residency.h"

namespace shell {

// What the main window does for them.
class MemoFeatureHost {
 public:
  virtual ~MemoFeatureHost() = default;
  virtual HWND MainHwnd() const = 0;
  virtual MainController& Controller() = 0;
  virtual void GoResident(ResidencyCaller caller) = 0;
  // Opening the memo or search window forgets a copied day.
  virtual void ForgetDayCopy() = 0;
  virtual void ClearGridSelection() = 0;
  // The month page on that day (0: the month), the window shown.
  virtual void ShowDay(int year, int month, int day) = 0;
  virtual bool CanOpenMemoOptions() { return false; }
  virtual void OpenMemoOptions() {}
};

class MemoFeature : private editors::MemoWindowHost, private CompanionHost {
 public:
  MemoFeature(platform::Services& os, MemoFeatureHost& host);
  ~MemoFeature() override;
  MemoFeature(const MemoFeature&) = delete;
  MemoFeature& operator=(const MemoFeature&) = delete;

  // After the settings were read: the companions are looked for (empty
  // path settings are filled with what was found).
  void SettingsLoaded();

  // The memo window on `doc`, or on its current document.
  void OpenMemo(std::optional<editors::MemoDoc> doc);
  void OpenSearch();
  // btnM8 and the pop-up "メモ(&M)".
  void MemoButton();
  void Print();
  void StartClock() { companions_.StartClock(); }
  void ToggleEditor();
  void CloseEditor() { companions_.CloseEditor(); }
  void ShowProperties();
  void OpenMakerSite() { companions_.OpenMakerSite(); }

  bool MemoOpen() const { return memo_ && memo_->Showing(); }
  bool SearchOpen() const { return search_ && search_->Showing(); }
  // The close steps, then the windows are destroyed; false while one of
  // them could not save its text (it stays open).
  bool SaveAndCloseMemo() { return !memo_ || memo_->SaveAndDestroy(); }
  bool SaveAndCloseSearch() { return !search_ || search_->SaveAndDestroy(); }
  bool SaveAndCloseBoth() { return SaveAndCloseMemo() && SaveAndCloseSearch(); }
  // The same when the session ends: nothing is refused for want of a question.
  void SaveAtSessionEnd() {
    if (memo_) memo_->SessionEnding();
    if (search_) search_->SessionEnding();
    SaveAndCloseBoth();
  }
  // Keys of the two windows before their controls see them.
  bool PreTranslate(MSG& msg);

  // For the command rules and the main window's captions.
  int memoDoc() const;
  bool EditorIntegration() const;
  bool ClockFound() const { return companions_.ClockAvailable(); }
  bool EditorFound() const { return !companions_.paths().editor.empty(); }
  std::string MemoButtonCaption() const;
  std::string MemoPopupCaption() const;

 private:
  // MemoWindowHost
  void MemoWindowClosed(Page page) override;
  bool CanOpenMemoOptions() override { return host_.CanOpenMemoOptions(); }
  void OpenMemoOptions() override { host_.OpenMemoOptions(); }
  bool CanShowDay() override { return true; }
  void ShowDay(int year, int month, int day) override { host_.ShowDay(year, month, day); }
  // CompanionHost
  void GoResident() override { host_.GoResident(ResidencyCaller::CompanionProgram); }
  void SaveAndTidy() override { host_.Controller().SaveAndTidy(); }
  void SetWaitCursor(bool on) override;

  editors::MemoFolders Folders() const;
  // Residency first when "visMemoMHide" asks for it, and the day copy is
  // forgotten; then `window` is made or handed the folders of the moment.
  template <class Window>
  Window& Prepare(std::unique_ptr<Window>& window);

  platform::Services& os_;
  MemoFeatureHost& host_;
  Companions companions_;
  std::unique_ptr<editors::TfmMemo> memo_;
  std::unique_ptr<editors::TfmKensaku> search_;
  HCURSOR cursorBefore_ = nullptr;
};

}  // namespace shell
