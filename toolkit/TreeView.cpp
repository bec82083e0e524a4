#include "toolkit/TreeView.h"

#include "toolkit/TreeViewInternal.h"
#include "toolkit/Utf.h"

namespace {
// Style bits the properties decide; the others stay as the window has them.
constexpr DWORD kPropertyBits = TVS_EDITLABELS | TVS_SHOWSELALWAYS | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
}  // namespace

// ---- the view -----------------------------------------------------------------------

TCustomTreeView::TCustomTreeView(TComponent* owner, TControl* parent) : TControl(owner) {
  Setup(parent);
  CreateHandle();
}

TCustomTreeView::TCustomTreeView(TComponent* owner, TControl* parent, TDeferHandle) : TControl(owner) {
  Setup(parent);
}

void TCustomTreeView::Setup(TControl* parent) {
  SetTabStop(true);
  SetParent(parent);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
  TControl::CreateParams(params);
  params.ClassName = WC_TREEVIEWW;
  // No dragging: a press on an item selects it at once.
  params.Style |= WS_TABSTOP | TVS_DISABLEDRAGDROP;
  if (showButtons_) params.Style |= TVS_HASBUTTONS;
  if (showLines_) params.Style |= TVS_HASLINES;
  if (showRoot_) params.Style |= TVS_LINESATROOT;
  if (!readOnly_) params.Style |= TVS_EDITLABELS;
  if (!hideSelection_) params.Style |= TVS_SHOWSELALWAYS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::HandleCreated() {
  TControl::HandleCreated();
  nativeProc_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(Handle(), GCLP_WNDPROC));
  if (images_) TreeView_SetImageList(Handle(), images_, TVSIL_NORMAL);
  if (indent_ >= 0) TreeView_SetIndent(Handle(), indent_);
  if (updateCount_ > 0) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

LRESULT TCustomTreeView::ItemMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
  if (!Handle()) return 0;
  if (!nativeProc_) return SendMessageW(Handle(), msg, wParam, lParam);
  return CallWindowProcW(nativeProc_, Handle(), msg, wParam, lParam);
}

void TCustomTreeView::ApplyStyle() {
  if (!Handle()) return;
  TCreateParams params;
  CreateParams(params);
  const DWORD old = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  const DWORD style = (old & ~kPropertyBits) | (params.Style & kPropertyBits);
  if (style != old) SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(style));
}

void TCustomTreeView::SetImages(HIMAGELIST images) {
  images_ = images;
  if (Handle()) TreeView_SetImageList(Handle(), images, TVSIL_NORMAL);
}

void TCustomTreeView::SetReadOnly(bool value) {
  if (value == readOnly_) return;
  readOnly_ = value;
  ApplyStyle();
}

void TCustomTreeView::SetHideSelection(bool value) {
  if (value == hideSelection_) return;
  hideSelection_ = value;
  ApplyStyle();
}

void TCustomTreeView::SetShowButtons(bool value) {
  if (value == showButtons_) return;
  showButtons_ = value;
  ApplyStyle();
}

void TCustomTreeView::SetShowLines(bool value) {
  if (value == showLines_) return;
  showLines_ = value;
  ApplyStyle();
}

void TCustomTreeView::SetShowRoot(bool value) {
  if (value == showRoot_) return;
  showRoot_ = value;
  ApplyStyle();
}

namespace {
bool SortsByText(TSortType type) { return type == TSortType::stText || type == TSortType::stBoth; }

void SortBranch(TTreeNode parent) {
  parent.AlphaSort();
  for (TTreeNode child = parent.getFirstChild(); child; child = child.getNextSibling())
    if (child.getFirstChild()) SortBranch(child);
}
}  // namespace

void TCustomTreeView::SetSortType(TSortType value) {
  if (value == sortType_) return;
  sortType_ = value;
  if (!SortsByText(value) || !Handle()) return;
  TTreeViewUpdate update(*this);
  // Below each top-level node; the top level holds the one root of a folder tree.
  for (TTreeNode top = GetFirstNode(); top; top = top.getNextSibling()) SortBranch(top);
}

int TCustomTreeView::Indent() const {
  if (Handle()) return static_cast<int>(TreeView_GetIndent(Handle()));
  return indent_;
}

void TCustomTreeView::SetIndent(int value) {
  indent_ = value;
  if (Handle()) TreeView_SetIndent(Handle(), value);
}

TTreeNode TCustomTreeView::AddChild(TTreeNode parent, const std::string& text) {
  TTreeNode node = AddChild(parent, text, 0, 0, TChildren::None);
  if (node && parent) parent.SetHasChildren(true);
  return node;
}

TTreeNode TCustomTreeView::AddChild(TTreeNode parent, const std::string& text, int imageIndex, int selectedIndex,
                                    TChildren children) {
  std::wstring wide = Widen(text);
  TVINSERTSTRUCTW ins{};
  ins.hParent = parent ? parent.ItemId() : TVI_ROOT;
  ins.hInsertAfter = SortsByText(sortType_) ? TVI_SORT : TVI_LAST;
  ins.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  ins.item.pszText = wide.data();
  ins.item.iImage = imageIndex;
  ins.item.iSelectedImage = selectedIndex;
  ins.item.cChildren = children == TChildren::WhenShown ? I_CHILDRENCALLBACK : children == TChildren::Some ? 1 : 0;
  ins.item.lParam = nextParam_++;
  auto item = reinterpret_cast<HTREEITEM>(ItemMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
  return TTreeNode(this, item);
}

void TCustomTreeView::AddChildren(TTreeNode parent, const std::vector<TNewNode>& nodes, TChildren children) {
  for (const TNewNode& node : nodes) AddChild(parent, node.Text, node.ImageIndex, node.SelectedIndex, children);
}

void TCustomTreeView::Clear() {
  if (Handle()) ItemMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

TTreeNode TCustomTreeView::GetFirstNode() const {
  const_cast<TCustomTreeView*>(this)->NodesWanted();
  return {const_cast<TCustomTreeView*>(this), Next(*this, nullptr, TVGN_ROOT)};
}

int TCustomTreeView::Count() const {
  const_cast<TCustomTreeView*>(this)->NodesWanted();
  return static_cast<int>(ItemMessage(TVM_GETCOUNT, 0, 0));
}

TTreeNode TCustomTreeView::Selected() const {
  const_cast<TCustomTreeView*>(this)->NodesWanted();
  return {const_cast<TCustomTreeView*>(this), Next(*this, nullptr, TVGN_CARET)};
}

void TCustomTreeView::SetSelected(TTreeNode node) {
  ItemMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node.ItemId()));
}

UINT TCustomTreeView::GetHitTestInfoAt(int x, int y) const {
  TVHITTESTINFO ht{};
  ht.pt = {x, y};
  ItemMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&ht));
  return ht.flags;
}

TTreeNode TCustomTreeView::GetNodeAt(int x, int y) const {
  const_cast<TCustomTreeView*>(this)->NodesWanted();
  TVHITTESTINFO ht{};
  ht.pt = {x, y};
  auto item = reinterpret_cast<HTREEITEM>(ItemMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&ht)));
  return {const_cast<TCustomTreeView*>(this), item};
}

void TCustomTreeView::BeginUpdate() {
  if (updateCount_++ == 0 && Handle()) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TCustomTreeView::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0 || !Handle()) return;
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

// ---- expansion ------------------------------------------------------------------------

bool TCustomTreeView::CanExpand(TTreeNode node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(this, node, allow);
  return allow;
}

void TCustomTreeView::Expand(TTreeNode node) {
  if (OnExpanded) OnExpanded(this, node);
}

void TCustomTreeView::Collapse(TTreeNode node) {
  if (OnCollapsed) OnCollapsed(this, node);
}

bool TCustomTreeView::HasChildrenWhenShown(TTreeNode) { return false; }

bool TCustomTreeView::DecideChildren(TTreeNode node) {
  const bool answer = HasChildrenWhenShown(node);
  node.SetHasChildren(answer);
  return answer;
}

bool TCustomTreeView::CanEdit(TTreeNode node) {
  bool allow = true;
  if (OnEditing) OnEditing(this, node, allow);
  return allow;
}

void TCustomTreeView::Edit(TTreeNode node, std::string text) {
  if (OnEdited) OnEdited(this, node, text);
  node.SetText(text);
}

void TCustomTreeView::ExpandFromCode(TTreeNode node) {
  if (!node || node.Expanded() || !CanExpand(node)) return;
  ++codeExpanding_;
  ItemMessage(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node.ItemId()));
  --codeExpanding_;
  if (node.Expanded()) Expand(node);
}

bool TCustomTreeView::NotifyReflect(NMHDR* header, LRESULT& result) {
  switch (header->code) {
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDINGA: {
      const auto* nm = reinterpret_cast<NMTREEVIEWW*>(header);
      result = 0;
      if (codeExpanding_ == 0 && (nm->action & TVE_EXPAND))
        result = CanExpand(TTreeNode(this, nm->itemNew.hItem)) ? 0 : 1;
      return true;
    }
    case TVN_ITEMEXPANDEDW:
    case TVN_ITEMEXPANDEDA: {
      const auto* nm = reinterpret_cast<NMTREEVIEWW*>(header);
      if (codeExpanding_ > 0) return true;
      const TTreeNode node(this, nm->itemNew.hItem);
      if (node.Expanded()) Expand(node);
      else Collapse(node);
      return true;
    }
    case TVN_GETDISPINFOW: {
      // The only field left open is the has-children mark; the answer is kept by the
      // window, so each node is asked once.
      auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
      if (!(info->item.mask & TVIF_CHILDREN)) return false;
      info->item.cChildren = HasChildrenWhenShown(TTreeNode(this, info->item.hItem)) ? 1 : 0;
      info->item.mask |= TVIF_DI_SETITEM;
      result = 0;
      return true;
    }
    case TVN_DELETEITEMW:
    case TVN_DELETEITEMA:
      // Nodes carry no data of their own: a deletion needs nothing. Answered here, the
      // notification (one per node when a tree is cleared) skips the parent's own handling.
      result = 0;
      return true;
    case TVN_BEGINLABELEDITW: {
      const auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
      const TTreeNode node(this, info->item.hItem);
      result = node && CanEdit(node) ? FALSE : TRUE;
      return true;
    }
    case TVN_ENDLABELEDITW: {
      const auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
      // The text is set by Edit, so the window is told to keep its own; no text means
      // the edit was cancelled.
      result = FALSE;
      const TTreeNode node(this, info->item.hItem);
      if (node && info->item.pszText) Edit(node, Narrow(info->item.pszText));
      return true;
    }
    default:
      return false;
  }
}
