#pragma once
// The memo window TfmMemo and the frame it shares with the search window
// TfmKensaku (search_window_win.h): the text (TEditor), the menus, the
// keys, the status bar (caret, "Read Only", 挿入/上書, Caps, かな, Num, the
// document), links, the find form and the place on the screen. Every
// decision is MemoController's; this class shows it. Both windows are
// modeless and owned by the main window, made on first use, hidden on close
// and destroyed when the program goes resident.
#include <windows.h>

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "editors/editor_win.h"
#include "editors/find_dialog_win.h"
#include "editors/memo_controller.h"
#include "platform/services.h"
#include "platform/win_handles_win.h"
#include "platform/window_win.h"

namespace editors {

// What the main window hears from the memo and search windows.
class MemoWindowHost {
 public:
  enum class Page { Keep, Month, Year };
  virtual ~MemoWindowHost() = default;
  // The window was hidden; `page` is the page the main window shows when it
  // is next activated (Alt+Right: the month page, Alt+Left: the year page).
  virtual void MemoWindowClosed(Page page) {}
  // "オプション設定(&O)": the options window in its memo mode. Without one the
  // item is greyed.
  virtual bool CanOpenMemoOptions() { return false; }
  virtual void OpenMemoOptions() {}
  // The search window's "この日を表示(&D)": the month page on that day (day 0:
  // the month). Without it the item is left out.
  virtual bool CanShowDay() { return false; }
  virtual void ShowDay(int year, int month, int day) {}
};

struct MemoWindowArgs {
  HWND owner = nullptr;  // the main window
  platform::Services* os = nullptr;
  MemoFolders folders;
  MemoWindowHost* host = nullptr;
};

class MemoWindow : public platform::Window,
                   protected TEditorEvents,
                   protected MemoTextArea,
                   protected MemoScreen {
 public:
  using Page = MemoWindowHost::Page;

  // Control and menu ids, for owners and test drivers.
  enum Id : int {
    kMemo1 = 100, kStatusBar,
    kMnNew = 301, kMnOpen, kMnSaveAs, kMnRebuild, kMnClose,
    kMnDocMemo = 311, kMnDocReadMe, kMnDocUsage, kMnDocEditor,
    kMnUndo = 321, kMnRedo, kMnCut, kMnCopy, kMnPaste, kMnSelectAll, kMnReload,
    kMnFind = 331, kMnFindPrev, kMnFindNext, kMnFirst, kMnLast, kMnTop, kMnBottom,
    kMnJumpToggle, kMnJumpReset,
    kMnOptions = 341,
    kPmClose = 351, kPmCut, kPmCopy, kPmPaste, kPmShowDay,
  };
  static constexpr int kStatusPanels = 7;

  ~MemoWindow() override;

  bool Create(const MemoWindowArgs& args);
  // The data folder changes with the data set; the next opening uses it.
  void SetFolders(const MemoFolders& folders);
  // Shows the window on `doc`; a shown window switches to it.
  void Open(MemoDoc doc);
  // The close steps, then hidden. False when a text could not be saved: the
  // window stays with it.
  bool CloseWindow(Page page = Page::Keep);
  void SessionEnding() { controller_->SessionEnding(); }
  // Going resident or ending: the close steps of a shown window, then the
  // window is destroyed (made again on the next Open). False: it stays.
  bool SaveAndDestroy();
  // Keys for a control other than the text (the owner's message loop calls
  // this first); true when taken.
  bool PreTranslate(MSG& msg);

  bool Showing() const { return hwnd() && IsWindowVisible(hwnd()); }
  MemoController& controller() { return *controller_; }
  TEditor& editor() { return *editor_; }
  std::string StatusText(int panel) const;
  void RunCommand(int id);

 protected:
  explicit MemoWindow(MemoKind kind);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(int oldDpi) override;

  // ---- What the two windows add
  virtual const wchar_t* ClassName() const = 0;
  // Left and top in screen pixels, width and height at 96 DPI.
  virtual Bounds DesignBounds() const { return {120, 80, 640, 480}; }
  virtual void CreateExtras() {}
  // The part of `area` left for the text.
  virtual RECT LayoutExtras(RECT area) { return area; }
  virtual bool OnExtraCommand(int id, int code) { return false; }
  virtual void AfterOpen() {}
  // Where the keyboard goes when the window opens.
  virtual HWND InitialFocus() { return editor_->hwnd(); }

  // ---- MemoScreen
  void ShowTitle(const std::string& title) override;
  void ShowDocument(MemoDoc doc, bool readOnly) override;
  FileDialogAnswer AskSaveName(const FileDialogRequest& request) override;
  FileDialogAnswer AskOpenName(const FileDialogRequest& request) override;

  void SetStatus(int panel, const std::string& text);
  HFONT UiFont() const { return uiFont_.get(); }
  platform::Services& os() { return *os_; }
  MemoWindowHost& host() { return *host_; }
  void Relayout();

 private:
  struct Command;
  static std::span<const Command> Commands();
  static const Command* FindCommand(int id);
  bool CommandEnabled(const Command& command);

  // ---- MemoTextArea over the editor
  const std::string& Text() const override { return editor_->Text(); }
  void SetLines(const std::vector<std::string>& lines) override;
  bool Modified() const override { return editor_->Modified(); }
  void SetModified(bool modified) override { editor_->SetModified(modified); }
  bool ReadOnly() const override { return editor_->ReadOnly(); }
  void SetReadOnly(bool readOnly) override { editor_->SetReadOnly(readOnly); }
  TextPos Caret() const override { return editor_->Caret(); }
  void SetCaret(TextPos pos) override { editor_->SetCaret(pos); }
  void Select(TextPos from, TextPos to) override;
  TextPos SelectionStart() const override { return editor_->GetSelection().start; }
  TextPos SelectionEnd() const override { return editor_->GetSelection().end; }
  int TopRow() const override { return editor_->FirstVisibleRow(); }
  void SetTopRow(int row) override { editor_->SetFirstVisibleRow(row); }
  int VisibleRows() const override { return editor_->VisibleRows(); }

  // ---- TEditorEvents
  void OnChange(const std::string& before, const TextChange& change) override;
  void OnCaretMoved() override;
  bool OnKeyDown(unsigned key, bool ctrl, bool shift, bool alt) override;
  void OnKeyUp(unsigned key) override;
  void OnContextMenu(int x, int y) override;
  void OnLink(const std::string& address, bool doubleClick) override;

  // ---- Building
  void CreateControls();
  void CreateEditor();
  void RenewEditor();
  void CreateMenus();
  HMENU BuildPopup(int popup);
  static LRESULT CALLBACK EditorKeys(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void Place();

  // ---- Commands
  bool RunKey(MemoKey key);
  void OnInitMenuPopup(HMENU menu);
  void ShowFindForm();
  void SwitchTo(MemoDoc doc);
  void ToggleInsertMode();
  void UpdateCaretPanel();
  void UpdateKeyPanels();
  bool ClipboardHasText() const;
  void ShowDayOfCaretLine();
  void Close() { CloseWindow(Page::Keep); }

  MemoKind kind_;
  platform::Services* os_ = nullptr;
  MemoWindowHost* host_ = nullptr;
  MemoWindowHost noHost_;
  HWND owner_ = nullptr;
  MemoFolders folders_;
  std::unique_ptr<TEditor> editor_;  // made again with the window
  std::unique_ptr<MemoController> controller_;
  HWND statusBar_ = nullptr;
  HMENU menuBar_ = nullptr;
  HMENU popup_ = nullptr;
  std::array<HMENU, 5> popups_{};
  platform::UniqueFont uiFont_;
  std::array<std::string, kStatusPanels> status_;
  std::vector<std::string> findHistory_;
  bool forwardFind_ = true;
  bool overwrite_ = false;
  bool closing_ = false;
  HWND lastFocus_ = nullptr;  // given back when the window is active again
};

// The memo window: the memo file, ReadMe, the usage text and any text file,
// with the jump buttons at its right edge.
class TfmMemo : public MemoWindow {
 public:
  enum JumpId : int { kBtnFirst = 401, kBtnDigit1, kBtnLast = kBtnDigit1 + 10 };
  TfmMemo() : MemoWindow(MemoKind::Memo) {}
  // The caption colour of a digit button: fuchsia/green when its mark is
  // set, blue/window text when not (the first under the mouse).
  static COLORREF DigitColor(bool markSet, bool hot);

 protected:
  const wchar_t* ClassName() const override { return L"TfmMemo"; }
  void CreateExtras() override;
  RECT LayoutExtras(RECT area) override;
  bool OnExtraCommand(int id, int code) override;
  void ShowJumpPanel(bool shown) override;
  void ShowMarks(const std::array<int, 10>& marks) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static LRESULT CALLBACK ButtonHover(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void DrawJumpButton(const DRAWITEMSTRUCT& item);
  int DigitOf(int id) const;

  std::array<HWND, 12> buttons_{};
  std::array<int, 10> marks_{};
  bool panelShown_ = false;
  HWND hot_ = nullptr;
};

}  // namespace editors
