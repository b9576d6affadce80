#include "editors/memo_controller.h"

#include <algorithm>

#include "editors/search_listing.h"
#include "editors/text_find.h"
#include "platform/dialog_helpers.h"
#include "platform/ini_file.h"
#include "settings/settings_file.h"
#include "store/memo_file.h"
#include "support/paths.h"
#include "support/text.h"

namespace editors {
namespace {

constexpr unsigned kWriteWaitMs = 500;
constexpr int kWriteTries = 5;
constexpr char kOverwrite[] = "同名のファイルが存在します。\r\n上書きしますか？";
constexpr char kProgramCaption[] = "確認 -楓帳-";
constexpr char kNotReloading[] = "再読込いたしません。";

const char* SectionOf(MemoKind kind) { return kind == MemoKind::Search ? kSearchSection : "Memo"; }

std::string ReadFailure(const std::string& path) { return "[ " + path + " ]の読込に失敗しました。"; }

}  // namespace

MemoController::MemoController(MemoKind kind, platform::Services& os, MemoTextArea& text,
                               MemoScreen& screen)
    : kind_(kind), os_(os), text_(text), screen_(screen) {
  marks_.fill(-1);
  keys_ = settings::Defaults(settings::MemoWindowKeyRows());
}

// ---- Settings -------------------------------------------------------------------

void MemoController::LoadSettings(const Bounds& design) {
  settings::MemoWindowKeys base = keys_;
  base.fmMemoTop = design.top;
  base.fmMemoLeft = design.left;
  base.fmMemoWidth = design.width;
  base.fmMemoHeight = design.height;
  keys_ = settings::LoadMemoWindowKeys(os_.fs, folders_.settingsFile, SectionOf(kind_), base);
  if (support::IsBlank(keys_.vEditorFile)) keys_.vEditorFile = kUntitled;
  if (kind_ != MemoKind::Search) return;
  support::IniText ini;
  platform::LoadIniFile(os_.fs, folders_.settingsFile, ini);
  history_ = ReadSearchHistory(ini);
  if (!history_.empty()) lastWord_ = history_.front();
}

void MemoController::ReloadOptionKeys() {
  const settings::MemoWindowKeys file =
      settings::LoadMemoWindowKeys(os_.fs, folders_.settingsFile, SectionOf(kind_), keys_);
  keys_.vCLine1 = file.vCLine1;
  keys_.vCLine2 = file.vCLine2;
  keys_.vJHanten = file.vJHanten;
  keys_.vMenuCount = file.vMenuCount;
}

Bounds MemoController::SavedBounds() const {
  return {keys_.fmMemoLeft, keys_.fmMemoTop, keys_.fmMemoWidth, keys_.fmMemoHeight};
}

// A settings file that cannot be written keeps its old keys; nothing of the
// user's text depends on them.
void MemoController::SaveSettings() {
  if (folders_.settingsFile.empty()) return;
  settings::SaveMemoWindowKeys(os_.fs, folders_.settingsFile, SectionOf(kind_), keys_);
  if (kind_ != MemoKind::Search) return;
  support::IniText ini;
  platform::LoadIniFile(os_.fs, folders_.settingsFile, ini);
  WriteSearchHistory(ini, history_);
  platform::SaveIniFile(os_.fs, folders_.settingsFile, ini);
}

// ---- Paths and views ---------------------------------------------------------------

MemoController::ViewKeys MemoController::ViewOf(MemoDoc doc) {
  switch (doc) {
    case MemoDoc::Memo: return {&keys_.vMemoTopRow, &keys_.vMemoRow, &keys_.visMemoBtn};
    case MemoDoc::ReadMe: return {&keys_.vReadmeTopRow, &keys_.vReadmeRow, &keys_.visReadmeBtn};
    case MemoDoc::Usage: return {&keys_.vShiyouTopRow, &keys_.vShiyouRow, &keys_.visShiyouBtn};
    case MemoDoc::Editor: break;
  }
  return {&keys_.vEditorTopRow, &keys_.vEditorRow, &keys_.visEditorBtn};
}

std::string MemoController::PathOf(MemoDoc doc) const {
  switch (doc) {
    case MemoDoc::Memo:
      return kind_ == MemoKind::Search ? folders_.dataFolder + kSearchFileName
                                       : folders_.commonDataFolder + store::kMemoFileName;
    case MemoDoc::ReadMe: return folders_.programFolder + kReadMeFileName;
    case MemoDoc::Usage: return folders_.programFolder + kUsageFileName;
    case MemoDoc::Editor: break;
  }
  return keys_.vEditorFile;
}

std::vector<std::string> MemoController::Lines() const { return SplitEditorText(text_.Text()); }

int MemoController::LineCount() const {
  const std::string& t = text_.Text();
  return static_cast<int>(std::count(t.begin(), t.end(), '\n')) + 1;
}

std::string MemoController::Title() const {
  return MemoTitle(kind_, doc_, path_, text_.Modified());
}

bool MemoController::DocAvailable(MemoDoc doc) const {
  return !IsReadOnlyDoc(doc) || os_.fs.Exists(PathOf(doc));
}

void MemoController::ShowTitle() { screen_.ShowTitle(Title()); }

void MemoController::Tell(const std::string& text) { platform::Inform(os_.dialogs, text); }

void MemoController::RememberView() {
  if (!loaded_) return;
  ViewKeys view = ViewOf(doc_);
  *view.topRow = text_.TopRow();
  *view.row = text_.Caret().row;
  *view.jump = jumpShown_;
}

// A remembered row the text no longer has gives row 0.
void MemoController::RestoreView(MemoDoc doc) {
  ViewKeys view = ViewOf(doc);
  const int lines = LineCount();
  const int row = *view.row >= 0 && *view.row < lines ? *view.row : 0;
  const int top = *view.topRow >= 0 && *view.topRow < lines ? *view.topRow : 0;
  text_.SetCaret({row, 0});
  text_.SetTopRow(top);
  jumpShown_ = kind_ == MemoKind::Memo && *view.jump;
  screen_.ShowJumpPanel(jumpShown_);
  if (jumpShown_) RescanMarks();
}

// ---- Loading -------------------------------------------------------------------------

void MemoController::Show(MemoDoc doc) {
  loaded_ = false;
  text_.SetTopRow(0);
  LoadDocument(doc);
  RestoreView(doc);
}

bool MemoController::Switch(MemoDoc doc) {
  RememberView();
  if (!SaveStep()) return false;
  LoadDocument(doc);
  RestoreView(doc);
  return true;
}

void MemoController::LoadDocument(MemoDoc doc) {
  doc_ = doc;
  originals_.Clear();
  path_ = PathOf(doc);
  text_.SetReadOnly(IsReadOnlyDoc(doc));
  if (IsReadOnlyDoc(doc)) return Loaded(doc, LoadHelpText(doc), false);
  if (doc == MemoDoc::Editor) return Loaded(doc, LoadEditorText(), false);
  if (kind_ == MemoKind::Memo) return Loaded(doc, LoadMemoText(), false);
  LoadListing();
}

void MemoController::Loaded(MemoDoc doc, const std::vector<std::string>& lines, bool modified) {
  text_.SetLines(lines);
  text_.SetModified(modified);
  lineCount_ = LineCount();
  loaded_ = true;
  screen_.ShowDocument(doc, text_.ReadOnly());
  ShowTitle();
}

// Nullopt when the file is missing; a file that cannot be read is told of
// and leaves the text read-only, so nothing is ever written over it.
std::optional<std::vector<std::string>> MemoController::ReadText(const std::string& path) {
  store::MemoText read = store::ReadMemo(os_.fs, path);
  if (read.status == store::MemoStatus::Missing) return std::nullopt;
  if (read.status == store::MemoStatus::Unreadable) {
    Tell(ReadFailure(path));
    text_.SetReadOnly(true);
    return std::vector<std::string>{};
  }
  originals_ = std::move(read.originals);
  return std::move(read.lines);
}

std::vector<std::string> MemoController::LoadHelpText(MemoDoc doc) {
  return ReadText(path_).value_or(std::vector<std::string>{});
}

std::vector<std::string> MemoController::LoadMemoText() {
  if (auto lines = ReadText(path_)) return *lines;
  Tell("メモファイルが見あたりません。\r\n新しいメモファイルを作ります。");
  return {};
}

std::vector<std::string> MemoController::LoadEditorText() {
  path_ = support::Trim(path_);
  if (path_.empty() || path_ == kUntitled) {
    path_ = kUntitled;
    return {};
  }
  if (auto lines = ReadText(path_)) return *lines;
  Tell("以前に編集していたファイルが見あたりません。");
  path_ = keys_.vEditorFile = kUntitled;
  return {};
}

// The 30-day rule of "kensaku.txt".
void MemoController::LoadListing() {
  const SearchDataAge age = SearchDataAgeOf(os_.fs.ModifiedTime(path_), os_.clock.Now());
  bool rebuild = age == SearchDataAge::Missing;
  if (age == SearchDataAge::Old)
    rebuild = platform::AskYesNo(
        os_.dialogs, "前回の検索より１ヶ月以上経過しています。\r\n検索データを作り直しますか？", true);
  if (rebuild) {
    if (age == SearchDataAge::Missing)
      Tell("検索データが見あたりません。\r\n新しい検索データを作ります。");
    Loaded(doc_, {}, false);
    return Rebuild();
  }
  store::MemoText read = store::ReadMemo(os_.fs, path_);
  if (read.status != store::MemoStatus::Read) Tell(ReadFailure(path_));
  originals_ = std::move(read.originals);
  Loaded(doc_, read.lines, false);
}

void MemoController::Rebuild() {
  if (kind_ != MemoKind::Search) return;
  text_.SetLines({});
  screen_.BeginWait();
  SearchListing listing = BuildSearchListing(os_, folders_.dataFolder, [this](int done, int total) {
    screen_.ShowProgress(done, total);
  });
  originals_.Clear();
  Loaded(MemoDoc::Memo, listing.lines, true);
  screen_.EndWait();
  if (!listing.unreadable.empty())
    Tell("次の月ファイルを読み込めなかったため、検索データに入っていません。\r\n" +
         support::Join(listing.unreadable, "\r\n"));
}

// ---- Saving ------------------------------------------------------------------------

bool MemoController::WriteText(const std::string& path) {
  const std::vector<std::string> lines = Lines();
  const auto unencodable = support::Cp932Unencodable(lines);
  if (!unencodable.empty() && !sessionEnding_) {
    Tell(support::UnencodableNotice(unencodable));
    return false;
  }
  if (!store::WriteLinesRetry(os_, path, kWriteWaitMs, kWriteTries, lines, &originals_)) {
    Tell("[ " + path + " ]の書込に失敗しました。");
    return false;
  }
  return true;
}

bool MemoController::SaveStep() {
  if (!loaded_) return true;
  if (doc_ == MemoDoc::Memo) return SaveDocumentZero();
  if (doc_ == MemoDoc::Editor) return SaveEditorText();
  return true;
}

// The memo is written silently. The search listing can always be made
// again: when it cannot be written the window still closes.
bool MemoController::SaveDocumentZero() {
  if (!text_.Modified() || text_.ReadOnly()) return true;
  if (!WriteText(path_)) return kind_ == MemoKind::Search;
  text_.SetModified(false);
  ShowTitle();
  return true;
}

bool MemoController::SaveEditorText() {
  if (!text_.Modified() || text_.ReadOnly()) return true;
  if (!platform::AskYesNo(os_.dialogs, "テキストが更新されています。\r\n保存しますか。", true))
    return true;
  if (path_ == kUntitled) return RunSaveAs() != SaveAsOutcome::Failed;
  if (os_.fs.Exists(path_) &&
      !platform::AskYesNoCaption(os_.dialogs, kOverwrite, kProgramCaption, true))
    return true;
  if (!WriteText(path_)) return false;
  text_.SetModified(false);
  ShowTitle();
  return true;
}

FileDialogRequest MemoController::SaveAsRequest() const {
  FileDialogRequest request{kSaveAsTitle, kSaveAsFilter, {}, path_};
  if (path_ != kUntitled) return request;
  const std::string files = support::JoinPath(folders_.programFolder, "Files\\");
  request.folder = os_.fs.IsFolder(support::RemoveTrailingSeparator(files)) ? files
                                                                            : folders_.programFolder;
  request.name = std::string(kUntitled) + ".txt";
  return request;
}

bool MemoController::SaveAs() { return CanSaveAs() && RunSaveAs() == SaveAsOutcome::Saved; }

// A "無題.txt" cannot be chosen; cancelling with that name asks whether the
// text may stay unsaved. A write that fails leaves the text changed.
MemoController::SaveAsOutcome MemoController::RunSaveAs() {
  for (;;) {
    FileDialogAnswer answer = screen_.AskSaveName(SaveAsRequest());
    if (answer.ok) {
      if (HoldsUntitledName(answer.name)) {
        Tell("[無題] というファイル名では登録できません。\r\nファイル名を変更してください。");
        continue;
      }
      if (os_.fs.Exists(answer.name) &&
          !platform::AskYesNoCaption(os_.dialogs, kOverwrite, kProgramCaption, true))
        continue;
      if (!WriteText(answer.name)) return SaveAsOutcome::Failed;
      path_ = keys_.vEditorFile = answer.name;
      text_.SetModified(false);
      ShowTitle();
      return SaveAsOutcome::Saved;
    }
    if (!HoldsUntitledName(answer.name)) return SaveAsOutcome::NotSaved;
    if (!platform::AskYesNo(os_.dialogs, "保存しなくてもいいですか？", false)) continue;
    Tell("この無題のファイルは保存しません");
    text_.SetModified(false);
    ShowTitle();
    return SaveAsOutcome::NotSaved;
  }
}

void MemoController::NewText() {
  if (!CanNewOrOpen() || !SaveStep()) return;
  path_ = keys_.vEditorFile = kUntitled;
  originals_.Clear();
  Loaded(MemoDoc::Editor, {}, false);
}

void MemoController::OpenFile() {
  if (!CanNewOrOpen() || !SaveStep()) return;
  FileDialogAnswer answer =
      screen_.AskOpenName({"", kOpenFilter, folders_.programFolder, ""});
  if (!answer.ok || answer.name.empty()) return;
  keys_.vEditorFile = answer.name;
  LoadDocument(MemoDoc::Editor);
  text_.SetCaret({0, 0});
  text_.SetTopRow(0);
}

void MemoController::ClearTheText() {
  if (!platform::AskYesNo(os_.dialogs, "ファイル名が「無題」です。内容をクリアしてもいいですか？",
                          false)) {
    Tell(kNotReloading);
    return;
  }
  if (!platform::AskYesNo(os_.dialogs, "内容が破棄されます。本当にいいですか？", false)) return;
  Loaded(doc_, {}, false);
}

void MemoController::Reload() {
  if (text_.Modified() &&
      !platform::AskYesNo(os_.dialogs, "今までの編集がクリアされますがよろしいですか？", false)) {
    Tell(kNotReloading);
    return;
  }
  if (path_ == kUntitled) return ClearTheText();
  RememberView();
  LoadDocument(doc_);
  RestoreView(doc_);
}

bool MemoController::Close(const Bounds& bounds) {
  RememberView();
  if (!SaveStep()) return false;
  keys_.fmMemoLeft = bounds.left;
  keys_.fmMemoTop = bounds.top;
  keys_.fmMemoWidth = bounds.width;
  keys_.fmMemoHeight = bounds.height;
  keys_.MemoTopLine = text_.TopRow();
  keys_.MemoY = text_.Caret().row;
  keys_.MemoX = text_.Caret().column;
  SaveSettings();
  return true;
}

// ---- Find ---------------------------------------------------------------------------

bool MemoController::Find(const std::string& word, bool forward) {
  if (word.empty()) return false;
  lastWord_ = word;
  const std::string& text = text_.Text();
  const TextPos from = forward ? text_.SelectionEnd() : text_.SelectionStart();
  if (auto found = FindText(text, word, OffsetOfPos(text, from), forward, matchCase_)) {
    text_.Select(PosOfOffset(text, found->start), PosOfOffset(text, found->end));
    return true;
  }
  Tell("検索文字列  ' " + word + " '\r\nは見つかりませんでした。");
  return false;
}

bool MemoController::FindAgain(bool forward) {
  return !lastWord_.empty() && Find(lastWord_, forward);
}

bool MemoController::SearchFromTop(const std::string& word) {
  if (word.empty()) return false;
  RememberSearchWord(history_, word);
  text_.SetCaret({0, 0});
  return Find(word, true);
}

void MemoController::ToFirstLine() {
  text_.SetCaret({0, 0});
  text_.SetTopRow(0);
}

void MemoController::ToLastLine() {
  const int lines = LineCount();
  text_.SetCaret({lines - 1, 1 << 30});
  text_.SetTopRow(std::max(0, lines - text_.VisibleRows()));
}

// ---- Jump marks -----------------------------------------------------------------------

void MemoController::RescanMarks() {
  marks_ = store::ScanMemoMarks(Lines());
  screen_.ShowMarks(marks_);
}

void MemoController::ToggleJumpPanel() {
  if (kind_ != MemoKind::Memo) return;
  jumpShown_ = !jumpShown_;
  screen_.ShowJumpPanel(jumpShown_);
  if (jumpShown_) RescanMarks();
}

void MemoController::Jump(int digit, bool shift) {
  if (digit < 0 || digit > 9 || marks_[digit] < 0) return;
  const int line = std::min(marks_[digit], LineCount() - 1);
  text_.SetCaret({line, 0});
  text_.SetTopRow(JumpTopRow(line, text_.VisibleRows(), keys_.vCLine1, keys_.vCLine2,
                             JumpNearBottom(shift, keys_.vJHanten)));
}

void MemoController::TextChanged() {
  const int lines = LineCount();
  if (lines != lineCount_ && jumpShown_) RescanMarks();
  lineCount_ = lines;
  ShowTitle();
}

}  // namespace editors
