#pragma once
// The folder tree combo: a read-only box with the current folder's small icon and a
// drop-down button; the drop-down is the folder tree. A pick there points the linked
// file list at the folder; the file list moves the combo with ShowPath. Shell change
// notifications rebuild the tree.
#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <memory>
#include <string>

#include "filebrowser/folders/DirTreeComboLink.h"
#include "filebrowser/folders/ShellNotify.h"
#include "filebrowser/lang/Language.h"
#include "toolkit/ControlCanvas.h"
#include "toolkit/Edit.h"
#include "toolkit/TreeView.h"

class TDqDirTreeView;
class TDqFilelistView28;
class TDqSpeedButton;
class TImageList;
class TMessageWindow;
class TNewWindowProc;
class THintWindow;

using TPathChangeEvent = std::function<void(TComponent* sender, const std::string& selectedPath)>;


class TDqDirTreeCombo28 : public TEdit, public TDirTreeComboLink {
 public:
  TDqDirTreeCombo28(TComponent* owner, TControl* parent);
  ~TDqDirTreeCombo28() override;

  TDqSpeedButton* Btn = nullptr;
  TDqDirTreeView* Tree = nullptr;

  // The tree's accepted path.
  const std::string& SelectedPath() const override;
  // Stores the path in the tree when it differs; a linked file list is pointed at it.
  void SetSelectedPath(const std::string& path);
  TDqFilelistView28* FileList() const { return fileList_; }
  void SetFileList(TDqFilelistView28* list) override;
  bool ExpandRoot() const;
  void SetExpandRoot(bool value);
  bool HideSelection() const;
  void SetHideSelection(bool value);
  const std::string& About() const { return about_; }
  void SetAbout(const std::string&) {}
  TLanguage Language() const { return language_; }
  void SetLanguage(TLanguage value);
  HBITMAP Glyph() const;
  // Copies a non-empty bitmap into the button's glyph.
  void SetGlyph(HBITMAP bitmap);
  int TreeHeight() const;
  void SetTreeHeight(int height);
  // The system icon drawn at the box's left end; none when out of the image list's range.
  int ShownImageIndex() const;
  void SetShownImageIndex(int index);
  bool IconShown() const;
  const std::string& LastOpenedPath() const { return lastOpenedPath_; }
  TTreeNode SelectedNode() const;
  void SetSelectedNode(TTreeNode node);
  // The hint the box shows while the pointer rests on it (set when the pointer enters).
  const std::string& Hint() const;
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  HIMAGELIST Images() const;
  // The registration with the shell's change notifications.
  ULONG ShellNotifyId() const { return notifyId_; }

  TPathChangeEvent OnPathChange;

  // Shows an existing folder other than the last one opened and points the file list at it.
  void OpenPath(const std::string& path);
  // Shows an existing folder in box and tree without touching the file list.
  void ShowPath(const std::string& path) override;
  // Shows the computer in box and tree ("Drives") without touching the file list.
  void ShowRoot() override;
  // After a rebuild: ShowPath, or ShowRoot for the drives token, which ShowPath passes over.
  void ShowAgain(const std::string& path) override;
  // Rebuilds the tree; the root stays closed.
  void ResetTree() override;
  // Opens the drop-down, or closes it when it is open.
  void DropDown() override;
  bool DroppedDown() const;
  // The file list's Esc: unlike the box's Enter, leaves the tree's place among the windows.
  void HideDropDown() override;
  void LoadLanguageStrings();
  void UpdateEditRect();
  // Raises OnPathChange with the tree's SelectedPath.
  void PathChange(TComponent* sender);
  // After a pick in the drop-down: the box and the tree's selection name the folder the
  // linked list holds (without a list, the accepted path).
  void ShowPickedFolder();

  void SetBounds(int left, int top, int width, int height) override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // A new font resets the edit's formatting rectangle: it is set again.
  void FontChanged() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // False when the key ends here (the base handling does not run).
  bool KeyDown(WORD& key);

 private:
  void SetUpWindowParts();
  // ResetTree for a refresh or a change notification: the folders are searched again,
  // never taken from the list's last reading, whose folder may have changed without its
  // time moving.
  void ResetTreeAfresh();
  // Points the file list at the path and has it re-read, listing the folder once.
  void ListInFileList(const std::string& path);
  void NodeExpanding(TComponent* sender, TTreeNode node, bool& allowExpansion);
  bool ShellNotifyWndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void PaintIcon();
  // The box shows the computer until a folder is shown; its caption and picture are asked
  // of the shell only when the box is read or painted first, since a start shows its folder.
  void ShowComputerIfPending();
  bool IconInRange() const;
  void CloseTree();
  void MouseEnter();
  void MouseLeave();

  TDqFilelistView28* fileList_ = nullptr;
  std::string windowsDirectory_;
  int shownImageIndex_ = -1;
  TImageList* images_ = nullptr;
  TControlCanvas canvas_;
  const std::string about_ = "Version 2.8.7.9";
  std::string lastOpenedPath_;
  ULONG notifyId_ = 0;
  TMessageWindow* notifyWindow_ = nullptr;
  TLanguage language_ = lnSysDefault;
  std::unique_ptr<TNewWindowProc> windowHook_;
  std::unique_ptr<THintWindow> hintWindow_;
  bool showHint_ = false;
  bool mouseInside_ = false;
  bool computerTextPending_ = false;
  bool computerIconPending_ = false;
};
