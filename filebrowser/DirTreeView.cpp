#include "filebrowser/DirTreeView.h"

#include <windowsx.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "filebrowser/DirTreeCombo.h"
#include "filebrowser/DirTreeRules.h"
#include "filebrowser/FileListRules.h"
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

bool SameTextNoCase(const std::string& a, const std::string& b) {
  const std::wstring wa = Widen(a), wb = Widen(b);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                        static_cast<int>(wb.size())) == CSTR_EQUAL;
}

bool IsSubFolder(const WIN32_FIND_DATAW& found) {
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && wcscmp(found.cFileName, L".") != 0 &&
         wcscmp(found.cFileName, L"..") != 0;
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
  TTreeViewUpdate update(*this);
  Clear();
  TTreeNode root;
  LPITEMIDLIST raw = nullptr;
  if (SUCCEEDED(SHGetSpecialFolderLocation(Handle(), CSIDL_DRIVES, &raw))) {
    UniqueItemIdList computer(raw);
    SHFILEINFOW info{};
    if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(computer.get()), 0, &info, sizeof info,
                       SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) {
      root = AddChild({}, Narrow(info.szDisplayName));
      root.SetImageIndex(info.iIcon);
      root.SetSelectedIndex(info.iIcon);
    }
  }
  const DWORD drives = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(drives & (1u << i))) continue;
    const char letter = static_cast<char>('A' + i);
    const std::string rootPath = std::string(1, letter) + ":\\";
    SHFILEINFOW info{};
    // A drive whose name cannot be had gets an empty label, never another drive's.
    if (!SHGetFileInfoW(Widen(rootPath).c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) info.szDisplayName[0] = 0;
    TTreeNode node = AddChild(root, DriveCaption(letter, Narrow(info.szDisplayName)));
    node.SetHasChildren(true);
    node.SetImageIndex(SmallIconIndex(rootPath));
    node.SetSelectedIndex(SmallOpenIconIndex(rootPath));
  }
}

void TDqDirTreeView::NodeExpanding(TComponent*, TTreeNode node, bool&) {
  if (node.getFirstChild()) return;  // listed before: listings stay until BuildRoot
  THourglass hourglass;
  GetNodePath(node);
  node.SetHasChildren(false);
  AddSubFolders(NodePath, node);
  node.AlphaSort();
}

void TDqDirTreeView::Expand(TTreeNode node) {
  {
    TTreeViewUpdate update(*this);
    node.AlphaSort();
  }
  TCustomTreeView::Expand(node);
}

void TDqDirTreeView::GetNodePath(TTreeNode node) {
  std::vector<std::string> captions;
  for (TTreeNode n = node; n; n = n.Parent()) captions.push_back(n.Text());
  std::reverse(captions.begin(), captions.end());
  NodePath = ::NodePath(captions);
}

void TDqDirTreeView::AddSubFolders(const std::string& path, TTreeNode node) {
  const std::string base = WithTrailingBackslash(path);
  ++scanCount_;
  WIN32_FIND_DATAW found;
  UniqueFind search(FindFirstFileW(Widen(base + "*.*").c_str(), &found));
  if (!search) return;
  do {
    if (!IsSubFolder(found)) continue;
    const std::string name = Narrow(found.cFileName);
    const std::string full = base + name;
    TTreeNode child = AddChild(node, name);
    child.SetHasChildren(HasSubFolders(full));
    child.SetImageIndex(SmallIconIndex(full));
    child.SetSelectedIndex(SmallOpenIconIndex(full));
  } while (FindNextFileW(search.get(), &found));
}

bool TDqDirTreeView::HasSubFolders(const std::string& path) {
  const std::string base = WithTrailingBackslash(path);
  ++scanCount_;
  WIN32_FIND_DATAW found;
  UniqueFind search(FindFirstFileW(Widen(base + "*.*").c_str(), &found));
  if (!search) return false;
  do {
    if (IsSubFolder(found)) return true;
  } while (FindNextFileW(search.get(), &found));
  return false;
}

void TDqDirTreeView::LocatePath(const std::string& path) {
  TTreeViewUpdate update(*this);
  TTreeNode current = GetFirstNode();
  if (!current) return;
  if (current.Expanded()) current.Collapse(true);
  std::string rest = path, segment;
  int level = 1;
  while (SplitFirstSegment(rest, segment)) {
    TTreeNode match;
    for (TTreeNode child = current.getFirstChild(); child && !match; child = child.getNextSibling()) {
      const std::string caption = child.Text();
      const std::string key = level == 1 ? DriveSegment(caption) : caption + "\\";
      if (SameTextNoCase(key, segment)) match = child;
    }
    if (!match) break;
    SetSelected(match);
    match.Expand(false);
    current = match;
    ++level;
  }
}

void TDqDirTreeView::AcceptSelection() {
  const TTreeNode selected = Selected();
  if (!selected) return;  // nothing to accept
  PreviousPath = WithTrailingBackslash(SelectedPath);
  GetNodePath(selected);
  SelectedPath = selected == GetFirstNode() ? std::string(kDrivesToken) : NodePath;
  if (selected.Level() == 1) {
    const UINT type = GetDriveTypeW(Widen(SelectedPath).c_str());
    if ((type == DRIVE_REMOVABLE || type == DRIVE_CDROM) && !CheckDriveReady(SelectedPath[0], 1)) {
      if (SameTextNoCase(PreviousPath, std::string(kDrivesToken) + "\\")) {
        // "Drives\" names nothing: the computer node is selected again.
        SetSelected(GetFirstNode());
        SelectedPath = PreviousPath = kDrivesToken;
        return;
      }
      LocatePath(PreviousPath);
      SelectedPath = PreviousPath;
      return;
    }
  }
  PreviousPath = SelectedPath;
}

void TDqDirTreeView::CloseUp() {
  if (Enabled() && combo_->CanFocus()) combo_->SetFocus();
  ReleaseCapture();
  SetEnabled(false);
  Hide();
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
  if (const TTreeNode node = Selected()) {
    combo_->SetShownImageIndex(node.ImageIndex());
    combo_->SetText(node.Text());
  }
  combo_->PathChange(this);
  CloseUp();
}
