#pragma once
// TfmKensaku, the search window: the memo window's frame (memo_window_win.h)
// with the listing of every month file as document 0 and the search bar
// above the text. The listing is built under the wait window with the count
// of files in status panel 0.
#include <windows.h>

#include <cstdint>

#include "editors/memo_window_win.h"
#include "platform/wait_window_win.h"

namespace editors {

class TfmKensaku : public MemoWindow {
 public:
  enum BarId : int {
    kLblKensaku = 501, kCbKensaku, kBtnKensaku, kBtnUp, kBtnDown, kBtnSaisho, kBtnSaigo,
    kBtnSaisakusei, kBtnTojiru,
  };
  TfmKensaku() : MemoWindow(MemoKind::Search) {}

  // How long the last listing took: building it, and putting it into the
  // text (milliseconds of the system tick).
  std::uint64_t lastBuildMs() const { return buildMs_; }
  std::uint64_t lastShowMs() const { return showMs_; }

 protected:
  const wchar_t* ClassName() const override { return L"TfmKensaku"; }
  Bounds DesignBounds() const override { return {100, 60, 760, 560}; }
  void CreateExtras() override;
  RECT LayoutExtras(RECT area) override;
  bool OnExtraCommand(int id, int code) override;
  void AfterOpen() override;
  HWND InitialFocus() override { return box_; }

  void BeginWait() override;
  void ShowProgress(int done, int total) override;
  void EndWait() override;

 private:
  HWND AddBarControl(const wchar_t* cls, const wchar_t* text, DWORD style, int id);
  std::string BoxText() const;
  void FillHistory();
  void Search();
  void FindFromBox(bool forward);

  HWND box_ = nullptr;
  std::vector<HWND> bar_;
  platform::WaitWindow wait_{L"処理中", L"楓帳 -Velda-"};
  HCURSOR cursorBefore_ = nullptr;
  std::uint64_t waitStart_ = 0, lastPaint_ = 0, buildMs_ = 0, showMs_ = 0;
};

}  // namespace editors
