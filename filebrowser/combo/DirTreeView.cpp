#include "filebrowser/combo/DirTreeView.h"

#include <windowsx.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <utility>
#include <vector>

#include "filebrowser/combo/DirTreeCombo.h"
#include "filebrowser/folders/DirTreeRules.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/folders/FolderNodes.h"
#include "filebrowser/shell/DiskSpace.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/ShellIcons.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
constexpr wchar_t kClassName[] = L"ScrivletDropDownTree";

// The platform's tree class under a name of our own: the drop-down saves what it covers.
void RegisterDropDownClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(nullptr, WC_TREEVIEWW, &wc)) return;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClassName;
  wc.style = CS_SAVEBITS;
  registered = RegisterClassExW(&wc) != 0;
}

}  // namespace

TDqDirTreeView::TDqDirTreeView(TComponent* owner, TDqDirTreeCombo28* combo)
    : TCustomTreeView(owner, combo, TDeferHandle{}), combo_(combo) {
  SetVisible(false);
  SetEnabled(false);
  SetTabStop(false);
  CreateHandle();
}

void TDqDirTreeView::CreateParams(TCreateParams& params) {
  TCustomTreeView::CreateParams(params);
  RegisterDropDownClass();
  params.ClassName = kClassName;
  params.Style |= WS_BORDER;
  params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

void TDqDirTreeView::HandleCreated() {
  TCustomTreeView::HandleCreated();
  // A pop-up over every window, yet the combo keeps the keyboard: the native tree is
  // told directly that it has the focus, so it draws its selection as focused.
  ::SetParent(Handle(), nullptr);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  DefaultHandler(WM_SETFOCUS, 0, 0);
}

// ---- building and listing -------------------------------------------------------------

void TDqDirTreeView::BuildRoot() {
  if (!nodesMade_) {
    rootExpandPending_ = rootSelectPending_ = false;
    locatePending_.clear();
    return;
  }
  TTreeViewUpdate update(*this);
  Clear();
  AddDriveNodes(*this, AddComputerNode(*this));
}

void TDqDirTreeView::MakeNodes() {
  if (nodesMade_) return;
  nodesMade_ = true;
  TTreeViewUpdate update(*this);
  BuildRoot();
  if (rootExpandPending_) ExpandRootNode();
  if (!locatePending_.empty()) LocateNodes(*this, std::exchange(locatePending_, {}));
  if (rootSelectPending_) SetSelected(GetFirstNode());
}

void TDqDirTreeView::ExpandRootNode() {
  if (!nodesMade_) {
    rootExpandPending_ = true;
    return;
  }
  if (TTreeNode first = GetFirstNode(); first && !first.Expanded()) first.Expand(false);
}

bool TDqDirTreeView::HasSelection() const {
  if (!nodesMade_) return rootSelectPending_ || !locatePending_.empty();
  return ItemMessage(TVM_GETNEXTITEM, TVGN_CARET, 0) != 0;
}

bool TDqDirTreeView::LocateLater(const std::string& path, std::string& caption, int& image) {
  if (nodesMade_ || !LocatedNodeLook(path, folderIcons_, caption, image)) return false;
  locatePending_ = path;
  rootSelectPending_ = false;
  return true;
}

bool TDqDirTreeView::SelectRootLater(std::string& caption, int& image) {
  if (nodesMade_ || !ComputerFolderLook(Handle(), caption, image)) return false;
  rootSelectPending_ = true;
  return true;
}

void TDqDirTreeView::NodeExpanding(TComponent*, TTreeNode node, bool&) {
  if (node.getFirstChild()) return;  // listed before: listings stay until BuildRoot
  THourglass hourglass;
  GetNodePath(node);
  node.SetHasChildren(false);
  AddSubFolders(NodePath, node);  // in caption order: no sort needed
  justListed_ = node;
}

void TDqDirTreeView::Expand(TTreeNode node) {
  // A node listed by this very expansion is in order already.
  if (!(node == justListed_)) {
    TTreeViewUpdate update(*this);
    node.AlphaSort();
  }
  justListed_ = {};
  TCustomTreeView::Expand(node);
}

void TDqDirTreeView::GetNodePath(TTreeNode node) { NodePath = NodePathOf(node); }

void TDqDirTreeView::AddSubFolders(const std::string& path, TTreeNode node) {
  // The folder the linked list has just listed (a locate ends there) was read whole by
  // that listing: a large folder is not read a second time.
  std::optional<TFolderReading> read;
  if (TDqFilelistView28* list = combo_->FileList()) read = list->TakeFolderReading(path);
  if (!read) ++scanCount_;
  AddSubFolderNodes(*this, path, node, folderIcons_, true, read ? &*read : nullptr);
}

// NodePath is left alone: a paint in between must not change what a caller computed.
bool TDqDirTreeView::HasChildrenWhenShown(TTreeNode node) { return HasSubFolders(NodePathOf(node)); }

bool TDqDirTreeView::HasSubFolders(const std::string& path) {
  ++scanCount_;
  return FolderHasSubFolders(path);
}

void TDqDirTreeView::LocatePath(const std::string& path) { LocateNodes(*this, path); }

void TDqDirTreeView::AcceptSelection() {
  const TTreeNode selected = Selected();
  if (!selected) return;  // nothing to accept
  PreviousPath = WithTrailingBackslash(SelectedPath);
  GetNodePath(selected);
  SelectedPath = selected == GetFirstNode() ? std::string(kDrivesToken) : NodePath;
  bool refused = false;
  if (selected.Level() == 1) {
    const UINT type = GetDriveTypeW(Widen(SelectedPath).c_str());
    // The box is the combo's question: the drop-down is a window of its own on the desktop.
    refused = (type == DRIVE_REMOVABLE || type == DRIVE_CDROM) && !CheckDriveReady(combo_->Handle(), SelectedPath[0], 1);
  } else if (selected.Level() > 1) {
    // A folder gone since it was listed names nothing the list could show.
    refused = !IsExistingFolder(SelectedPath);
  }
  if (refused) {
    if (IsDrivesToken(StripTrailingBackslash(PreviousPath))) {
      // "Drives\" names nothing: the computer node is selected again.
      SetSelected(GetFirstNode());
      SelectedPath = PreviousPath = kDrivesToken;
      return;
    }
    LocatePath(PreviousPath);
    SelectedPath = PreviousPath;
    return;
  }
  PreviousPath = SelectedPath;
}

void TDqDirTreeView::CloseUp() {
  if (Enabled() && combo_->CanFocus()) combo_->SetFocus();
  ReleaseCapture();
  SetEnabled(false);
  Hide();
  SelectAcceptedNode();
}

void TDqDirTreeView::SelectAcceptedNode() {
  if (SelectedPath.empty() || !NodesMade()) return;
  const TTreeNode node = IsDrivesToken(StripTrailingBackslash(SelectedPath))
                             ? GetFirstNode()
                             : FindPathNode(*this, WithTrailingBackslash(SelectedPath));
  if (node && !(node == Selected())) SetSelected(node);
}

bool TDqDirTreeView::NotifyReflect(NMHDR* header, LRESULT& result) {
  if (header->code != NM_CUSTOMDRAW) return TCustomTreeView::NotifyReflect(header, result);
  // The keyboard stays with the combo, yet the selection is drawn as a focused one.
  auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(header);
  result = CDRF_DODEFAULT;
  if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
    result = CDRF_NOTIFYITEMDRAW;
  } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
    const auto item = reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec);
    if (TTreeNode(this, item) == Selected()) {
      draw->clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
      draw->clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
    }
  }
  return true;
}

// ---- the mouse ---------------------------------------------------------------------------

LRESULT TDqDirTreeView::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE: {
      const LRESULT r = TCustomTreeView::WndProc(msg, wParam, lParam);
      MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return r;
    }
    case WM_MOUSELEAVE:
      if (MouseInside) MouseLeave();
      return 0;
    case WM_LBUTTONDOWN: {
      const LRESULT r = TCustomTreeView::WndProc(msg, wParam, lParam);
      LeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return r;
    }
    case WM_RBUTTONDOWN: {
      // The native tree takes the focus on any press; the combo keeps the keyboard.
      const LRESULT r = TCustomTreeView::WndProc(msg, wParam, lParam);
      if (Enabled() && combo_->CanFocus()) combo_->SetFocus();
      return r;
    }
    case WM_KILLFOCUS:
      // Should the tree ever hold the focus, losing it elsewhere closes the drop-down.
      if (Enabled() && reinterpret_cast<HWND>(wParam) != combo_->Handle()) {
        SetEnabled(false);
        Hide();
      }
      return TCustomTreeView::WndProc(msg, wParam, lParam);
    default:
      return TCustomTreeView::WndProc(msg, wParam, lParam);
  }
}

void TDqDirTreeView::MouseEnter() {
  MouseInside = true;
  if (GetCapture() == Handle()) ReleaseCapture();
}

void TDqDirTreeView::MouseLeave() {
  MouseInside = false;
  if (Visible()) SetCapture(Handle());
  else if (GetCapture() == Handle()) ReleaseCapture();
}

void TDqDirTreeView::MouseMove(int x, int y) {
  RECT client;
  GetClientRect(Handle(), &client);
  const bool inside = PtInRect(&client, POINT{x, y}) != FALSE;
  if (inside && !MouseInside) MouseEnter();
  else if (!inside && MouseInside) MouseLeave();
  if (inside) {
    // Told again at every move: a capture in between ends the platform's tracking.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
  }
  if (!MouseInside || !Enabled()) return;
  if (GetHitTestInfoAt(x, y) & TVHT_ONITEMLABEL) {
    const TTreeNode node = GetNodeAt(x, y);
    if (node && !(node == Selected())) SetSelected(node);
  }
}

void TDqDirTreeView::LeftButtonDown(int x, int y) {
  if (!MouseInside) {
    CloseUp();
    return;
  }
  // The native tree took the focus on the press; the combo keeps the keyboard.
  if (combo_->CanFocus()) combo_->SetFocus();
  if (!(GetHitTestInfoAt(x, y) & (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON))) return;
  AcceptSelection();
  combo_->SetSelectedPath(SelectedPath);
  combo_->ShowPickedFolder();
  combo_->PathChange(this);
  CloseUp();
}
