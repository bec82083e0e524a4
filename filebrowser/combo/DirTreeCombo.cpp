#include "filebrowser/combo/DirTreeCombo.h"

#include <shellapi.h>

#include <utility>

#include "filebrowser/folders/DirTreeRules.h"
#include "filebrowser/combo/DirTreeView.h"
#include "filebrowser/combo/DqSpeedButton.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/folders/FolderNodes.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/SpecialFolders.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/HintWindow.h"
#include "toolkit/ImageList.h"
#include "toolkit/MessageWindow.h"
#include "toolkit/NewWindowProc.h"
#include "toolkit/Utf.h"

namespace {
constexpr int kButtonSize = 17;
// The platform's combo-box arrow bitmap (defined only with OEMRESOURCE).
constexpr WORD kObmCombo = 32738;

}  // namespace

TDqDirTreeCombo28::TDqDirTreeCombo28(TComponent* owner, TControl* parent)
    : TEdit(owner, parent, TDeferHandle{}), canvas_(*this) {
  SetBounds(Left(), Top(), 216, 21);
  SetTabOrder(0);
  SetReadOnly(true);
  // The box's window comes first: the button and the tree are its children, and the
  // tree reports its expansions to it.
  CreateHandle();
  hintWindow_ = std::make_unique<THintWindow>(*this);

  Btn = Create<TDqSpeedButton>(this, this);
  Tree = Create<TDqDirTreeView>(this, this);
  Tree->SetBounds(Tree->Left(), Top() + Height(), Tree->Width(), 240);
  Tree->Hide();

  windowHook_ = std::make_unique<TNewWindowProc>(*this, [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TVN_DELETEITEMW) {
      // A rebuild deletes every node and the tree tells each one; the nodes carry no data,
      // so the answer is given here, before the rest of the combo's window procedure.
      result = 0;
      return true;
    }
    if (msg != WM_MOUSEWHEEL) return false;
    // A notch toward the user is Down (the first one opens the drop-down), away is Up.
    const WPARAM key = GET_WHEEL_DELTA_WPARAM(wParam) <= 0 ? VK_DOWN : VK_UP;
    SendMessageW(Handle(), WM_KEYDOWN, key, 0);
    result = 0;
    return true;
  });

  // The shell's own small-icon list: shared, never destroyed here.
  images_ = Create<TImageList>(this);
  images_->SetShareImages(true);
  windowsDirectory_ = GetSpecialFolder(sfWindows);
  SHFILEINFOW info{};
  images_->SetHandle(reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(Widen(windowsDirectory_).c_str(), 0, &info,
                                                                  sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON)));
  Tree->SetImages(images_->Handle());
  // The first use of the shell's icons: its image list is made now.
  MarkStart("shell image list");

  notifyWindow_ = Create<TMessageWindow>(this, [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return ShellNotifyWndProc(msg, wParam, lParam, result);
  });
  notifyId_ = RegisterFolderNotifications(notifyWindow_->Handle());

  SetShowHint(true);
  SetLanguage(lnSysDefault);
  LoadLanguageStrings();
  SetUpWindowParts();
}

TDqDirTreeCombo28::~TDqDirTreeCombo28() {
  // The shell forgets this combo: a later notification must not find its entry.
  if (notifyId_) SHChangeNotifyDeregister(notifyId_);
  windowHook_.reset();
  hintWindow_.reset();
}

void TDqDirTreeCombo28::CreateParams(TCreateParams& params) {
  TEdit::CreateParams(params);
  // Multi-line: only such an edit takes a formatting rectangle, which leaves room for
  // the icon and the button.
  params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TDqDirTreeCombo28::FontChanged() {
  TEdit::FontChanged();
  UpdateEditRect();
}

void TDqDirTreeCombo28::SetUpWindowParts() {
  Btn->SetBounds(Width() - kButtonSize - 4, 0, kButtonSize, kButtonSize);
  Btn->SetDown(false);
  Btn->OnClick = [this](TComponent*) { DropDown(); };
  UniqueBitmap arrow(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kObmCombo)));
  Btn->SetGlyph(arrow.get());
  Btn->SetNumGlyphs(1);

  Tree->SetBounds(0, 0, 0, Tree->Height());
  Tree->OnExpanding = [this](TComponent* sender, TTreeNode node, bool& allow) { NodeExpanding(sender, node, allow); };
  SetExpandRoot(true);
  Tree->SetReadOnly(true);
  Tree->SetEnabled(false);
  Tree->Hide();
  // The box shows the computer, from the folder itself when first read or painted: the
  // nodes wait for the first drop-down, a read of the tree or the first idle moment after
  // the window is painted.
  computerTextPending_ = computerIconPending_ = true;
  Tree->SelectedPath = kDrivesToken;
  if (Application) Application->WantIdle(Handle());
  hintWindow_->Apply(THintSettings{});
  UpdateEditRect();
}

void TDqDirTreeCombo28::NodeExpanding(TComponent* sender, TTreeNode node, bool& allowExpansion) {
  Tree->NodeExpanding(sender, node, allowExpansion);
}

// ---- properties -----------------------------------------------------------------------------

const std::string& TDqDirTreeCombo28::SelectedPath() const { return Tree->SelectedPath; }

void TDqDirTreeCombo28::SetSelectedPath(const std::string& path) {
  if (!SameTextNoCase(path, Tree->SelectedPath)) Tree->SelectedPath = path;
  if (fileList_) fileList_->SetDirectory(Tree->SelectedPath);
}

void TDqDirTreeCombo28::SetFileList(TDqFilelistView28* list) {
  fileList_ = list;
  if (!fileList_ || Tree->SelectedPath.empty() || Loading() || fileList_->Loading()) return;
  ListInFileList(Tree->SelectedPath);
}

void TDqDirTreeCombo28::ListInFileList(const std::string& path) {
  const std::string before = fileList_->Directory();
  fileList_->SetDirectory(path);
  // A new folder was listed just now; otherwise the list re-reads the one it shows.
  if (fileList_->Directory() == before) fileList_->UpdateFileList();
}

void TDqDirTreeCombo28::Notification(TComponent* component, TOperation operation) {
  TEdit::Notification(component, operation);
  if (operation == TOperation::opRemove && component == fileList_) fileList_ = nullptr;
}

bool TDqDirTreeCombo28::ExpandRoot() const { return Tree->ExpandRoot; }

void TDqDirTreeCombo28::SetExpandRoot(bool value) {
  Tree->ExpandRoot = value;
  if (value) Tree->ExpandRootNode();
}

bool TDqDirTreeCombo28::HideSelection() const { return Tree->HideSelection(); }

void TDqDirTreeCombo28::SetHideSelection(bool value) { Tree->SetHideSelection(value); }

HBITMAP TDqDirTreeCombo28::Glyph() const { return Btn->Glyph(); }

void TDqDirTreeCombo28::SetGlyph(HBITMAP bitmap) { Btn->SetGlyph(bitmap); }

int TDqDirTreeCombo28::TreeHeight() const { return Tree->Height(); }

void TDqDirTreeCombo28::SetTreeHeight(int height) { Tree->SetHeight(height); }

HIMAGELIST TDqDirTreeCombo28::Images() const { return images_->Handle(); }

void TDqDirTreeCombo28::ShowComputerIfPending() {
  if (!computerTextPending_ && !computerIconPending_) return;
  const bool text = std::exchange(computerTextPending_, false), icon = std::exchange(computerIconPending_, false);
  std::string caption;
  int image = -1;
  if (!ComputerFolderLook(Handle(), caption, image)) return;
  if (icon) SetShownImageIndex(image);
  if (text) SetText(caption);
}

// A read of the box: what it shows is made first (the object is not changed as a host sees it).
int TDqDirTreeCombo28::ShownImageIndex() const {
  const_cast<TDqDirTreeCombo28*>(this)->ShowComputerIfPending();
  return shownImageIndex_;
}

bool TDqDirTreeCombo28::IconShown() const {
  const_cast<TDqDirTreeCombo28*>(this)->ShowComputerIfPending();
  return IconInRange();
}

bool TDqDirTreeCombo28::IconInRange() const { return shownImageIndex_ >= 0 && shownImageIndex_ < images_->Count(); }

void TDqDirTreeCombo28::SetShownImageIndex(int index) {
  computerIconPending_ = false;
  if (index == shownImageIndex_) return;
  shownImageIndex_ = index;
  UpdateEditRect();
  Invalidate();
}

TTreeNode TDqDirTreeCombo28::SelectedNode() const { return Tree->Selected(); }

void TDqDirTreeCombo28::SetSelectedNode(TTreeNode node) { Tree->SetSelected(node); }

void TDqDirTreeCombo28::UpdateEditRect() {
  if (!Btn) return;
  RECT rect{IconInRange() ? 23 : 0, 0, ClientWidth() - Btn->Width() - 2, ClientHeight() + 1};
  SetFormattingRectNP(rect);
}

void TDqDirTreeCombo28::SetBounds(int left, int top, int width, int height) {
  TEdit::SetBounds(left, top, width, height);
  if (!Parent() || !Btn) return;
  Btn->SetBounds(Width() - Btn->Width() - 4, Btn->Top(), Btn->Width(), Height() - 4);
  UpdateEditRect();
}

// ---- paths ------------------------------------------------------------------------------------

void TDqDirTreeCombo28::PathChange(TComponent* sender) {
  if (OnPathChange) OnPathChange(sender, Tree->SelectedPath);
}

void TDqDirTreeCombo28::OpenPath(const std::string& path) {
  if (path.empty() || SameTextNoCase(path, lastOpenedPath_)) return;
  if (IsDrivesToken(path)) {
    // A list restored to the drives view: the box shows the computer, as after going up
    // from a drive root.
    lastOpenedPath_ = kDrivesToken;
    ShowRoot();
    if (fileList_) fileList_->SetDirectory(kDrivesToken);
    return;
  }
  const std::string folder = WithTrailingBackslash(path);
  if (!IsExistingFolder(folder)) return;
  lastOpenedPath_ = folder;
  ShowPath(folder);
  if (fileList_) fileList_->SetDirectory(folder);
}

void TDqDirTreeCombo28::ShowPath(const std::string& path) {
  if (path.size() <= 1 || !IsExistingFolder(path)) return;
  const std::string folder = WithTrailingBackslash(path);
  std::string caption;
  int image = 0;
  if (Tree->LocateLater(folder, caption, image)) {
    SetShownImageIndex(image);
    SetText(caption);
  } else {
    Tree->LocatePath(folder);
    if (const TTreeNode node = Tree->Selected()) {
      SetShownImageIndex(node.ImageIndex());
      SetText(node.Text());
    }
  }
  if (!SameTextNoCase(Tree->SelectedPath, folder)) Tree->SelectedPath = folder;
  PathChange(this);
}

void TDqDirTreeCombo28::ShowPickedFolder() {
  // The listing the pick started let queued input run while the drop-down was open: the
  // pointer over another node or a Down key may have moved the selection since.
  const std::string folder = fileList_ ? fileList_->Directory() : Tree->SelectedPath;
  const bool drives = IsDrivesToken(StripTrailingBackslash(folder));
  TTreeNode node = drives ? Tree->GetFirstNode() : FindPathNode(*Tree, WithTrailingBackslash(folder));
  if (!node && !drives) {
    // Rebuilt meanwhile: the folder's nodes are listed again.
    Tree->LocatePath(WithTrailingBackslash(folder));
    node = Tree->Selected();
  }
  if (!node) return;
  Tree->SetSelected(node);
  SetShownImageIndex(node.ImageIndex());
  SetText(node.Text());
}

void TDqDirTreeCombo28::ShowRoot() {
  std::string caption;
  int image = 0;
  if (Tree->SelectRootLater(caption, image)) {
    SetShownImageIndex(image);
    SetText(caption);
  } else {
    const TTreeNode root = Tree->GetFirstNode();
    if (!root) return;
    Tree->SetSelected(root);
    SetShownImageIndex(root.ImageIndex());
    SetText(root.Text());
  }
  Tree->SelectedPath = kDrivesToken;
  PathChange(this);
}

void TDqDirTreeCombo28::ShowAgain(const std::string& path) {
  if (IsDrivesToken(StripTrailingBackslash(path)))
    ShowRoot();
  else
    ShowPath(path);
}

void TDqDirTreeCombo28::ResetTreeAfresh() {
  if (fileList_) fileList_->DropFolderReading();
  ResetTree();
}

void TDqDirTreeCombo28::ResetTree() {
  TTreeViewUpdate update(*Tree);
  Tree->SetSelected({});
  Tree->Clear();
  Tree->BuildRoot();
  Tree->OnExpanding = [this](TComponent* sender, TTreeNode node, bool& allow) { NodeExpanding(sender, node, allow); };
}
