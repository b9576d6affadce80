#include "editors/memo_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "support/text.h"

namespace editors {
namespace {

constexpr unsigned kKeyReturn = 0x0D, kKeyInsert = 0x2D, kKeyLeft = 0x25, kKeyRight = 0x27;
constexpr unsigned kKeyF2 = 0x71, kKeyF3 = 0x72;

bool IsDriveAfterSlash(const std::string& path) {
  return path.size() >= 3 && path[0] == '/' && std::isalpha(static_cast<unsigned char>(path[1])) &&
         path[2] == ':';
}

std::string FileOfLink(const std::string& address) {
  std::string path = address;
  if (support::StartsWithIgnoreCase(path, "file://")) path.erase(0, 7);
  else if (support::StartsWithIgnoreCase(path, "file:")) path.erase(0, 5);
  if (IsDriveAfterSlash(path)) path.erase(0, 1);  // file:///C:/...
  return path;
}

MemoKey KeyWithAlt(unsigned key) {
  if (key == 'M') return MemoKey::Close;
  if (key == kKeyRight) return MemoKey::CloseToMonth;
  if (key == kKeyLeft) return MemoKey::CloseToYear;
  return MemoKey::None;
}

MemoKey KeyWithCtrl(unsigned key) {
  switch (key) {
    case kKeyReturn: return MemoKey::Swallow;  // closes on release
    case 'N': return MemoKey::New;
    case 'O': return MemoKey::Open;
    case 'F': return MemoKey::FindDialog;
  }
  return MemoKey::None;
}

}  // namespace

bool IsReadOnlyDoc(MemoDoc doc) { return doc == MemoDoc::ReadMe || doc == MemoDoc::Usage; }

std::string MemoTitle(MemoKind kind, MemoDoc doc, const std::string& path, bool modified) {
  const std::string mark = modified ? kModifiedMark : "";
  switch (doc) {
    case MemoDoc::Memo: return kind == MemoKind::Search ? "【検索】" : "メモ : " + path + mark;
    case MemoDoc::ReadMe: return "ReadMe.txt";
    case MemoDoc::Usage: return "使用法";
    case MemoDoc::Editor: return "Editor : " + path + mark;
  }
  return {};
}

std::string MemoDocName(MemoKind kind, MemoDoc doc) {
  switch (doc) {
    case MemoDoc::Memo: return kind == MemoKind::Search ? "検索" : "メモ";
    case MemoDoc::ReadMe: return "Readme.txt";
    case MemoDoc::Usage: return "使用法";
    case MemoDoc::Editor: return "Editor";
  }
  return {};
}

std::string CaretPanelText(int row, int column) {
  char text[48];
  std::snprintf(text, sizeof text, "%5d 行:%4d 桁", row + 1, column + 1);
  return text;
}

bool HoldsUntitledName(const std::string& path) {
  return support::ToUpperAscii(path).find("無題.TXT") != std::string::npos;
}

Bounds PlaceMemoWindow(Bounds w, Bounds area) {
  if (w.height > area.height || w.width > area.width) return {area.left, area.top, w.width, w.height};
  const bool outside = w.left < area.left || w.top < area.top ||
                       w.left + w.width > area.left + area.width ||
                       w.top + w.height > area.top + area.height;
  if (!outside) return w;
  // Halves of whole pixels, rounded as the window measures them.
  w.top = area.top + (area.height - w.height + 1) / 2;
  w.left = area.left + (area.width - w.width + 1) / 2;
  return w;
}

int JumpTopRow(int line, int rowsInView, int above, int below, bool nearBottom) {
  const int top = nearBottom ? line + below - rowsInView : line - above;
  return std::max(0, top);
}

LinkAction DecideLink(const std::string& address,
                      const std::function<bool(const std::string&)>& fileExists) {
  if (!support::StartsWithIgnoreCase(address, "file:")) return {address, {}};
  const std::string file = FileOfLink(address);
  if (fileExists && fileExists(file)) return {file, {}};
  return {{}, "指定されたファイル[ " + file + " ]が存在しません。\r\n中止します。"};
}

MemoKey DecideMemoKey(const MemoKeyStroke& k) {
  if (k.release) return k.ctrl && !k.alt && k.key == kKeyReturn ? MemoKey::Close : MemoKey::None;
  if (k.alt && !k.ctrl) return k.shift ? MemoKey::None : KeyWithAlt(k.key);
  if (k.ctrl && !k.shift) return KeyWithCtrl(k.key);
  if (k.ctrl) return MemoKey::None;
  if (k.key == kKeyF3) return k.shift ? MemoKey::FindPrevious : MemoKey::FindNext;
  if (k.shift) return MemoKey::None;
  if (k.key == kKeyF2) return MemoKey::Close;
  if (k.key == kKeyInsert) return MemoKey::ToggleInsert;
  return MemoKey::None;
}


}  // namespace editors
