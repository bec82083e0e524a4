// The file list's links to the folder views that follow it.
#include "filebrowser/DirTreeCombo.h"
#include "filebrowser/FilelistView.h"

void TDqFilelistView28::SetDirTreeCombo(TDqDirTreeCombo28* combo) {
  if (combo == dirTreeCombo_) return;
  if (dirTreeCombo_) dirTreeCombo_->SetFileList(nullptr);
  dirTreeCombo_ = combo;
  if (dirTreeCombo_) dirTreeCombo_->SetFileList(this);
}

void TDqFilelistView28::Notification(TComponent* component, TOperation operation) {
  TListView::Notification(component, operation);
  if (operation == TOperation::opRemove && component == dirTreeCombo_) dirTreeCombo_ = nullptr;
}
