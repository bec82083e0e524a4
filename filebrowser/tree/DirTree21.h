#pragma once
// The stand-alone folder tree a host window places on a form: the computer, its drives
// and their folders, listed lazily, with a selection that follows mouse and keys, a
// linked file list kept on the selected folder, folder commands, drag and drop, a
// context menu and the shell's change notifications.
#include <windows.h>
#include <shlobj.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "filebrowser/folders/DirTreeLink.h"
#include "filebrowser/folders/FolderIconCache.h"
#include "filebrowser/lang/Language.h"
#include "filebrowser/shell/TakenPath.h"
#include "toolkit/Handles.h"
#include "toolkit/TreeView.h"

class TDqFilelistView28;
class TDqDirTree21PopUp;
class TMessageWindow;
class TForm;
class TListView;
class THintWindow;

using TDirChangeEvent = std::function<void(TComponent* sender, const std::string& selectedPath)>;
using TFileChangeEvent = std::function<void(TComponent* sender, const std::string& selectedFile)>;
// After a drop on the tree was carried out; the point is in the tree's client coordinates.
using TDragDropEvent = std::function<void(TComponent* sender, TComponent* source, int x, int y)>;

class TDqDirTree21 : public TCustomTreeView, public TDirTreeLink {
 public:
  TDqDirTree21(TComponent* owner, TControl* parent);
  ~TDqDirTree21() override;

  std::string PreviousPath;
  std::string NodePath;
  // Set while the edit of a folder just made with the default name runs: accepting it
  // asks nothing. Any end of that edit (or of another) clears it.
  bool JustCreated = false;
  // A folder was cut or copied and can be pasted.
  bool PasteReady = false;
  // What the paste does: 0 copy, 2 move, -1 nothing marked. The tree's own: a cut in
  // a file list never makes this tree move.
  int PendingPasteOp = -1;
  // The folder Cut or Copy marked: only they set it, a click or a drag never does.
  std::string SourcePath;
  // The folder a drag in this tree carries, set at the left press that may start it.
  std::string DragSourcePath;
  // Destination of the last paste or drop, with trailing "\".
  std::string TargetPath;
  // Per drive letter: a network drive when the drives were last added.
  std::array<bool, 26> NetworkDrive{};
  TTreeNode DragNode;
  TTreeNode DropNode;

  TDqFilelistView28* FileList() const { return fileList_; }
  void SetFileList(TDqFilelistView28* list) override;
  bool PopUpMenuEnabled() const { return popUpMenuEnabled_; }
  void SetPopUpMenuEnabled(bool value);
  std::string SelectedPath() const override { return selectedPath_; }
  // Stores a path that differs (case-insensitively); the selection does not move.
  void SetSelectedPath(const std::string& value);
  const std::string& SelectedFile() const { return selectedFile_; }
  void SetSelectedFile(const std::string& value);
  const std::string& About() const { return about_; }
  void SetAbout(const std::string&) {}
  TLanguage Language() const { return language_; }
  void SetLanguage(TLanguage value);
  bool DragDropEnabled() const override { return dragDropEnabled_; }
  void SetDragDropEnabled(bool value) { dragDropEnabled_ = value; }
  TDqDirTree21PopUp* Menu() const { return menu_; }
  ULONG ShellNotifyId() const { return notifyId_; }
  // The window the shell's change notifications arrive at.
  HWND ShellNotifyWindow() const;
  // Folders looked into to learn whether they have sub-folders (each when first shown).
  int ProbeCount() const { return probeCount_; }
  const TFolderIconCache& FolderIcons() const { return folderIcons_; }

  TDirChangeEvent OnDirChange;
  TFileChangeEvent OnFileChange;
  TDragDropEvent OnDragDrop;

  void BuildRootNode();
  void AddDriveNodes();
  void Rebuild();
  // The node's path; empty for the root and for no node.
  std::string GetPathOf(TTreeNode node);
  void ShowPath(const std::string& path);
  bool CreateSubFolder(TTreeNode node = {}, const std::string& name = {});
  bool DeleteFolder(TTreeNode node = {});
  void ShowTreeSize();
  void ShowFolderContents();
  void MapNetworkDrive();
  void DisconnectNetworkDrive();
  void MarkForPaste(int op);
  void PasteFolder();
  void ShowProperties();
  // Starts editing the selected node's caption (a rename); false when no edit started.
  bool EditSelectedCaption();
  // Handles the end of a caption edit; `text` is the new caption.
  void CaptionEdited(TTreeNode node, const std::string& text);
  // Lists a node's sub-folders the first time it opens.
  void NodeExpanding(TComponent* sender, TTreeNode node, bool& allowExpansion);

  // Drag and drop onto this tree, from a tree or from the linked file list; the point
  // is in this tree's client coordinates.
  bool DragOver(TComponent* source, int x, int y);
  void DragDrop(TComponent* source, int x, int y);
  // Drops `source` wherever the screen point falls, when that is a folder tree.
  static void DropAtScreenPoint(TComponent* source, POINT screen);

  // The contents window while shown; null otherwise.
  TForm* ContentsWindow() const { return contentsWindow_; }
  TListView* ContentsList() const { return contentsList_; }
  void ContentsOk();
  void ContentsOpen();
  void FreeContentsWindow();

  // TDirTreeLink
  void RebuildTree() override;
  void SelectPath(const std::string& path) override { ShowPath(path); }
  std::string FirstNodeCaption() const override;
  void BeginDragFrom(TDqFilelistView28& list, int threshold) override;

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void HandleCreated() override;
  // Loaded from a stored form: the drives are there at once and the computer is open.
  void Loaded() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool NotifyReflect(NMHDR* header, LRESULT& result) override;
  // Captions are edited (renamed) only on folders and only when not read-only.
  bool CanEdit(TTreeNode node) override;
  bool HasChildrenWhenShown(TTreeNode node) override;
  // Renames the folder when the text is new; the caption follows the rebuilt tree.
  void Edit(TTreeNode node, std::string text) override;
  void MouseDown(TMouseButton button, WPARAM wParam, LPARAM lParam, bool dbl) override;
  void KeyUp(WORD& key, TShiftState shift) override;

 private:
  // The selected node's path as a click or an arrow key gives it; false when it is an
  // empty removable or CD drive (the message is shown).
  bool TakeSelection(TTreeNode node);
  // Steps of a button press on the point: select, take the path, tell and list; false
  // when the point is on no item or the drive is not ready.
  bool SelectAt(int x, int y);
  // After an input message: when it moved the highlight to another folder (Backspace,
  // Home, End, the page keys, typed letters, a collapsed parent), the selected path,
  // the event and the linked list follow it as they follow a click.
  void FollowSelection(TTreeNode before);
  void ListIn(const std::string& path, bool reread);
  // The context menu at a screen point, when it is the tree's own.
  void PopupMenuAt(POINT screen);
  // From the keyboard: below the highlighted node, or at the top-left corner without one.
  void PopupMenuBelowSelection();
  // The keyboard's menu key, or F10 with Shift held.
  static bool IsMenuKey(WPARAM key);
  void RaiseDirChange();
  void BuildMenu();
  bool ShellNotifyWndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void StartDrag(TComponent* source, int threshold);
  void EndDrag(bool drop);
  static bool IsFreeContentsMessage(UINT msg);
  // Moves the current directory out of a folder about to be renamed, moved or deleted.
  static void LeaveFolder(const std::string& folder);

  TDqFilelistView28* fileList_ = nullptr;
  std::string selectedPath_;
  std::string selectedFile_;
  std::string contentsFolder_;
  const std::string about_ = "Version 2.1.7.9";
  TDqDirTree21PopUp* menu_ = nullptr;
  bool popUpMenuEnabled_ = true;
  bool dragDropEnabled_ = true;
  TLanguage language_ = lnSysDefault;
  HIMAGELIST images_ = nullptr;
  ULONG notifyId_ = 0;
  TMessageWindow* notifyWindow_ = nullptr;
  TForm* contentsWindow_ = nullptr;
  TListView* contentsList_ = nullptr;
  std::unique_ptr<THintWindow> contentsHint_;
  UniqueBitmap okGlyph_;
  // A drag under way: its source, the press point and the distance that starts it.
  TComponent* dragSource_ = nullptr;
  POINT dragStart_{};
  int dragThreshold_ = 0;
  bool dragging_ = false;
  // A right click selected its node before the menu showed.
  bool rightClickTaken_ = false;
  // Where the last right press was, in client coordinates: its node and its menu's place.
  POINT rightPress_{};
  // A caption edit has begun and not yet ended.
  bool editUnderWay_ = false;
  int probeCount_ = 0;
  TFolderIconCache folderIcons_;
  // What SourcePath named when it was marked: Paste moves only that folder.
  TTakenPath pasteSource_;
};
