#pragma once
// List view over SysListView32. The items live in the view's item source, their only
// copy, and the window asks for what it paints (owner data): a list of 100,000 entries
// is published with one count instead of 100,000 insertions. The window keeps the
// selection and the focus mark; they follow their items through sorts, deletions and
// window re-creation.
// The window shows its items only under a toolkit parent, which passes the control's
// notifications back to it.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/ListItemSource.h"

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

struct TListColumn {
  std::string Caption;
  int Width = 50;
  TAlignment Alignment = TAlignment::taLeftJustify;
};

// Negative `compare` when item1 goes first, 0 when equal, positive when item2 goes first.
using TLVCompareEvent =
    std::function<void(TComponent* sender, const TListItem& item1, const TListItem& item2, int data, int& compare)>;
using TLVColumnClickEvent = std::function<void(TComponent* sender, int column)>;
// A caption edited in place; clear `accept` to keep the old caption.
using TLVEditedEvent = std::function<void(TComponent* sender, int index, std::string& caption, bool& accept)>;

class TListView : public TControl {
 public:
  TListView(TComponent* owner, TControl* parent);

  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle style);
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool show);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multi);
  // Read-only: captions cannot be edited in place.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // Hide-selection: the selection disappears while the control has no focus.
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hide);

  // The image lists are borrowed: the control never destroys them.
  HIMAGELIST LargeImages() const { return largeImages_; }
  void SetLargeImages(HIMAGELIST images);
  HIMAGELIST SmallImages() const { return smallImages_; }
  void SetSmallImages(HIMAGELIST images);

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const TListColumn& Column(int index) const { return columns_.at(static_cast<std::size_t>(index)); }
  int AddColumn(TListColumn column);
  void ClearColumns();
  // The header control of the report style; null when the window has none.
  HWND HeaderHandle() const;

  int Count() const { return static_cast<int>(source_->Count()); }
  // A copy of the item, made from the source.
  TListItem Item(int index) const;
  // Copies of all items.
  std::vector<TListItem> Items() const;
  // One text of the item (column 0 the caption, k > 0 sub-item k - 1) without making
  // the whole item.
  std::string ItemText(int index, int column) const;
  std::string ItemCaption(int index) const { return ItemText(index, 0); }
  // Appends; returns the new item's index.
  int AddItem(TListItem item);
  // Replaces the item's texts and image; its selection state stays.
  void SetItem(int index, TListItem item);
  void DeleteItem(int index);
  // Removes every item.
  void Clear();

  // Between the outermost BeginUpdate and its EndUpdate the window does not repaint.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }

  int SelCount() const;
  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  // The first selected item in list order, -1 when none is.
  int Selected() const { return NextSelected(-1); }
  // The next selected item after `after`, -1 when there is none.
  int NextSelected(int after) const;
  std::vector<int> SelectedIndexes() const;
  void ClearSelection();
  void SelectAll();
  // The item with the focus mark, -1 when none has it.
  int ItemFocused() const;
  // -1 removes the mark.
  void SetItemFocused(int index);
  // Starts editing the caption in place (nothing happens when the list is read-only).
  void EditCaption(int index);
  bool IsEditing() const;

  // Sorts the items with OnCompare; items that compare equal keep their order.
  void AlphaSort();
  // Puts the item at order[k] in place k; `order` must be a permutation of the indexes.
  void Reorder(const std::vector<std::size_t>& order);

  TLVCompareEvent OnCompare;
  TLVColumnClickEvent OnColumnClick;
  TNotifyEvent OnDblClick;
  TLVEditedEvent OnEdited;

 protected:
  // For classes that finish their own set-up before the window is made: they call
  // CreateHandle at the end of their constructor.
  struct TDeferHandle {};
  TListView(TComponent* owner, TControl* parent, TDeferHandle);

  // Replaces the items' source (and the items with it); for classes that keep their
  // items in a form of their own.
  void SetItemSource(std::unique_ptr<TListItemSource> source);
  // After items were added to the source directly: the window learns the new count
  // (at the end of the batch while one is open).
  void ItemsAdded() {
    if (!Updating()) PublishCountNow();
  }

  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void HandleDestroying() override;
  bool NotifyReflect(NMHDR* header, LRESULT& result) override;

  virtual void Click();
  virtual void DblClick();
  virtual void ColumnClick(int column);
  // Asked before a caption is edited in place (also for a slow second click); the
  // default allows it unless the list is read-only.
  virtual bool CanEditCaption(int index);
  // After an accepted caption was stored in the item (not after a cancelled edit).
  virtual void CaptionEdited(int /*index*/) {}

 private:
  void Setup(TControl* parent);
  void ApplyStyle();
  void InsertColumnIntoWindow(int index);
  // Tells the window how many items there are (EndUpdate does it once per batch; state
  // changes need it at once, as the window's states are by position).
  void PublishCountNow();
  void SettleItemMetrics();
  // In list style the names stand in columns as wide as the first column.
  void ApplyListColumnWidth();
  // Puts a saved selection and focus mark back (after the window has its count).
  void RestoreState(const std::vector<int>& selected, int focused);
  void FillDisplayInfo(NMLVDISPINFOW& info);
  int FindCaption(const NMLVFINDITEMW& find) const;
  bool EndLabelEdit(const NMLVDISPINFOW& info);

  void CheckIndex(int index) const;

  std::unique_ptr<TListItemSource> source_;
  // The window's text requests and the type-ahead reuse it.
  mutable std::string textBuffer_;
  std::vector<TListColumn> columns_;
  TViewStyle viewStyle_ = TViewStyle::vsIcon;
  bool showColumnHeaders_ = true;
  bool multiSelect_ = false;
  bool readOnly_ = false;
  bool hideSelection_ = true;
  HIMAGELIST largeImages_ = nullptr;
  HIMAGELIST smallImages_ = nullptr;
  int updateCount_ = 0;
  int publishedCount_ = 0;
  bool metricsSettled_ = false;  // for the present window
  int windowColumns_ = 0;
  // Held only while the window is re-created.
  std::vector<int> savedSelection_;
  int savedFocus_ = -1;
};

// Begins a batch update and ends it when the scope ends, however it ends.
class TListViewUpdate {
 public:
  explicit TListViewUpdate(TListView& view) : view_(view) { view_.BeginUpdate(); }
  TListViewUpdate(const TListViewUpdate&) = delete;
  TListViewUpdate& operator=(const TListViewUpdate&) = delete;
  ~TListViewUpdate() { view_.EndUpdate(); }

 private:
  TListView& view_;
};
