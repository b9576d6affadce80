#pragma once
// What the memo window (TfmMemo) and the search window (TfmKensaku) decide:
// their four documents, loading, the save step, save-as with its "無題"
// rules, reload, switching with the remembered view of each document, the
// jump marks, find, the listing of the search window and the settings of
// their sections ("Memo", "Kensaku"). The windows forward to it; tests run
// it over a text area and a screen of their own.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editors/memo_rules.h"
#include "editors/text_change.h"
#include "platform/services.h"
#include "settings/window_keys.h"
#include "store/exact_lines.h"

namespace editors {

// The text area: TEditor in the window.
class MemoTextArea {
 public:
  virtual ~MemoTextArea() = default;
  // The lines joined with "\n".
  virtual const std::string& Text() const = 0;
  // Replaces the text; it counts as unchanged afterwards.
  virtual void SetLines(const std::vector<std::string>& lines) = 0;
  virtual bool Modified() const = 0;
  virtual void SetModified(bool modified) = 0;
  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
  virtual TextPos Caret() const = 0;
  virtual void SetCaret(TextPos pos) = 0;
  // Selects and scrolls the selection into view.
  virtual void Select(TextPos from, TextPos to) = 0;
  virtual TextPos SelectionStart() const = 0;
  virtual TextPos SelectionEnd() const = 0;
  virtual int TopRow() const = 0;
  virtual void SetTopRow(int row) = 0;
  virtual int VisibleRows() const = 0;
};

struct FileDialogRequest {
  std::string title;
  std::string filter;  // "テキスト( .txt)|*.txt|..."
  std::string folder;  // where the dialog starts when `name` holds no folder
  std::string name;
};
struct FileDialogAnswer {
  bool ok = false;
  std::string name;  // also on Cancel: the name the dialog held
};

// What the window shows of the decisions.
class MemoScreen {
 public:
  virtual ~MemoScreen() = default;
  virtual void ShowTitle(const std::string& title) {}
  // A document was loaded: its switch item, "Read Only", its name.
  virtual void ShowDocument(MemoDoc doc, bool readOnly) {}
  virtual void ShowJumpPanel(bool shown) {}
  virtual void ShowMarks(const std::array<int, 10>& marks) {}
  virtual FileDialogAnswer AskSaveName(const FileDialogRequest& request) { return {}; }
  virtual FileDialogAnswer AskOpenName(const FileDialogRequest& request) { return {}; }
  // The listing's rebuild: the wait window and the count in status panel 0.
  virtual void BeginWait() {}
  virtual void ShowProgress(int done, int total) {}
  virtual void EndWait() {}
};

struct MemoFolders {
  std::string programFolder;     // ReadMe.txt, CaSima.dat, "Files\"
  std::string commonDataFolder;  // CaMemo.kdf
  std::string dataFolder;        // the month files and kensaku.txt
  std::string settingsFile;      // "Velda.ini"
};

inline constexpr char kSaveAsTitle[] = "保存するファイル名を指定してください。";
inline constexpr char kSaveAsFilter[] =
    "テキスト( .txt)|*.txt|ハイパーテキスト( .htm, *.html)|*.htm;*.html|すべてのファイル( *.* )|*.*";
inline constexpr char kOpenFilter[] =
    "テキスト( txt )|*.txt|ハイパーテキスト( htm, html )|*.htm;*.html|すべてのファイル|*.*";

class MemoController {
 public:
  MemoController(MemoKind kind, platform::Services& os, MemoTextArea& text, MemoScreen& screen);

  MemoKind kind() const { return kind_; }
  void SetFolders(const MemoFolders& folders) { folders_ = folders; }
  const MemoFolders& folders() const { return folders_; }
  // The section's keys; `design` is the window's own place and size.
  void LoadSettings(const Bounds& design);
  Bounds SavedBounds() const;
  // After the options window, which edits the jump keys in the file: they
  // are read again, so that closing does not write the old ones back.
  void ReloadOptionKeys();
  settings::MemoWindowKeys& keys() { return keys_; }

  // ---- Documents
  // Shows `doc` as the window opens: the view goes to row 0 first, then to
  // the document's remembered rows.
  void Show(MemoDoc doc);
  // Remembers the view, runs the save step, loads `doc`. False when the
  // current text could not be saved: it stays.
  bool Switch(MemoDoc doc);
  // The view, the save step and the settings. False: the window stays open.
  bool Close(const Bounds& bounds);
  // The Windows session ends and nobody can be asked: a text holding
  // characters Shift-JIS lacks is then written with "?" in their place,
  // since refusing would lose all of it.
  void SessionEnding() { sessionEnding_ = true; }
  // Document 3: the save step, then an empty untitled text or a chosen file.
  void NewText();
  void OpenFile();
  // Documents 0 and 3. True when written.
  bool SaveAs();
  void Reload();
  // The search window's listing, rebuilt from the month files.
  void Rebuild();

  MemoDoc doc() const { return doc_; }
  const std::string& path() const { return path_; }
  std::string Title() const;
  bool DocAvailable(MemoDoc doc) const;
  bool CanSaveAs() const { return doc_ == MemoDoc::Memo || doc_ == MemoDoc::Editor; }
  bool CanNewOrOpen() const { return doc_ == MemoDoc::Editor; }

  // ---- Find
  // From the caret; selects the match or tells that there is none.
  bool Find(const std::string& word, bool forward);
  // F3 and Shift+F3: the last word; nothing while there is none.
  bool FindAgain(bool forward);
  // The search window's "検索": into the history, caret to the top, forwards.
  bool SearchFromTop(const std::string& word);
  const std::string& lastWord() const { return lastWord_; }
  bool matchCase() const { return matchCase_; }
  void SetMatchCase(bool on) { matchCase_ = on; }
  const std::vector<std::string>& history() const { return history_; }
  void ToFirstLine();
  void ToLastLine();

  // ---- Jump marks
  bool jumpPanelShown() const { return jumpShown_; }
  const std::array<int, 10>& marks() const { return marks_; }
  void ToggleJumpPanel();
  void RescanMarks();
  // A digit button; an unset digit does nothing.
  void Jump(int digit, bool shift);

  // After every change of the text: the title, and the marks when the line
  // count changed while the panel is shown.
  void TextChanged();

 private:
  struct ViewKeys {
    int* topRow;
    int* row;
    bool* jump;
  };
  ViewKeys ViewOf(MemoDoc doc);
  std::string PathOf(MemoDoc doc) const;
  std::vector<std::string> Lines() const;
  int LineCount() const;

  void LoadDocument(MemoDoc doc);
  std::vector<std::string> LoadHelpText(MemoDoc doc);
  std::vector<std::string> LoadMemoText();
  std::vector<std::string> LoadEditorText();
  void LoadListing();
  std::optional<std::vector<std::string>> ReadText(const std::string& path);
  void Loaded(MemoDoc doc, const std::vector<std::string>& lines, bool modified);
  void RememberView();
  void RestoreView(MemoDoc doc);

  enum class SaveAsOutcome { Saved, NotSaved, Failed };
  SaveAsOutcome RunSaveAs();
  bool SaveStep();
  bool SaveDocumentZero();
  bool SaveEditorText();
  bool WriteText(const std::string& path);
  FileDialogRequest SaveAsRequest() const;
  void ClearTheText();
  void ShowTitle();
  void Tell(const std::string& text);
  void SaveSettings();

  MemoKind kind_;
  platform::Services& os_;
  MemoTextArea& text_;
  MemoScreen& screen_;
  MemoFolders folders_;
  settings::MemoWindowKeys keys_;
  MemoDoc doc_ = MemoDoc::Memo;
  bool loaded_ = false;
  bool sessionEnding_ = false;
  std::string path_;
  store::OriginalBytes originals_;
  std::array<int, 10> marks_{};
  bool jumpShown_ = false;
  int lineCount_ = 0;
  std::string lastWord_;
  bool matchCase_ = false;
  std::vector<std::string> history_;
};

}  // namespace editors
