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

// Copies as much of the text as the window's buffer takes.
void CopyText(std::string_view text, wchar_t* buffer, int capacity) {
  if (!buffer || capacity <= 0) return;
  const std::wstring wide = Widen(text);
  const std::size_t n = std::min(wide.size(), static_cast<std::size_t>(capacity - 1));
  std::copy_n(wide.data(), n, buffer);
  buffer[n] = L'\0';
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix, bool whole) {
  if (text.size() < prefix.size() || (whole && text.size() != prefix.size())) return false;
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), static_cast<int>(prefix.size()),
                        prefix.c_str(), static_cast<int>(prefix.size())) == CSTR_EQUAL;
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

// ---- items ----------------------------------------------------------------------

void TListView::SetItemSource(std::unique_ptr<TListItemSource> source) {
  source_ = std::move(source);
  if (!Handle()) return;
  ListView_DeleteAllItems(Handle());
  publishedCount_ = 0;
  if (!Updating()) PublishCountNow();
}

void TListView::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

TListItem TListView::Item(int index) const {
  CheckIndex(index);
  return source_->Item(static_cast<std::size_t>(index));
}

std::vector<TListItem> TListView::Items() const {
  std::vector<TListItem> out;
  out.reserve(source_->Count());
  for (std::size_t i = 0; i < source_->Count(); ++i) out.push_back(source_->Item(i));
  return out;
}

std::string TListView::ItemText(int index, int column) const {
  CheckIndex(index);
  std::string text;
  source_->Text(static_cast<std::size_t>(index), column, text);
  return text;
}

int TListView::AddItem(TListItem item) {
  source_->Add(std::move(item));
  if (!Updating()) PublishCountNow();
  return Count() - 1;
}

void TListView::SetItem(int index, TListItem item) {
  CheckIndex(index);
  source_->Set(static_cast<std::size_t>(index), std::move(item));
  if (Handle() && !Updating() && index < publishedCount_) ListView_RedrawItems(Handle(), index, index);
}

void TListView::DeleteItem(int index) {
  CheckIndex(index);
  const bool shown = Handle() && index < publishedCount_;
  std::vector<int> selected;
  int focused = -1;
  if (shown) {
    selected = SelectedIndexes();
    focused = ItemFocused();
  }
  source_->Erase(static_cast<std::size_t>(index));
  if (!shown) return;
  // The window's states are by position: shift those after the deleted item.
  std::vector<int> kept;
  for (int i : selected)
    if (i != index) kept.push_back(i > index ? i - 1 : i);
  if (focused == index) focused = -1;
  else if (focused > index) --focused;
  ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  PublishCountNow();
  RestoreState(kept, focused);
}

void TListView::Clear() {
  // Keeping the old items' memory to refill would save little time and hold it beside
  // whatever the next filling makes.
  source_->Clear();
  if (!Handle()) return;
  ListView_DeleteAllItems(Handle());
  publishedCount_ = 0;
}

void TListView::PublishCountNow() {
  if (!Handle() || publishedCount_ == Count()) return;
  if (!metricsSettled_ && publishedCount_ == 0 && Count() > 0 && viewStyle_ == TViewStyle::vsList)
    SettleItemMetrics();
  ListView_SetItemCountEx(Handle(), Count(), LVSICF_NOSCROLL);
  publishedCount_ = Count();
}

void TListView::SettleItemMetrics() {
  // Some list-view controls work out their item metrics at the first paint that has
  // items, asking in list style for the text of every item: 50,000 names then take
  // seconds. One paint off the screen with a single item settles them at once; the
  // columns' width is the first column's in any case.
  metricsSettled_ = true;
  ListView_SetItemCountEx(Handle(), 1, LVSICF_NOSCROLL);
  HDC dc = CreateCompatibleDC(nullptr);
  if (Updating()) SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  SendMessageW(Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  if (Updating()) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  DeleteDC(dc);
  // Working the metrics out sets a width of the control's own.
  ApplyListColumnWidth();
}

void TListView::BeginUpdate() {
  if (updateCount_++ == 0 && Handle()) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ > 0 || !Handle()) return;
  PublishCountNow();
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

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

// ---- notifications ----------------------------------------------------------------------

bool TListView::NotifyReflect(NMHDR* header, LRESULT& result) {
  switch (header->code) {
    case LVN_GETDISPINFOW:
      FillDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(header));
      result = 0;
      return true;
    case LVN_ODFINDITEMW:
      result = FindCaption(*reinterpret_cast<NMLVFINDITEMW*>(header));
      return true;
    case LVN_COLUMNCLICK:
      ColumnClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      result = 0;
      return true;
    case NM_CLICK:
      Click();
      result = 0;
      return true;
    case NM_DBLCLK:
      DblClick();
      result = 0;
      return true;
    case LVN_BEGINLABELEDITW:
      // TRUE keeps the caption from being edited.
      result = CanEditCaption(reinterpret_cast<NMLVDISPINFOW*>(header)->item.iItem) ? FALSE : TRUE;
      return true;
    case LVN_ENDLABELEDITW:
      result = EndLabelEdit(*reinterpret_cast<NMLVDISPINFOW*>(header)) ? TRUE : FALSE;
      return true;
    default:
      return false;
  }
}

void TListView::FillDisplayInfo(NMLVDISPINFOW& info) {
  LVITEMW& it = info.item;
  if (it.iItem < 0 || it.iItem >= Count()) return;
  const auto index = static_cast<std::size_t>(it.iItem);
  if (it.mask & LVIF_TEXT) {
    source_->Text(index, it.iSubItem, textBuffer_);
    CopyText(textBuffer_, it.pszText, it.cchTextMax);
  }
  if (it.mask & LVIF_IMAGE) it.iImage = source_->ImageIndex(index);
}

int TListView::FindCaption(const NMLVFINDITEMW& find) const {
  const LVFINDINFOW& info = find.lvfi;
  if (!(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz || Count() == 0) return -1;
  const std::wstring wanted = info.psz;
  const bool whole = !(info.flags & LVFI_PARTIAL);
  // Only the start of each caption is compared, in one buffer: a keystroke in a folder of
  // many entries converts no whole caption and allocates nothing per entry.
  std::wstring start;
  start.reserve(wanted.size() + 2);
  const int n = Count();
  const int first = find.iStart >= 0 && find.iStart < n ? find.iStart : 0;
  for (int step = 0; step < n; ++step) {
    int i = first + step;
    if (i >= n) {
      if (!(info.flags & LVFI_WRAP)) break;
      i -= n;
    }
    start.clear();
    source_->Text(static_cast<std::size_t>(i), 0, textBuffer_);
    AppendWiden(textBuffer_, start, wanted.size() + 1);
    if (StartsWithNoCase(start, wanted, whole)) return i;
  }
  return -1;
}

bool TListView::EndLabelEdit(const NMLVDISPINFOW& info) {
  const int index = info.item.iItem;
  if (!info.item.pszText || index < 0 || index >= Count()) return false;  // editing was cancelled
  std::string caption = Narrow(info.item.pszText);
  bool accept = true;
  if (OnEdited) OnEdited(this, index, caption, accept);
  if (!accept || index >= Count()) return false;
  source_->SetCaption(static_cast<std::size_t>(index), std::move(caption));
  ListView_RedrawItems(Handle(), index, index);
  CaptionEdited(index);
  return true;
}

bool TListView::CanEditCaption(int) { return !readOnly_; }

void TListView::Click() {
  if (OnClick) OnClick(this);
}

void TListView::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TListView::ColumnClick(int column) {
  if (OnColumnClick) OnColumnClick(this, column);
}
