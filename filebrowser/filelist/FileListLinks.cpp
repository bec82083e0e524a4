// The file list's links to the folder views that follow it: the folder tree combo and a
// stand-alone folder tree. The list moves them when it changes folder; a click never does.
#include "filebrowser/folders/DirTreeComboLink.h"
#include "filebrowser/folders/DirTreeLink.h"
#include "filebrowser/filelist/FileListView.h"

void TDqFilelistView28::SetDirTreeCombo(TDirTreeComboLink* combo) {
  if (combo == dirTreeCombo_) return;
  if (dirTreeCombo_) dirTreeCombo_->SetFileList(nullptr);
  dirTreeCombo_ = combo;
  if (dirTreeCombo_) dirTreeCombo_->SetFileList(this);
}

void TDqFilelistView28::SetDirTree(TDirTreeLink* tree) {
  if (tree == dirTree_) return;
  if (dirTree_) dirTree_->SetFileList(nullptr);
  dirTree_ = tree;
  if (dirTree_) dirTree_->SetFileList(this);
}

void TDqFilelistView28::Notification(TComponent* component, TOperation operation) {
  TListView::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (dirTreeCombo_ && dynamic_cast<TDirTreeComboLink*>(component) == dirTreeCombo_) dirTreeCombo_ = nullptr;
  if (dirTree_ && dynamic_cast<TDirTreeLink*>(component) == dirTree_) dirTree_ = nullptr;
}

void TDqFilelistView28::ComboShowPath(const std::string& path) {
  if (dirTreeCombo_) dirTreeCombo_->ShowPath(path);
}

void TDqFilelistView28::ComboResetTree() {
  if (dirTreeCombo_) dirTreeCombo_->ResetTree();
}

void TDqFilelistView28::ComboShowRoot() {
  // The root's caption names no folder, so ShowPath would leave the combo on the drive
  // the list has left: the combo shows the computer, as the list shows the drives.
  if (dirTreeCombo_) dirTreeCombo_->ShowRoot();
}

void TDqFilelistView28::ShowDirectoryInLinkedViews() {
  // Input queued during the listing may have moved the list on again: the views show
  // the folder the list shows now, not the one it was asked for.
  if (IsDrivesView()) {
    if (dirTree_) dirTree_->SelectPath(dirTree_->FirstNodeCaption());
    ComboShowRoot();
    return;
  }
  if (dirTree_) dirTree_->SelectPath(directory_);
  ComboShowPath(directory_);
}

void TDqFilelistView28::ComboRefresh() {
  if (!dirTreeCombo_) return;
  const std::string path = dirTreeCombo_->SelectedPath();
  dirTreeCombo_->ResetTree();
  dirTreeCombo_->ShowAgain(path);
}

void TDqFilelistView28::ComboCloseTree() {
  if (dirTreeCombo_) dirTreeCombo_->HideDropDown();
}

void TDqFilelistView28::ComboDropDown() {
  // The combo takes the keyboard with the drop-down and passes the tree its keys; the
  // tree already draws itself as focused.
  if (dirTreeCombo_) dirTreeCombo_->DropDown();
}
