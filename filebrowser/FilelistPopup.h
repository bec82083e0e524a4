#pragma once
// The file list's own context menu. The file list creates, replaces and installs it;
// the menu items and the commands they run are added with the file commands.
#include "toolkit/Menu.h"

class TDqFilelistView28;

class TDqFilelistView28PopUp : public TPopupMenu {
 public:
  explicit TDqFilelistView28PopUp(TComponent* owner);

  // The list whose commands the menu runs; not owned.
  TDqFilelistView28* FileListView() const { return fileListView_; }
  void SetFileListView(TDqFilelistView28* view) { fileListView_ = view; }

 private:
  TDqFilelistView28* fileListView_ = nullptr;
};
