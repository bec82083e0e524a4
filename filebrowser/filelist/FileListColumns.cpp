// The file list's two sets of columns, the sort by a column and the header arrows.
#include "filebrowser/filelist/FileListView.h"

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

void TDqFilelistView28::CompareItems(TComponent*, const TListItem& item1, const TListItem& item2, int,
                                     int& result) {
  const char separator = FormatSettings.DecimalSeparator;
  result = CompareEntries(SortEntryOfItem(item1, -1, separator), SortEntryOfItem(item2, -1, separator), sort_,
                          fileSize_, parentDirCaption_, &item1 == &item2);
}

void TDqFilelistView28::SortEntries() {
  Reorder(entries_->SortedOrder(sort_, fileSize_, parentDirCaption_));
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
