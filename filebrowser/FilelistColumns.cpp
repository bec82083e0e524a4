// The file list's two sets of columns, the sort by a column and the header arrows.
#include "filebrowser/FilelistView.h"

#include <commctrl.h>

#include <algorithm>
#include "filebrowser/lang/DqConsts.h"
#include "toolkit/AsciiText.h"
#include "toolkit/Locale.h"
#include "toolkit/Utf.h"

namespace {
struct TColumnLayout {
  TStringKey Title;
  TAlignment Alignment;
};

constexpr TColumnLayout kFileColumns[] = {{TStringKey::sColName, TAlignment::taLeftJustify},
                                        {TStringKey::sColSize, TAlignment::taRightJustify},
                                        {TStringKey::sColType, TAlignment::taLeftJustify},
                                        {TStringKey::sColModified, TAlignment::taLeftJustify},
                                        {TStringKey::sColAttr, TAlignment::taLeftJustify}};
constexpr TColumnLayout kDriveColumns[] = {{TStringKey::sColName, TAlignment::taLeftJustify},
                                         {TStringKey::sColType, TAlignment::taLeftJustify},
                                         {TStringKey::sColDiskSize, TAlignment::taRightJustify},
                                         {TStringKey::sColFreeSpace, TAlignment::taRightJustify},
                                         {TStringKey::sColAttr, TAlignment::taLeftJustify}};
constexpr int kDriveColumnWidths[] = {160, 110, 90, 90, 40};

void BuildColumns(TListView& view, TLanguage language, const TColumnLayout (&columns)[5], const int (&widths)[5]) {
  TListViewUpdate batch(view);
  view.ClearColumns();
  for (int i = 0; i < 5; ++i)
    view.AddColumn({std::string(LanguageText(columns[i].Title, language)), widths[i], columns[i].Alignment});
}

// Upper case by the locale's rules, which for plain ASCII are those of a to z.
std::string UpperCaseText(const std::string& text) {
  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return UpperAscii(text);
  std::wstring wide = Widen(text);
  if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return Narrow(wide);
}
}  // namespace

void TDqFilelistView28::CreateFileColumns() {
  const int widths[5] = {colWidths_[0], colWidths_[1], colWidths_[2], colWidths_[3], colWidths_[4]};
  BuildColumns(*this, language_, kFileColumns, widths);
  folderColumnsInPlace_ = true;
}

void TDqFilelistView28::CreateDriveColumns() {
  BuildColumns(*this, language_, kDriveColumns, kDriveColumnWidths);
  folderColumnsInPlace_ = false;
}

TSortEntry TDqFilelistView28::SortEntryOf(const TListItem& item, int column) const {
  const bool all = column < 0;
  std::string upper;
  TSortTexts texts;
  texts.Caption = item.Caption;
  texts.Kind = item.SubItems[kSubKind];
  if (all || column == kColName) {
    upper = UpperCaseText(item.Caption);
    texts.UpperName = upper;
  }
  if (all || column == kColSize) texts.SizeText = item.SubItems[kSubSize];
  if (all || column == kColType) texts.TypeText = item.SubItems[kSubType];
  if (all || column == kColModified) texts.DateKey = item.SubItems[kSubDateKey];
  if (all || column == kColAttr) texts.AttrText = item.SubItems[kSubAttr];
  return MakeSortEntry(texts, FormatSettings.DecimalSeparator);
}

void TDqFilelistView28::CompareItems(TComponent*, const TListItem& item1, const TListItem& item2, int,
                                     int& result) {
  result = CompareEntries(SortEntryOf(item1, -1), SortEntryOf(item2, -1), sort_, fileSize_, parentDirCaption_,
                          &item1 == &item2);
}

void TDqFilelistView28::SortEntries() {
  // Each entry's key is worked out once, not in every comparison, and only for the
  // sort column. The keys refer to the captions, so they go before the entries move.
  std::vector<std::size_t> order;
  {
    const std::vector<TListItem>& items = Items();
    std::vector<TSortEntry> keys;
    keys.reserve(items.size());
    for (const TListItem& item : items) keys.push_back(SortEntryOf(item, sort_.Column));
    order = SortedOrder(keys, sort_, fileSize_, parentDirCaption_);
  }
  Reorder(order);
}

void TDqFilelistView28::SortByColumn(TComponent*, int column) {
  if (!ApplyColumnClick(sort_, column)) return;
  SortEntries();
  ShowSortArrow(column);
}

void TDqFilelistView28::SortAfterListing() {
  if (ColumnCount() == 0 || !sort_.Sortable) return;
  ResetAfterListing(sort_);
  SortEntries();
  ShowSortArrow(kColName);
}

void TDqFilelistView28::ShowSortArrow(int column) {
  HWND header = HeaderHandle();
  if (!header) return;
  const int count = std::min(Header_GetItemCount(header), ColumnCount());
  constexpr int kArrowFlags = HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
  for (int j = 0; j < count; ++j) {
    HDITEMW hd{};
    hd.mask = HDI_FORMAT;
    Header_GetItem(header, j, &hd);
    if (j == column) {
      hd.fmt |= kArrowFlags;
      hd.hbm = sort_.Descending ? arrowDown_.get() : arrowUp_.get();
    } else {
      hd.fmt &= ~kArrowFlags;
      hd.hbm = nullptr;
    }
    hd.mask = HDI_FORMAT | HDI_BITMAP;
    Header_SetItem(header, j, &hd);
  }
}
