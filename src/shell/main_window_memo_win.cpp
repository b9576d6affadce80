// The main window's side of the memo and search windows and the companion
// programs (memo_feature_win.h).
#include "shell/controls_win.h"
#include "shell/main_window_win.h"
#include "shell/month_entry.h"

namespace shell {

void MainWindow::OpenMemo(int doc) {
  if (doc < 0 || doc > 3) memos_->OpenMemo(std::nullopt);
  else memos_->OpenMemo(static_cast<editors::MemoDoc>(doc));
}

void MainWindow::ForgetDayCopy() {
  if (editing_) editing_->dayCopy().Forget();
}

void MainWindow::ShowDay(int year, int month, int day) {
  if (!IsVisible()) resident_->Restore(false);
  SelectPage(Page::Month);
  controller_.cycle().GoToMonth(MonthText(year, month), day);
  SetForegroundWindow(hwnd());
}

bool MainWindow::MemoTabSelected() const {
  return memoTab_ && CurrentTab(pageTabs_) == TabCount(pageTabs_) - 1;
}

void MainWindow::ApplyMemoSettings() {
  const settings::Settings& s = controller_.settings();
  HMENU old = menu_.bar;
  menu_ = BuildMainMenu(s.cbMemo);
  SetMenu(hwnd(), menu_.bar);
  DestroyMenu(old);

  const bool wantTab = s.cbMemo && !memos_->EditorIntegration();
  if (wantTab && !memoTab_) InsertTab(pageTabs_, TabCount(pageTabs_), "　 メモ 　");
  if (!wantTab && memoTab_) SendMessageW(pageTabs_, TCM_DELETEITEM, TabCount(pageTabs_) - 1, 0);
  memoTab_ = wantTab;

  SetText(buttons_[kBtnMemo], memos_->MemoButtonCaption().c_str());
  SetText(buttons_[kBtnPrint], s.cbPrint ? "印刷" : "");
  ShowMonthControls(page_ == Page::Month);
  UpdateButtons();
}

}  // namespace shell
