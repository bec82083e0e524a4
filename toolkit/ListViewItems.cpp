// The list's items: the item source holds them, and the window is only told how many there
// are, after each change or update.
#include "toolkit/ListView.h"

#include "toolkit/Exception.h"

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
