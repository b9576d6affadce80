#pragma once
// A text shown read-only in a fixed-pitch font, modally: the text page on
// which reports such as the run-time log's table are read.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/window_win.h"

namespace editors {

struct TextPageArgs {
  HWND owner = nullptr;  // disabled while the page is shown
  std::string title = "楓帳 -Velda-";
  std::string text;      // lines end in CR LF
  int width = 620;       // client size at 96 DPI
  int height = 480;
};

class TextPage : public platform::Window {
 public:
  enum ControlId : int { kText = 101, kBtnClose };

  TextPage();
  ~TextPage() override;
  bool Create(const TextPageArgs& args);
  // Shows the page and returns when it is closed.
  void ShowModal();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(int oldDpi) override;

 private:
  void ApplyFonts();
  void Layout();

  TextPageArgs args_;
  HWND text_ = nullptr;
  HWND close_ = nullptr;
  struct Fonts;
  std::unique_ptr<Fonts> fonts_;
  bool closed_ = true;
};

// Creates, shows and destroys a text page.
void ShowTextPage(const TextPageArgs& args);

}  // namespace editors
