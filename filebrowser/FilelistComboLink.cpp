// The file list's side of its link with a folder tree combo, and the removal of linked
// folder views.
#include "filebrowser/DirTreeLink.h"
#include "filebrowser/FilelistView.h"

void TDqFilelistView28::SetDirTreeCombo(TDqDirTreeCombo28* combo) {
  if (combo == dirTreeCombo_) return;
  dirTreeCombo_ = combo;
}

void TDqFilelistView28::Notification(TComponent* component, TOperation operation) {
  TListView::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (dirTree_ && dynamic_cast<TDirTreeLink*>(component) == dirTree_) dirTree_ = nullptr;
}

void TDqFilelistView28::ComboShowPath(const std::string&) {}

void TDqFilelistView28::ComboResetTree() {}

void TDqFilelistView28::ComboShowRoot() {}

void TDqFilelistView28::ComboRefresh() {}

void TDqFilelistView28::ComboCloseTree() {}

void TDqFilelistView28::ComboDropDown() {}
