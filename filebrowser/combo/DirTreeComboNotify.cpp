// The folder tree combo's shell notifications and language.
#include "filebrowser/combo/DirTreeCombo.h"

#include "filebrowser/combo/DirTreeView.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/lang/LanguageDefaults.h"
#include "filebrowser/lang/SharedMessages.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

namespace {
bool IsFolderEvent(LPARAM event) {
  switch (event) {
    case SHCNE_MKDIR:
    case SHCNE_RMDIR:
    case SHCNE_DRIVEREMOVED:
    case SHCNE_DRIVEADD:
    case SHCNE_RENAMEFOLDER:
      return true;
    default:
      return false;
  }
}
}  // namespace

bool TDqDirTreeCombo28::ShellNotifyWndProc(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  if (msg != kShellNotifyMessage) return false;
  result = 0;
  const std::string path = Tree->SelectedPath;
  if (!IsFolderEvent(lParam)) return true;
  TLockWindowUpdate lock(Handle());
  ResetTreeAfresh();
  Tree->ExpandRootNode();
  if (!path.empty()) ShowAgain(path);
  if (FileList()) ListInFileList(path);
  return true;
}

void TDqDirTreeCombo28::SetLanguage(TLanguage value) {
  value = ResolveUserLanguage(value);
  if (value == language_) return;
  language_ = value;
  TreeLanguage = value;
  LoadLanguageStrings();
  if (Application) Application->ProcessMessages();
}

void TDqDirTreeCombo28::LoadLanguageStrings() { LoadComboMessages(); }
