#pragma once
// What a file list asks of a linked folder tree combo. The combo implements it; the
// list holds a reference it does not own.
#include <string>

class TDqFilelistView28;

class TDirTreeComboLink {
 public:
  virtual ~TDirTreeComboLink() = default;

  // Links the combo to the list (or to none).
  virtual void SetFileList(TDqFilelistView28* list) = 0;
  // The drop-down tree's accepted path.
  virtual const std::string& SelectedPath() const = 0;
  // Shows an existing folder in box and tree without touching the list.
  virtual void ShowPath(const std::string& path) = 0;
  // Shows the computer in box and tree without touching the list.
  virtual void ShowRoot() = 0;
  // After a rebuild: ShowPath, or ShowRoot for the drives token.
  virtual void ShowAgain(const std::string& path) = 0;
  // Rebuilds the drop-down tree.
  virtual void ResetTree() = 0;
  // Opens the drop-down, or closes it when it is open.
  virtual void DropDown() = 0;
  // Hides an open drop-down; nothing when it is closed.
  virtual void HideDropDown() = 0;
};
