#include "filebrowser/tree/DirTree21.h"

#include <shellapi.h>

#include "filebrowser/tree/DirTree21PopUp.h"
#include "filebrowser/folders/DirTreeRules.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/folders/FolderNodes.h"
#include "filebrowser/folders/ShellNotify.h"
#include "filebrowser/lang/LanguageDefaults.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/DiskSpace.h"
#include "filebrowser/shell/FileOps.h"
#include "filebrowser/shell/PathRules.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/HintWindow.h"
#include "toolkit/MessageWindow.h"
#include "toolkit/Utf.h"

TDqDirTree21::TDqDirTree21(TComponent* owner, TControl* parent) : TCustomTreeView(owner, parent, TDeferHandle{}) {
  SetBounds(0, 0, 180, 120);
  SHFILEINFOW info{};
  images_ = reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  if (images_) {
    ImageList_SetBkColor(images_, CLR_NONE);
    SetImages(images_);  // the shell's list, shared: never destroyed here
  }
  SetLanguage(lnEnglish);
  LoadStandaloneTreeMessages();
  notifyWindow_ = Create<TMessageWindow>(this, [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return ShellNotifyWndProc(msg, wParam, lParam, result);
  });
  notifyId_ = RegisterFolderNotifications(notifyWindow_->Handle());
  if (!menu_) BuildMenu();
  OnExpanding = [this](TComponent* sender, TTreeNode node, bool& allow) { NodeExpanding(sender, node, allow); };
  SetReadOnly(false);
  SetHideSelection(false);
  CreateHandle();
}

TDqDirTree21::~TDqDirTree21() {
  // The contents window goes before the picture and the hint it shows.
  FreeContentsWindow();
  // The registration goes with the tree: the shell would post to a window that is gone.
  if (notifyId_) SHChangeNotifyDeregister(notifyId_);
  if (GetCapture() == Handle()) ReleaseCapture();
  if (fileList_) {
    TDqFilelistView28* list = fileList_;
    fileList_ = nullptr;
    if (list->DirTree() == this) list->SetDirTree(nullptr);
  }
}

void TDqDirTree21::HandleCreated() {
  TCustomTreeView::HandleCreated();
  DefaultHandler(WM_SETFOCUS, 0, 0);
  BuildRootNode();
}

void TDqDirTree21::Loaded() {
  TCustomTreeView::Loaded();
  Rebuild();
  if (TTreeNode first = GetFirstNode()) first.Expand(false);
}

void TDqDirTree21::BuildMenu() {
  menu_ = Create<TDqDirTree21PopUp>(this);
  menu_->SetAutoPopup(true);
  SetPopupMenu(menu_);
  popUpMenuEnabled_ = true;
}

// ---- properties and the link ------------------------------------------------------------

void TDqDirTree21::SetFileList(TDqFilelistView28* list) {
  if (list == fileList_) return;
  fileList_ = list;
}

void TDqDirTree21::Notification(TComponent* component, TOperation operation) {
  TCustomTreeView::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == fileList_) fileList_ = nullptr;
  if (component == menu_) menu_ = nullptr;
  if (component == contentsWindow_) {
    contentsWindow_ = nullptr;
    contentsList_ = nullptr;
    contentsHint_.reset();
  }
  if (component == dragSource_) dragSource_ = nullptr;
}

void TDqDirTree21::SetSelectedPath(const std::string& value) {
  if (!SameTextNoCase(value, selectedPath_)) selectedPath_ = value;
}

void TDqDirTree21::SetSelectedFile(const std::string& value) {
  if (!SameTextNoCase(value, selectedFile_)) selectedFile_ = value;
}

void TDqDirTree21::SetPopUpMenuEnabled(bool value) {
  if (value == popUpMenuEnabled_) return;
  popUpMenuEnabled_ = value;
  SetPopupMenu(value ? menu_ : nullptr);
}

void TDqDirTree21::SetLanguage(TLanguage value) {
  value = ResolveUserLanguage(value);
  if (value == language_) return;
  language_ = value;
  TreeLanguage = value;
  if (!HandleAllocated()) return;  // the constructor builds the menu itself
  LoadStandaloneTreeMessages();
  // A menu made already is made again in the new language; one never wanted stays unmade.
  const bool made = menu_ && menu_->Built();
  if (menu_) {
    SetPopupMenu(nullptr);
    TDqDirTree21PopUp* old = menu_;
    menu_ = nullptr;
    FreeComponent(old);
  }
  if (Application) Application->ProcessMessages();
  BuildMenu();
  if (made) menu_->BuildMenu();
  RecreateWnd();
}

std::string TDqDirTree21::FirstNodeCaption() const {
  const TTreeNode first = GetFirstNode();
  return first ? first.Text() : std::string();
}

void TDqDirTree21::ListIn(const std::string& path, bool reread) {
  if (!fileList_ || path.empty()) return;
  fileList_->SetDirectory(path);
  if (reread) fileList_->UpdateFileList();
}

void TDqDirTree21::RaiseDirChange() {
  if (OnDirChange) OnDirChange(this, selectedPath_);
}

// ---- building and listing -----------------------------------------------------------------

void TDqDirTree21::BuildRootNode() {
  TTreeViewUpdate update(*this);
  Clear();
  AddComputerNode(*this);
}

void TDqDirTree21::AddDriveNodes() {
  TTreeViewUpdate update(*this);
  SetShowButtons(true);
  NetworkDrive.fill(false);
  ::AddDriveNodes(*this, GetFirstNode(), [this](char letter) {
    const std::string root = std::string(1, letter) + ":\\";
    NetworkDrive[static_cast<std::size_t>(letter - 'A')] = GetDriveTypeW(Widen(root).c_str()) == DRIVE_REMOTE;
  });
}

void TDqDirTree21::Rebuild() {
  TTreeViewUpdate update(*this);
  Clear();
  BuildRootNode();
  AddDriveNodes();
}

void TDqDirTree21::RebuildTree() { Rebuild(); }

std::string TDqDirTree21::GetPathOf(TTreeNode node) {
  if (!node || node.Level() == 0) return {};
  NodePath = NodePathOf(node);
  return NodePath;
}

void TDqDirTree21::NodeExpanding(TComponent*, TTreeNode node, bool&) {
  if (node.getFirstChild()) return;  // listed before: listings stay until a rebuild
  THourglass hourglass;
  NodePath = NodePathOf(node);
  node.SetHasChildren(false);
  // Probing every sub-folder of a network drive would cost a round trip each.
  char first = NodePath.empty() ? 0 : NodePath[0];
  if (first >= 'a' && first <= 'z') first = static_cast<char>(first - 'a' + 'A');
  const bool remote = first >= 'A' && first <= 'Z' && NetworkDrive[static_cast<std::size_t>(first - 'A')];
  AddSubFolderNodes(*this, NodePath, node, folderIcons_, !remote);  // in caption order
}

bool TDqDirTree21::HasChildrenWhenShown(TTreeNode node) {
  ++probeCount_;
  return FolderHasSubFolders(NodePathOf(node));
}

void TDqDirTree21::ShowPath(const std::string& path) {
  if (path.size() < 2 || !IsExistingFolder(path)) return;
  const std::string target = WithTrailingBackslash(path);
  {
    TTreeViewUpdate update(*this);
    const TTreeNode root = GetFirstNode();
    if (root && !root.getFirstChild()) AddDriveNodes();
    if (!LocateNodes(*this, target)) return;
    if (const TTreeNode selected = Selected())
      SendMessageW(Handle(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(selected.ItemId()));
  }
  if (!SameTextNoCase(selectedPath_, target)) selectedPath_ = target;
  RaiseDirChange();
}

// ---- selection ----------------------------------------------------------------------------

bool TDqDirTree21::TakeSelection(TTreeNode node) {
  const TTreeNode root = GetFirstNode();
  if (!(node == root) || root.getFirstChild()) NodePath = NodePathOf(node);
  else AddDriveNodes();
  selectedPath_ = node == root ? std::string(kDrivesToken) : NodePath;
  if (node.Level() != 1) return true;
  const UINT type = GetDriveTypeW(Widen(selectedPath_).c_str());
  if (type != DRIVE_REMOVABLE && type != DRIVE_CDROM) return true;
  return CheckDriveReady(Handle(), selectedPath_[0], 1);
}

bool TDqDirTree21::SelectAt(int x, int y) {
  NodePath.clear();
  PreviousPath = selectedPath_;
  constexpr UINT kOnItem = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
  if (!(GetHitTestInfoAt(x, y) & kOnItem)) return false;
  const TTreeNode node = GetNodeAt(x, y);
  if (!node) return false;
  SetSelected(node);
  if (!TakeSelection(node)) {
    ShowPath(PreviousPath);
    selectedPath_ = PreviousPath;
    return false;
  }
  RaiseDirChange();
  ListIn(selectedPath_, false);
  PreviousPath = selectedPath_;
  return true;
}

void TDqDirTree21::MouseDown(TMouseButton button, WPARAM wParam, LPARAM lParam, bool dbl) {
  TCustomTreeView::MouseDown(button, wParam, lParam, dbl);
  if (button == TMouseButton::mbRight && rightClickTaken_) {
    // The selection was made before the menu opened.
    rightClickTaken_ = false;
    return;
  }
  const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  if (!SelectAt(x, y)) return;
  if (button != TMouseButton::mbLeft) return;
  // Listing the clicked folder ran queued input: a key that has moved the highlight on
  // meanwhile wins, and the press neither selects the clicked folder again nor drags it.
  if (const TTreeNode clicked = GetNodeAt(x, y); clicked && !(Selected() == clicked)) return;
  constexpr UINT kOnItem = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
  DragNode = GetNodeAt(x, y);
  const bool onItem = (GetHitTestInfoAt(x, y) & kOnItem) != 0;
  if (dragDropEnabled_ && onItem && DragNode) {
    SetSelected(DragNode);
    if (CanFocus()) SetFocus();
    // Only folders are dragged: the computer names no folder, and a drive's path
    // would copy or move the whole drive.
    if (DragNode.Level() < 2) return;
    // The drag's own source: a click between Cut and Paste keeps what was cut.
    DragSourcePath = GetPathOf(DragNode);
    if (Application) Application->ProcessMessages();
    if (GetKeyState(VK_LBUTTON) < 0) {
      DragDropOp = (GetKeyState(VK_CONTROL) < 0) ? 0 : 2;
      StartDrag(this, GetSystemMetrics(SM_CXDRAG) + 8);
    }
    return;
  }
  SetSelected({});
}

void TDqDirTree21::FollowSelection(TTreeNode before) {
  const TTreeNode node = Selected();
  if (!node || node == before) return;
  // A press on an item has taken its path already, as have the commands.
  if (SameTextNoCase(WithTrailingBackslash(NodePathOf(node)), WithTrailingBackslash(selectedPath_))) return;
  PreviousPath = selectedPath_;
  if (!TakeSelection(node)) return;
  RaiseDirChange();
  ListIn(selectedPath_, false);
  PreviousPath = selectedPath_;
}

void TDqDirTree21::KeyUp(WORD& key, TShiftState shift) {
  switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
      // The selection was followed when the key moved it (FollowSelection).
      TCustomTreeView::KeyUp(key, shift);
      return;
    case VK_F5: {
      const std::string path = selectedPath_;
      Rebuild();
      ShowPath(path);
      if (fileList_) fileList_->UpdateFileList();
      return;
    }
    default:
      return;
  }
}

// ---- shell notifications --------------------------------------------------------------------

HWND TDqDirTree21::ShellNotifyWindow() const { return notifyWindow_ ? notifyWindow_->Handle() : nullptr; }

bool TDqDirTree21::ShellNotifyWndProc(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  if (msg != kShellNotifyMessage) return false;
  result = 0;
  switch (lParam) {
    case SHCNE_MKDIR:
    case SHCNE_RMDIR:
    case SHCNE_DRIVEREMOVED:
    case SHCNE_DRIVEADD:
    case SHCNE_RENAMEFOLDER:
      break;
    default:
      return true;
  }
  const std::string path = selectedPath_;
  TLockWindowUpdate lock(Handle());
  Rebuild();
  if (TTreeNode first = GetFirstNode(); first && !first.Expanded()) first.Expand(false);
  if (!path.empty()) ShowPath(path);
  // The linked list reads its folder again, also when the host set it and no node has
  // been selected yet.
  if (fileList_) {
    if (!path.empty()) fileList_->SetDirectory(path);
    fileList_->UpdateFileList();
  }
  return true;
}
