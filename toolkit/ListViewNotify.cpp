// The list window's notifications: it asks here for the text it shows and for typed
// captions, and reports edits and clicks.
#include "toolkit/ListView.h"

#include <algorithm>

#include "toolkit/Utf.h"

namespace {
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
