// The tree's nodes: light handles that read and write their item in the window, and the
// sort of a node's children.
#include "toolkit/TreeView.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <vector>

#include "toolkit/TreeViewInternal.h"
#include "toolkit/Utf.h"

namespace {
// The sort's callback gets the items' parameters; each maps to the item's rank.
using TRanks = std::unordered_map<LPARAM, std::size_t>;
int CALLBACK CompareRanks(LPARAM param1, LPARAM param2, LPARAM ranks) {
  const TRanks& rank = *reinterpret_cast<const TRanks*>(ranks);
  const std::size_t a = rank.at(param1), b = rank.at(param2);
  return a < b ? -1 : a > b ? 1 : 0;
}

}  // namespace

std::string CaptionSortKey(const std::wstring& caption) {
  // Most keys fit a buffer on the stack: one call instead of a call for the size first.
  char buffer[1024];
  int size = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY, caption.c_str(), -1, reinterpret_cast<LPWSTR>(buffer),
                          static_cast<int>(sizeof buffer));
  if (size > 0) return std::string(buffer, static_cast<std::size_t>(size));
  size = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY, caption.c_str(), -1, nullptr, 0);
  std::string key(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY, caption.c_str(), -1, reinterpret_cast<LPWSTR>(key.data()), size);
  return key;
}

// ---- nodes ------------------------------------------------------------------------

TVITEMW TTreeNode::Get(UINT mask) const {
  TVITEMW it{};
  it.mask = mask | TVIF_HANDLE;
  it.hItem = item_;
  if (view_ && item_) view_->ItemMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
  return it;
}

void TTreeNode::Set(TVITEMW& it) {
  if (!view_ || !item_) return;
  it.mask |= TVIF_HANDLE;
  it.hItem = item_;
  view_->ItemMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&it));
}

UINT TTreeNode::State(UINT mask) const {
  if (!view_ || !item_) return 0;
  return static_cast<UINT>(view_->ItemMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), mask));
}

std::string TTreeNode::Text() const {
  wchar_t buffer[1024] = {};
  TVITEMW it{};
  it.mask = TVIF_TEXT | TVIF_HANDLE;
  it.hItem = item_;
  it.pszText = buffer;
  it.cchTextMax = static_cast<int>(std::size(buffer));
  if (view_ && item_) view_->ItemMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
  return Narrow(buffer);
}

void TTreeNode::SetText(const std::string& text) {
  std::wstring wide = Widen(text);
  TVITEMW it{};
  it.mask = TVIF_TEXT;
  it.pszText = wide.data();
  Set(it);
}

int TTreeNode::ImageIndex() const { return Get(TVIF_IMAGE).iImage; }

void TTreeNode::SetImageIndex(int index) {
  TVITEMW it{};
  it.mask = TVIF_IMAGE;
  it.iImage = index;
  Set(it);
}

int TTreeNode::SelectedIndex() const { return Get(TVIF_SELECTEDIMAGE).iSelectedImage; }

void TTreeNode::SetSelectedIndex(int index) {
  TVITEMW it{};
  it.mask = TVIF_SELECTEDIMAGE;
  it.iSelectedImage = index;
  Set(it);
}

bool TTreeNode::HasChildren() const {
  const int children = Get(TVIF_CHILDREN).cChildren;
  // Some versions of the control report the open mark instead of asking for it.
  if (children == I_CHILDRENCALLBACK) return view_->DecideChildren(*this);
  return children > 0;
}

void TTreeNode::SetHasChildren(bool value) {
  TVITEMW it{};
  it.mask = TVIF_CHILDREN;
  it.cChildren = value ? 1 : 0;
  Set(it);
}

void TTreeNode::SetHasChildrenWhenShown() {
  TVITEMW it{};
  it.mask = TVIF_CHILDREN;
  it.cChildren = I_CHILDRENCALLBACK;
  Set(it);
}

bool TTreeNode::Expanded() const { return (State(TVIS_EXPANDED) & TVIS_EXPANDED) != 0; }

bool TTreeNode::Selected() const { return view_ && view_->Selected() == *this; }

int TTreeNode::Level() const {
  int level = 0;
  for (TTreeNode p = Parent(); p; p = p.Parent()) ++level;
  return level;
}

TTreeNode TTreeNode::Parent() const {
  if (!view_) return {};
  return {view_, Next(*view_, item_, TVGN_PARENT)};
}

TTreeNode TTreeNode::getFirstChild() const {
  if (!view_) return {};
  return {view_, Next(*view_, item_, TVGN_CHILD)};
}

TTreeNode TTreeNode::getNextSibling() const {
  if (!view_) return {};
  return {view_, Next(*view_, item_, TVGN_NEXT)};
}

TTreeNode TTreeNode::getPrevSibling() const {
  if (!view_) return {};
  return {view_, Next(*view_, item_, TVGN_PREVIOUS)};
}

TTreeNode TTreeNode::GetNext() const {
  if (TTreeNode child = getFirstChild()) return child;
  for (TTreeNode n = *this; n; n = n.Parent())
    if (TTreeNode sibling = n.getNextSibling()) return sibling;
  return {};
}

TTreeNode TTreeNode::GetNextVisible() const {
  if (!view_) return {};
  return {view_, Next(*view_, item_, TVGN_NEXTVISIBLE)};
}

TTreeNode TTreeNode::GetPrevVisible() const {
  if (!view_) return {};
  return {view_, Next(*view_, item_, TVGN_PREVIOUSVISIBLE)};
}

int TTreeNode::Count() const {
  int n = 0;
  for (TTreeNode c = getFirstChild(); c; c = c.getNextSibling()) ++n;
  return n;
}

void TTreeNode::Expand(bool recurse) {
  if (!view_) return;
  view_->ExpandFromCode(*this);
  if (recurse)
    for (TTreeNode c = getFirstChild(); c; c = c.getNextSibling()) c.Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  if (!view_) return;
  if (recurse)
    for (TTreeNode c = getFirstChild(); c; c = c.getNextSibling()) c.Collapse(true);
  if (!Expanded()) return;
  ++view_->codeExpanding_;
  view_->ItemMessage(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
  --view_->codeExpanding_;
  view_->Collapse(*this);
}

void TTreeNode::AlphaSort() {
  if (!view_) return;
  // Every caption is read and keyed once: the control's own sort would read two
  // captions a comparison.
  struct TChild {
    LPARAM Param;
    std::string Key;
  };
  std::vector<TChild> children;
  for (TTreeNode c = getFirstChild(); c; c = c.getNextSibling()) {
    wchar_t buffer[1024] = {};
    TVITEMW it{};
    it.mask = TVIF_TEXT | TVIF_PARAM | TVIF_HANDLE;
    it.hItem = c.item_;
    it.pszText = buffer;
    it.cchTextMax = static_cast<int>(std::size(buffer));
    view_->ItemMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
    children.push_back({it.lParam, CaptionSortKey(buffer)});
  }
  if (children.size() < 2) return;
  std::stable_sort(children.begin(), children.end(),
                   [](const TChild& a, const TChild& b) { return a.Key < b.Key; });
  TRanks ranks;
  for (std::size_t i = 0; i < children.size(); ++i) ranks.emplace(children[i].Param, i);
  TVSORTCB sort{};
  sort.hParent = item_;
  sort.lpfnCompare = CompareRanks;
  sort.lParam = reinterpret_cast<LPARAM>(&ranks);
  view_->ItemMessage(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void TTreeNode::Delete() {
  if (view_ && item_) view_->ItemMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item_));
  item_ = nullptr;
}

void TTreeNode::DeleteChildren() {
  while (TTreeNode c = getFirstChild()) c.Delete();
}
