// The main window's side of the shared folder (network_win.h).
#include "shell/main_window_win.h"

namespace shell {

void MainWindow::ShowLockStatus(const std::string& text, COLORREF colour) {
  statusBar_.SetLockStatus(text, colour);
  // The waits run on this thread: the label has to be painted now.
  UpdateWindow(statusBar_.hwnd());
  UpdateWindow(hwnd());
}

void MainWindow::ShowNetworkPanel(const std::string& text) { statusBar_.SetText(1, text, false); }

}  // namespace shell
