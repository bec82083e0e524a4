#include "toolkit/ListView.h"

#include <algorithm>

#include "toolkit/Exception.h"
#include "toolkit/Utf.h"

namespace {
constexpr DWORD kViewBits[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
// The style bits the properties decide; the others stay as the window has them.
constexpr DWORD kPropertyBits = LVS_TYPEMASK | LVS_SINGLESEL | LVS_EDITLABELS | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER;

int ColumnFormat(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify: return LVCFMT_RIGHT;
    case TAlignment::taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
  }
}
}  // namespace

TListView::TListView(TComponent* owner, TControl* parent) : TControl(owner) {
  Setup(parent);
  CreateHandle();
}

TListView::TListView(TComponent* owner, TControl* parent, TDeferHandle) : TControl(owner) { Setup(parent); }

void TListView::Setup(TControl* parent) {
  source_ = std::make_unique<TListItemArray>();
  SetTabStop(true);
  SetParent(parent);
  SetColor(clWindow);
  SetBounds(0, 0, 250, 150);
}

// ---- window -----------------------------------------------------------------

void TListView::CreateParams(TCreateParams& params) {
  TControl::CreateParams(params);
  params.ClassName = WC_LISTVIEWW;
  params.Style |= WS_TABSTOP | LVS_OWNERDATA | LVS_SHAREIMAGELISTS | kViewBits[static_cast<int>(viewStyle_)];
  if (!multiSelect_) params.Style |= LVS_SINGLESEL;
  if (!readOnly_) params.Style |= LVS_EDITLABELS;
  if (!hideSelection_) params.Style |= LVS_SHOWSELALWAYS;
  if (!showColumnHeaders_) params.Style |= LVS_NOCOLUMNHEADER;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::HandleCreated() {
  TControl::HandleCreated();
  HWND h = Handle();
  if (largeImages_) ListView_SetImageList(h, largeImages_, LVSIL_NORMAL);
  if (smallImages_) ListView_SetImageList(h, smallImages_, LVSIL_SMALL);
  windowColumns_ = 0;
  for (int i = 0; i < ColumnCount(); ++i) InsertColumnIntoWindow(i);
  publishedCount_ = 0;
  metricsSettled_ = false;
  PublishCountNow();
  RestoreState(savedSelection_, savedFocus_);
  savedSelection_.clear();
  savedFocus_ = -1;
  if (Updating()) SendMessageW(h, WM_SETREDRAW, FALSE, 0);
}

void TListView::HandleDestroying() {
  savedSelection_ = SelectedIndexes();
  savedFocus_ = ItemFocused();
  TControl::HandleDestroying();
}

void TListView::ApplyStyle() {
  if (!Handle()) return;
  TCreateParams params;
  CreateParams(params);
  const DWORD old = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  const DWORD style = (old & ~kPropertyBits) | (params.Style & kPropertyBits);
  if (style != old) SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(style));
  ApplyListColumnWidth();
}

void TListView::ApplyListColumnWidth() {
  if (Handle() && viewStyle_ == TViewStyle::vsList && !columns_.empty())
    ListView_SetColumnWidth(Handle(), 0, columns_[0].Width);
}

void TListView::SetViewStyle(TViewStyle style) {
  if (style == viewStyle_) return;
  viewStyle_ = style;
  ApplyStyle();
}

void TListView::SetShowColumnHeaders(bool show) {
  if (show == showColumnHeaders_) return;
  showColumnHeaders_ = show;
  ApplyStyle();
}

void TListView::SetMultiSelect(bool multi) {
  if (multi == multiSelect_) return;
  multiSelect_ = multi;
  ApplyStyle();
}

void TListView::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  ApplyStyle();
}

void TListView::SetHideSelection(bool hide) {
  if (hide == hideSelection_) return;
  hideSelection_ = hide;
  ApplyStyle();
}

void TListView::SetLargeImages(HIMAGELIST images) {
  largeImages_ = images;
  if (Handle()) ListView_SetImageList(Handle(), images, LVSIL_NORMAL);
}

void TListView::SetSmallImages(HIMAGELIST images) {
  smallImages_ = images;
  if (Handle()) ListView_SetImageList(Handle(), images, LVSIL_SMALL);
}

// ---- columns ------------------------------------------------------------------

int TListView::AddColumn(TListColumn column) {
  columns_.push_back(std::move(column));
  const int index = ColumnCount() - 1;
  if (Handle()) InsertColumnIntoWindow(index);
  return index;
}

void TListView::InsertColumnIntoWindow(int index) {
  const TListColumn& c = columns_[static_cast<std::size_t>(index)];
  std::wstring caption = Widen(c.Caption);
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  col.fmt = ColumnFormat(c.Alignment);
  col.cx = c.Width;
  col.pszText = caption.data();
  col.iSubItem = index;
  if (ListView_InsertColumn(Handle(), index, &col) >= 0) ++windowColumns_;
  if (index == 0) ApplyListColumnWidth();
}

void TListView::ClearColumns() {
  columns_.clear();
  if (!Handle()) return;
  for (int i = windowColumns_ - 1; i >= 0; --i) ListView_DeleteColumn(Handle(), i);
  windowColumns_ = 0;
}

HWND TListView::HeaderHandle() const { return Handle() ? ListView_GetHeader(Handle()) : nullptr; }

// ---- selection and focus ----------------------------------------------------------

int TListView::SelCount() const { return Handle() ? static_cast<int>(ListView_GetSelectedCount(Handle())) : 0; }

bool TListView::IsSelected(int index) const {
  if (!Handle() || index < 0 || index >= publishedCount_) return false;
  return ListView_GetItemState(Handle(), index, LVIS_SELECTED) != 0;
}

void TListView::SetSelected(int index, bool selected) {
  if (!Handle() || index < 0 || index >= Count()) return;
  PublishCountNow();
  ListView_SetItemState(Handle(), index, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

int TListView::NextSelected(int after) const {
  if (!Handle()) return -1;
  const int next = ListView_GetNextItem(Handle(), after, LVNI_SELECTED);
  return next >= 0 && next < Count() ? next : -1;
}

std::vector<int> TListView::SelectedIndexes() const {
  std::vector<int> out;
  for (int i = NextSelected(-1); i >= 0; i = NextSelected(i)) out.push_back(i);
  return out;
}

void TListView::ClearSelection() {
  if (Handle()) ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED);
}

void TListView::SelectAll() {
  if (!Handle() || !multiSelect_) return;
  PublishCountNow();
  ListView_SetItemState(Handle(), -1, LVIS_SELECTED, LVIS_SELECTED);
}

int TListView::ItemFocused() const {
  if (!Handle()) return -1;
  const int i = ListView_GetNextItem(Handle(), -1, LVNI_FOCUSED);
  return i >= 0 && i < Count() ? i : -1;
}

void TListView::SetItemFocused(int index) {
  if (!Handle()) return;
  if (index < 0 || index >= Count()) {
    if (const int old = ItemFocused(); old >= 0) ListView_SetItemState(Handle(), old, 0, LVIS_FOCUSED);
    return;
  }
  PublishCountNow();
  ListView_SetItemState(Handle(), index, LVIS_FOCUSED, LVIS_FOCUSED);
}

void TListView::RestoreState(const std::vector<int>& selected, int focused) {
  if (!Handle()) return;
  for (int i : selected)
    if (i >= 0 && i < publishedCount_) ListView_SetItemState(Handle(), i, LVIS_SELECTED, LVIS_SELECTED);
  if (focused >= 0 && focused < publishedCount_) ListView_SetItemState(Handle(), focused, LVIS_FOCUSED, LVIS_FOCUSED);
}

void TListView::EditCaption(int index) {
  if (!Handle() || readOnly_ || index < 0 || index >= Count()) return;
  PublishCountNow();
  ::SetFocus(Handle());
  ListView_EditLabel(Handle(), index);
}

bool TListView::IsEditing() const { return Handle() && ListView_GetEditControl(Handle()) != nullptr; }

// ---- sorting --------------------------------------------------------------------------

void TListView::AlphaSort() {
  if (!OnCompare) return;
  const std::vector<TListItem> items = Items();
  std::vector<std::size_t> order(items.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    int compare = 0;
    OnCompare(this, items[a], items[b], 0, compare);
    return compare < 0;
  });
  Reorder(order);
}

void TListView::Reorder(const std::vector<std::size_t>& order) {
  const std::size_t n = source_->Count();
  std::vector<int> where(n, -1);  // old position -> new position
  if (order.size() != n) throw Exception("Invalid item order");
  for (std::size_t k = 0; k < n; ++k) {
    if (order[k] >= n || where[order[k]] >= 0) throw Exception("Invalid item order");
    where[order[k]] = static_cast<int>(k);
  }
  std::vector<int> selected;
  int focused = -1;
  if (Handle()) {
    selected = SelectedIndexes();
    focused = ItemFocused();
  }
  source_->Permute(order);
  if (!Handle()) return;
  if (!selected.empty() || focused >= 0) {
    ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    PublishCountNow();
    for (int& i : selected) i = where[static_cast<std::size_t>(i)];
    RestoreState(selected, focused >= 0 ? where[static_cast<std::size_t>(focused)] : -1);
  }
  if (!Updating()) InvalidateRect(Handle(), nullptr, TRUE);
}
