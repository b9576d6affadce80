#pragma once
// The small rules of the memo and search windows: documents, titles and
// status texts, where the window goes, where a jump puts the marked line,
// what a link opens, what a key does, and the message that refuses a save
// Shift-JIS cannot hold.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editors/day_editor.h"
#include "support/cp932.h"

namespace editors {

// The switch menu's documents; the number is also what the main window
// passes when it opens the memo window.
enum class MemoDoc : int { Memo = 0, ReadMe = 1, Usage = 2, Editor = 3 };
inline constexpr int kMemoDocCount = 4;
// The memo window keeps the memo file as document 0; the search window
// keeps the listing there.
enum class MemoKind { Memo, Search };

inline constexpr char kUntitled[] = "無題";
inline constexpr char kReadMeFileName[] = "ReadMe.txt";
inline constexpr char kUsageFileName[] = "CaSima.dat";
inline constexpr char kModifiedMark[] = "(更新)";

bool IsReadOnlyDoc(MemoDoc doc);
// "メモ : C:\...\CaMemo.kdf(更新)", "ReadMe.txt", "使用法", "Editor : 無題",
// the search window's "【検索】".
std::string MemoTitle(MemoKind kind, MemoDoc doc, const std::string& path, bool modified);
// Status panel 6: "メモ", "Readme.txt", "使用法", "Editor"; "検索".
std::string MemoDocName(MemoKind kind, MemoDoc doc);
// Status panel 0: "%5d 行:%4d 桁", both from 1.
std::string CaretPanelText(int row, int column);

// A name the save-as dialog refuses and whose cancel asks again:
// "無題.txt" in any letter case.
bool HoldsUntitledName(const std::string& path);

// Where the window goes when shown: a window taller or wider than the work
// area at its top-left corner; one with an edge outside it centred in it;
// else where it was.
Bounds PlaceMemoWindow(Bounds window, Bounds workArea);

// The top row that shows a jumped-to line: `above` rows over it, or with
// `nearBottom` `below` rows under it at the bottom of the view.
int JumpTopRow(int line, int rowsInView, int above, int below, bool nearBottom);
// Shift places the line near the bottom; "動作を反転" swaps the rule.
inline bool JumpNearBottom(bool shift, bool reversed) { return shift != reversed; }

// A double-clicked link: a web address opens as it is; a file link loses
// "file://" or "file:" (and the slash before a drive) and opens when the
// file exists, else tells that it does not.
struct LinkAction {
  std::string open;     // what to hand to the shell; empty: nothing
  std::string message;  // what to tell instead
};
LinkAction DecideLink(const std::string& address,
                      const std::function<bool(const std::string&)>& fileExists);

// ---- Keys ------------------------------------------------------------------

enum class MemoKey {
  None,
  Swallow,       // taken, nothing to do (Ctrl+Enter going down)
  Close,         // Alt+M, F2, Ctrl+Enter on release
  CloseToMonth,  // Alt+Right
  CloseToYear,   // Alt+Left
  New,           // Ctrl+N
  Open,          // Ctrl+O
  FindDialog,    // Ctrl+F
  FindNext,      // F3
  FindPrevious,  // Shift+F3
  ToggleInsert,  // Insert (the control switches itself)
};
struct MemoKeyStroke {
  unsigned key = 0;  // virtual-key code
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool release = false;
};
MemoKey DecideMemoKey(const MemoKeyStroke& stroke);

// ---- Characters Shift-JIS cannot hold --------------------------------------


}  // namespace editors
