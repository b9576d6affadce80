#include "settings/export_page_win.h"

#include <commdlg.h>

#include "platform/text_win.h"

namespace settings {
namespace {

enum ControlId : int { kGroupId = 100, kFormatFirstId, kFolderLabelId = kFormatFirstId + 4, kFolderId, kRunId };

// "caption|pattern|…" as the dialog wants it: NUL-separated, two NULs at the end.
std::wstring DialogFilter(const std::string& filter) {
  std::wstring text = platform::Widen(filter);
  for (wchar_t& c : text)
    if (c == L'|') c = L'\0';
  text.push_back(L'\0');
  return text;
}

}  // namespace

std::optional<std::string> WindowExportHost::ChooseSaveFile(const SaveFileRequest& request) {
  const std::wstring filter = DialogFilter(request.filter);
  const std::wstring folder = platform::Widen(request.folder);
  const std::wstring title = platform::Widen(request.title);
  const std::wstring extension = platform::Widen(request.extension);
  std::wstring file = platform::Widen(request.fileName);
  file.resize(MAX_PATH * 4, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = folder.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = extension.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&ofn)) return std::nullopt;
  return platform::Narrow(file.c_str());
}

platform::DateTime WindowExportHost::UtcNow() {
  SYSTEMTIME t{};
  GetSystemTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

ExportPanel::ExportPanel(const ExportPanelArgs& args) : args_(args), choice_(args.choice) {}

std::unique_ptr<ExportPanel> CreateExportPanel(const ExportPanelArgs& args) {
  if (!args.os || !args.folders || !args.days || !args.host || !args.shownMonth) return nullptr;
  auto panel = std::make_unique<ExportPanel>(args);
  if (!panel->Create()) return nullptr;
  return panel;
}

bool ExportPanel::Create() {
  if (!CreateWindowFrom(PanelWindowArgs(kExportPageClass, args_.parent, args_.id, args_.x, args_.y))) return false;
  controls_.Attach(hwnd(), Dpi());
  controls_.SizePage(kExportPageWidth, kExportPageHeight);
  CreateControls();
  Refresh();
  return true;
}

void ExportPanel::CreateControls() {
  controls_.Add(L"BUTTON", " 予定データ ", BS_GROUPBOX, {8, 6, 504, 236}, kGroupId);
  for (int i = 0; i < 4; ++i)
    controls_.Add(L"BUTTON", kExportFormatCaptions[i], BS_AUTORADIOBUTTON | WS_TABSTOP | (i == 0 ? WS_GROUP : 0),
                  {24, 30 + i * 28, 250, 24}, kFormatFirstId + i);
  controls_.Add(L"BUTTON", "予定データ書出実行", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, {300, 34, 190, 40}, kRunId);
  controls_.Add(L"STATIC", "書出フォルダ：", SS_LEFT, {24, 154, 200, 18}, kFolderLabelId);
  controls_.Add(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, {24, 174, 466, 24}, kFolderId, WS_EX_CLIENTEDGE);
}

void ExportPanel::Refresh() {
  for (int i = 0; i < 4; ++i) controls_.Check(kFormatFirstId + i, static_cast<int>(choice_.format) == i);
  controls_.SetText(kFolderId, choice_.folder);
}

void ExportPanel::ReadControls() {
  for (int i = 0; i < 4; ++i)
    if (controls_.Checked(kFormatFirstId + i)) choice_.format = static_cast<ExportFormat>(i);
  choice_.folder = controls_.Text(kFolderId);
}

void ExportPanel::Run() {
  ReadControls();
  const calendar::Date shown = args_.shownMonth();
  RunExport({*args_.os, *args_.folders, *args_.days, *args_.host}, shown.year, shown.month, choice_);
  Refresh();
}

LRESULT ExportPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == kRunId && code == BN_CLICKED) Run();
    if ((id >= kFormatFirstId && id < kFormatFirstId + 4 && code == BN_CLICKED) || (id == kFolderId && code == EN_CHANGE))
      ReadControls();
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace settings
