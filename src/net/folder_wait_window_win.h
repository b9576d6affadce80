#pragma once
// TfmNetWait, the waiting window "待機中" that start-up shows modally when
// the shared folder of the last run is missing: the count out of 100, a
// small animation and the button "ローカルフォルダで起動". The count and the
// look for the folder are FolderWait's; this window copies its view onto
// the controls.
#include <windows.h>

#include <memory>
#include <string>

#include "net/folder_wait.h"
#include "platform/services.h"
#include "platform/window_win.h"

namespace net {

enum class FolderWaitResult { Found, NotFound };

class TfmNetWait : public platform::Window {
 public:
  // Client size at 96 DPI.
  static constexpr int kClientWidth = 560;
  static constexpr int kClientHeight = 184;

  // Control ids, for tests and drivers.
  enum ControlId : int {
    kLblWaiting = 101, kLblStarts, kLblSearched, kProgress, kLblTimeout, kLblCount, kLblOutOf,
    kAnimation, kLblFound, kLblPleaseWait, kBtnLocal,
  };

  // `tickMs` is the count's interval; tests make it shorter.
  TfmNetWait(platform::FileSystem& fs, std::string folder, unsigned tickMs = kFolderWaitTickMs);
  ~TfmNetWait() override;

  bool Create(HWND owner);
  // Shows the window modally, the owner disabled, until the folder is found
  // (and a second has passed), the count passes 100 or the button is pressed.
  FolderWaitResult ShowModal();

  const FolderWait& wait() const { return wait_; }
  // The frames the animation has shown; for tests.
  int animationFrame() const { return frame_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(int oldDpi) override;

 private:
  struct Controls;

  void CreateControls();
  void MakeFonts();
  void PlaceControls();
  void Render();
  void OnTimer(UINT_PTR id);
  void Finish(FolderWaitResult result);
  void DrawAnimation(const DRAWITEMSTRUCT& item) const;

  FolderWait wait_;
  unsigned tickMs_;
  HWND owner_ = nullptr;
  std::unique_ptr<Controls> c_;
  int frame_ = 0;
  bool closed_ = true;
  bool closing_ = false;  // found: the close timer runs
  FolderWaitResult result_ = FolderWaitResult::NotFound;
};

// The waiting window over `folder` (NetFolder + "Data\Files1\"), owned by
// `owner` (may be null). NotFound when the window could not be made.
FolderWaitResult ShowFolderWaitWindow(HWND owner, platform::Services& os, const std::string& folder,
                                      unsigned tickMs = kFolderWaitTickMs);

}  // namespace net
