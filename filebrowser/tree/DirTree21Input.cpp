// The stand-alone tree's caption editing and its drag and drop: folders of the tree and
// files of the linked list dropped on a folder are copied or moved there.
#include <windowsx.h>

#include <cstdlib>
#include <vector>

#include "filebrowser/tree/DirTree21.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/folders/FolderNodes.h"
#include "filebrowser/tree/DirTree21PopUp.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/FileOps.h"
#include "filebrowser/shell/MessageBoxes.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/TakenPath.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
std::string Msg(TStringKey key) {
  const std::string& loaded = SharedMessage(key);
  return loaded.empty() ? std::string(LanguageText(key, lnEnglish)) : loaded;
}

void LetMessagesRun() {
  if (Application) Application->ProcessMessages();
}
}  // namespace

bool TDqDirTree21::NotifyReflect(NMHDR* header, LRESULT& result) {
  switch (header->code) {
    case TVN_ENDLABELEDITW: {
      // An edit ends once. The native tree can report the end again when its edit box
      // loses the focus on the way out, naming the node it edited, which a rename's
      // rebuild has freed and which may now stand for another folder: no question.
      if (!editUnderWay_) {
        result = FALSE;
        return true;
      }
      editUnderWay_ = false;
      TCustomTreeView::NotifyReflect(header, result);
      // However the edit ended (Enter, Escape, the focus leaving), the next one asks again.
      JustCreated = false;
      return true;
    }
    case NM_RCLICK: {
      // The native tree reports a right click before the press returns: the node under
      // the press is selected first, so the menu is enabled for it. The press's own point
      // counts, not the pointer's: it may have moved on while the press waited its turn.
      const POINT client = rightPress_;
      POINT at = client;
      ClientToScreen(Handle(), &at);
      SelectAt(client.x, client.y);
      rightClickTaken_ = true;
      result = TRUE;
      PopupMenuAt(at);
      return true;
    }
    default:
      return TCustomTreeView::NotifyReflect(header, result);
  }
}

void TDqDirTree21::PopupMenuAt(POINT screen) {
  if (!PopupMenu() || !PopupMenu()->AutoPopup()) return;
  PopupMenu()->SetPopupComponent(this);
  PopupMenu()->Popup(screen.x, screen.y);
}

void TDqDirTree21::PopupMenuBelowSelection() {
  POINT at{0, 0};
  RECT item{};
  if (const TTreeNode node = Selected(); node && TreeView_GetItemRect(Handle(), node.ItemId(), &item, TRUE))
    at = {item.left, item.bottom};
  ClientToScreen(Handle(), &at);
  PopupMenuAt(at);
}

bool TDqDirTree21::IsMenuKey(WPARAM key) { return key == VK_APPS || (key == VK_F10 && GetKeyState(VK_SHIFT) < 0); }

bool TDqDirTree21::CanEdit(TTreeNode node) {
  // Only folders are renamed; the computer and the drives keep their captions.
  editUnderWay_ = !ReadOnly() && node && node.Level() >= 2 && TCustomTreeView::CanEdit(node);
  return editUnderWay_;
}

void TDqDirTree21::Edit(TTreeNode node, std::string text) {
  if (OnEdited) OnEdited(this, node, text);
  // The caption itself never changes: a rename rebuilds the tree. An edit that keeps
  // the name renames nothing, so it asks nothing either.
  if (text != node.Text()) CaptionEdited(node, text);
}

// ---- dragging ---------------------------------------------------------------------------

void TDqDirTree21::BeginDragFrom(TDqFilelistView28& list, int threshold) {
  if (!dragDropEnabled_ || GetKeyState(VK_LBUTTON) >= 0) return;
  StartDrag(&list, threshold);
}

void TDqDirTree21::StartDrag(TComponent* source, int threshold) {
  dragSource_ = source;
  GetCursorPos(&dragStart_);
  dragThreshold_ = threshold;
  dragging_ = false;
  SetCapture(Handle());
}

void TDqDirTree21::EndDrag(bool drop) {
  TComponent* source = dragSource_;
  const bool wasDragging = dragging_;
  dragSource_ = nullptr;
  dragging_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  if (!drop || !wasDragging || !source) return;
  POINT at;
  GetCursorPos(&at);
  DropAtScreenPoint(source, at);
}

void TDqDirTree21::DropAtScreenPoint(TComponent* source, POINT screen) {
  for (HWND hwnd = WindowFromPoint(screen); hwnd; hwnd = GetParent(hwnd)) {
    auto* tree = dynamic_cast<TDqDirTree21*>(TControl::FromHandle(hwnd));
    if (!tree) continue;
    POINT client = screen;
    ScreenToClient(tree->Handle(), &client);
    if (tree->DragOver(source, client.x, client.y)) tree->DragDrop(source, client.x, client.y);
    return;
  }
}

LRESULT TDqDirTree21::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsFreeContentsMessage(msg)) {
    FreeContentsWindow();
    return 0;
  }
  if (dragSource_) {
    switch (msg) {
      case WM_MOUSEMOVE: {
        POINT at;
        GetCursorPos(&at);
        if (!dragging_ && (std::abs(at.x - dragStart_.x) > dragThreshold_ || std::abs(at.y - dragStart_.y) > dragThreshold_))
          dragging_ = true;
        if (dragging_) SetCursor(LoadCursorW(nullptr, DragDropOp == 0 ? IDC_UPARROW : IDC_HAND));
        return 0;
      }
      case WM_LBUTTONUP:
        EndDrag(true);
        return 0;
      case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) EndDrag(false);
        return 0;
      case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Handle()) EndDrag(false);
        break;
      default:
        break;
    }
  }
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      rightPress_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      return TCustomTreeView::WndProc(msg, wParam, lParam);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // The menu key and Shift+F10 open the menu below the highlighted node, as a right
      // click opens it at the pointer.
      if (IsMenuKey(wParam)) {
        WORD key = static_cast<WORD>(wParam);
        KeyDown(key, TShiftState::FromKeyboard());
        if (key) PopupMenuBelowSelection();
        return 0;
      }
      [[fallthrough]];
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // Whatever key or button of the native tree moved the highlight, the commands then
      // act on the folder it shows. A right click selects through SelectAt, and the menu's
      // commands place the selection themselves (the contents window collapses the tree).
      const TTreeNode before = Selected();
      const LRESULT result = TCustomTreeView::WndProc(msg, wParam, lParam);
      FollowSelection(before);
      return result;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      // The release opens nothing more.
      if (IsMenuKey(wParam)) return 0;
      return TCustomTreeView::WndProc(msg, wParam, lParam);
    default:
      return TCustomTreeView::WndProc(msg, wParam, lParam);
  }
}

bool TDqDirTree21::DragOver(TComponent* source, int x, int y) {
  const bool fromTree = dynamic_cast<TDqDirTree21*>(source) != nullptr;
  const bool fromList = fileList_ && source == fileList_;
  if (!fromTree && !fromList) return false;
  const TTreeNode node = GetNodeAt(x, y);
  if (!node || node == DragNode) return false;
  DropNode = node;
  return true;
}

void TDqDirTree21::DragDrop(TComponent* source, int x, int y) {
  if (!Selected()) return;
  constexpr UINT kOnItem = TVHT_ONITEM | TVHT_ONITEMRIGHT;
  if (!(GetHitTestInfoAt(x, y) & kOnItem)) return;
  const TTreeNode node = GetNodeAt(x, y);
  if (!node || ReadOnly()) return;
  TargetPath = WithTrailingBackslash(GetPathOf(node));
  if (TargetPath.empty()) return;  // the computer takes nothing
  const UINT code = FileOpCodes[DragDropOp == 0 ? 0 : 2];
  if (auto* tree = dynamic_cast<TDqDirTree21*>(source)) {
    TTreeViewUpdate update(*this);
    const std::string folder = StripTrailingBackslash(tree->DragSourcePath);
    if (code == FileOpCodes[2]) LeaveFolder(folder);
    if (!RunFileOperation(Handle(), code, folder, TargetPath)) ErrorBox(Handle(), Msg(TStringKey::MsgFileOpFailed));
  } else if (fileList_ && source == fileList_) {
    std::vector<TTakenPath> files;
    for (int i = 0; i < fileList_->Count(); ++i) {
      if (!fileList_->IsSelected(i)) continue;
      const TListItem& item = fileList_->Item(i);
      // A missing sub-item reads empty.
      if (item.SubItems[kSubKind] == "DIR" || item.SubItems[kSubKind] == "dir") {
        fileList_->SetSelected(i, false);
        continue;
      }
      if (item.SubItems[kSubKind] == "file") files.push_back(TakePath(std::string(item.SubItems[kSubPath])));
    }
    if (files.empty()) {
      WarningBox(Handle(), Msg(TStringKey::MsgNoFileSelected));
    } else {
      TTreeViewUpdate update(*this);
      const std::string target = TargetPath;
      for (const TTakenPath& file : files) {
        std::string destination;
        CombinePath(target, ExtractFileName(file.Path), destination);
        LetMessagesRun();
        // Gone or replaced while earlier files were moved: left alone.
        if (StillNamesTakenFile(file)) RunFileOperation(Handle(), code, file.Path, destination);
      }
    }
  }
  LetMessagesRun();
  const std::string target = TargetPath;
  Rebuild();
  ShowPath(target);
  ListIn(target, true);
  if (OnDragDrop) OnDragDrop(this, source, x, y);
}
