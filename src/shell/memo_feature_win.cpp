#include "shell/memo_feature_win.h"

#include "platform/text_win.h"

namespace shell {

MemoFeature::MemoFeature(platform::Services& os, MemoFeatureHost& host)
    : os_(os), host_(host), companions_(os, *this) {}

MemoFeature::~MemoFeature() = default;

void MemoFeature::SettingsLoaded() {
  MainController& c = host_.Controller();
  companions_.SetPaths(FindCompanions(os_, c.startup().programFolder, c.startup().perUserMode, c.settings()));
}

editors::MemoFolders MemoFeature::Folders() const {
  MainController& c = host_.Controller();
  const store::Folders& f = c.folders().folders;
  return {c.startup().programFolder, f.commonDataFolder, f.dataFolder, c.startup().settingsFile};
}

template <class Window>
Window& MemoFeature::Prepare(std::unique_ptr<Window>& window) {
  if (host_.Controller().settings().visMemoMHide) host_.GoResident(ResidencyCaller::BeforeSubWindow);
  host_.ForgetDayCopy();
  if (!window) window = std::make_unique<Window>();
  if (window->hwnd()) window->SetFolders(Folders());
  else window->Create({host_.MainHwnd(), &os_, Folders(), this});
  return *window;
}

void MemoFeature::OpenMemo(std::optional<editors::MemoDoc> doc) {
  const editors::MemoDoc chosen = doc.value_or(static_cast<editors::MemoDoc>(memoDoc()));
  Prepare(memo_).Open(chosen);
}

// The search window always opens on its listing.
void MemoFeature::OpenSearch() { Prepare(search_).Open(editors::MemoDoc::Memo); }

void MemoFeature::MemoButton() {
  host_.ClearGridSelection();
  MainController& c = host_.Controller();
  if (companions_.OpenMemoInEditor(c.settings(), c.folders().folders.commonDataFolder)) return;
  OpenMemo(editors::MemoDoc::Memo);
}

void MemoFeature::Print() {
  MainController& c = host_.Controller();
  const PrintFolders folders{c.startup().programFolder, c.folders().folders.dataFolder,
                             c.startup().settingsFolder};
  companions_.StartPrint(c.settings(), folders);
}

void MemoFeature::ToggleEditor() { companions_.ToggleEditor(host_.Controller().settings()); }

void MemoFeature::ShowProperties() {
  wchar_t path[MAX_PATH]{};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  companions_.ShowProperties(platform::Narrow(path));
}

bool MemoFeature::PreTranslate(MSG& msg) {
  return (memo_ && memo_->PreTranslate(msg)) || (search_ && search_->PreTranslate(msg));
}

int MemoFeature::memoDoc() const {
  return memo_ && memo_->hwnd() ? static_cast<int>(memo_->controller().doc()) : 0;
}

bool MemoFeature::EditorIntegration() const {
  return companions_.EditorIntegration(host_.Controller().settings());
}

std::string MemoFeature::MemoButtonCaption() const {
  return companions_.MemoButtonCaption(host_.Controller().settings());
}

std::string MemoFeature::MemoPopupCaption() const {
  return companions_.MemoPopupCaption(host_.Controller().settings());
}

// Alt+Right and Alt+Left in the windows pick the page the main window
// shows when it is next active.
void MemoFeature::MemoWindowClosed(Page page) {
  if (page == Page::Month) host_.Controller().RequestPage(shell::Page::Month);
  if (page == Page::Year) host_.Controller().RequestPage(shell::Page::Year);
}

void MemoFeature::SetWaitCursor(bool on) {
  if (on) cursorBefore_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  else SetCursor(cursorBefore_);
}

}  // namespace shell
