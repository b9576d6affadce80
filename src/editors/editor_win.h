#pragma once
// TEditor: the multi-line text editor of the day editor, the memo and the
// search window, over the RichEdit control (msftedit.dll, loaded on first
// use).
//
// The control runs in rich-text mode only so that lines can carry their own
// colours; the text itself stays plain: pasting and dropping take plain
// text, copying puts plain text (Unicode and CP932) on the clipboard, and
// the control's formatting shortcuts are swallowed. Undo and redo are kept
// here (UndoHistory, 64 steps) instead of in the control, because the
// control would also record the colouring and could not restore what the
// owner keeps per line; the control's own undo is switched off.
#include <windows.h>

#include <any>
#include <optional>
#include <string>
#include <vector>

#include "editors/text_change.h"
#include "editors/undo_history.h"
#include "platform/clipboard.h"
#include "platform/win_handles_win.h"
#include "store/color_text.h"

namespace editors {

// What the owner of a TEditor hears and answers. Every handler is optional.
class TEditorEvents {
 public:
  virtual ~TEditorEvents() = default;
  // The user changed the text (typing, Enter, paste, cut, deleting, the
  // input method); `before` is the whole text before it.
  virtual void OnChange(const std::string& before, const TextChange& change) {}
  virtual void OnCaretMoved() {}
  // A key going down in the control; true when the owner took it.
  virtual bool OnKeyDown(unsigned key, bool ctrl, bool shift, bool alt) { return false; }
  virtual void OnKeyUp(unsigned key) {}
  virtual void OnMouseUp() {}
  virtual void OnDoubleClick() {}
  // Screen coordinates; from the keyboard, the caret's place.
  virtual void OnContextMenu(int x, int y) {}
  // A web or mail address under the mouse was clicked or double-clicked.
  virtual void OnLink(const std::string& address, bool doubleClick) {}
  // Draw-line: the colour of a line; nullopt leaves it in the window text
  // colour. Only asked when colours are on (SetLineColors).
  virtual std::optional<store::Color> LineColor(int row) { return std::nullopt; }
  // What an undo step restores beside the text.
  virtual std::any SaveUndoState() { return {}; }
  virtual void RestoreUndoState(const std::any& state) {}
};

enum class ScrollBars { None, Vertical, Horizontal, Both };

struct TEditorArgs {
  HWND parent = nullptr;
  int id = 0;
  platform::Clipboard* clipboard = nullptr;
  TEditorEvents* events = nullptr;
  std::wstring fontFace;  // a fixed-pitch face
  int fontHeight = 12;    // pixels at 96 DPI: a size in points
  bool wordWrap = false;
};

struct EditorSelectionRange {
  TextPos start;
  TextPos end;
  long startIndex = 0;  // in the control's characters
  long length = 0;
};

class TEditor {
 public:
  TEditor() = default;
  TEditor(const TEditor&) = delete;
  TEditor& operator=(const TEditor&) = delete;
  ~TEditor();

  bool Create(const TEditorArgs& args);
  HWND hwnd() const { return hwnd_; }
  // The parent forwards its WM_COMMAND and WM_NOTIFY here first.
  bool HandleParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // ---- Text
  std::vector<std::string> Lines() const { return SplitEditorText(text_); }
  const std::string& Text() const { return text_; }
  int LineCount() const;
  // Replaces everything; clears undo and the Modified flag.
  void SetLines(const std::vector<std::string>& lines);
  // As typed by the user, at the caret (replacing a selection).
  void InsertText(const std::string& text);
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  void SetReadOnly(bool readOnly);
  bool ReadOnly() const;

  // ---- Caret and selection
  TextPos Caret() const;
  void SetCaret(TextPos pos);
  bool HasSelection() const;
  EditorSelectionRange GetSelection() const;
  void Select(TextPos from, TextPos to);
  // The selection collapses to its end.
  void CollapseSelection();
  void SelectAll();

  // ---- View
  void SetScrollBars(ScrollBars bars);
  int VisibleRows() const;
  int VisibleColumns() const;
  int FirstVisibleRow() const;
  void SetFirstVisibleRow(int row);
  void ScrollCaretIntoView();
  void SetTabWidth(int characters);
  // Opens the input method (Japanese input) whenever the control takes the
  // focus; false leaves it to the system.
  void SetImeOpenOnFocus(bool open);
  // Colours from TEditorEvents::LineColor; re-applied whenever lines change.
  void SetLineColors(bool on);
  void RefreshColors();
  void Focus();
  void Move(const RECT& bounds);
  void Show(bool show);

  // ---- Editing
  bool CanUndo() const { return !ReadOnly() && history_.CanUndo(); }
  bool CanRedo() const { return !ReadOnly() && history_.CanRedo(); }
  void Undo();
  void Redo();
  void Cut();
  void Copy();
  void Paste();
  void DeleteSelection();
  // An undo step for a change the owner made beside the text (a colour):
  // `before` is what SaveUndoState gave before it.
  void RecordOwnerStep(const std::any& before);
  // Searches from the caret; selects and shows the match.
  bool Find(const std::string& text, bool forward, bool matchCase = false);

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled);
  static bool StartsAnEdit(UINT message);
  bool AfterDefault(UINT message);
  void Notify(UINT message, WPARAM wParam);
  void ScrollByWheel(int delta);
  void ShowContextMenu(LPARAM lParam);
  bool OnKeyDown(WPARAM key);
  bool StandardKey(unsigned key, bool ctrl, bool shift, bool alt);
  void OnTextChanged();
  void RememberSelection();
  Selection SelectionOffsets() const;
  void SelectOffsets(const Selection& selection);
  std::string ReadControlText() const;
  void ReplaceSelection(const std::string& text);
  void ApplyStep(const TextChange& change, const std::any& state, const Selection& selection);
  void ApplyFont(const std::wstring& face, int height96);
  void ApplyTabStops();
  int CharWidth() const;
  int LineHeight() const;

  HWND hwnd_ = nullptr;
  int id_ = 0;
  platform::Clipboard* clipboard_ = nullptr;
  TEditorEvents* events_ = nullptr;
  TEditorEvents noEvents_;
  platform::UniqueFont font_;
  std::string text_;           // the control's text as the owner last saw it
  Selection pendingSelection_;  // where the user stood when an edit began
  std::size_t hint_ = kNoHint;
  UndoHistory history_;
  int quiet_ = 0;  // programmatic changes under way: no events, no undo
  bool modified_ = false;
  bool colors_ = false;
  bool imeOpen_ = false;
  int tabWidth_ = 8;
  int wheelRest_ = 0;
};

}  // namespace editors
