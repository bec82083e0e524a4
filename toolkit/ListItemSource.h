#pragma once
// Where a list view's items live. The view holds no copy: it asks its source for the
// count, and for a text or an image when the window paints or a caller reads one. The
// default source keeps whole items; a list of many alike entries can keep them packed
// and make their texts only when asked.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/SubItems.h"

// One entry: column 0 shows the caption, column k > 0 shows SubItems[k - 1].
struct TListItem {
  std::string Caption;
  int ImageIndex = -1;
  TSubItems SubItems;
};

class TListItemSource {
 public:
  virtual ~TListItemSource() = default;

  virtual std::size_t Count() const = 0;
  // The text of column `column` (0 the caption, k > 0 sub-item k - 1) replaces `out`;
  // empty beyond the last sub-item. The buffer is the caller's, so painting many items
  // allocates nothing per item.
  virtual void Text(std::size_t index, int column, std::string& out) const = 0;
  virtual int ImageIndex(std::size_t index) const = 0;
  // The whole item, made for a caller that reads several of its texts.
  virtual TListItem Item(std::size_t index) const = 0;

  virtual void Add(TListItem item) = 0;
  virtual void Set(std::size_t index, TListItem item) = 0;
  virtual void SetCaption(std::size_t index, std::string caption) = 0;
  virtual void Erase(std::size_t index) = 0;
  // Forgets every item and the memory they took.
  virtual void Clear() = 0;
  // Puts the item at order[k] in place k; `order` is a permutation of the indexes.
  virtual void Permute(const std::vector<std::size_t>& order) = 0;
};

// Moves the element at order[k] to place k, one cycle of the permutation after the
// other: no second array of elements.
template <class T>
void PermuteInPlace(std::vector<T>& items, const std::vector<std::size_t>& order) {
  const std::size_t n = items.size();
  std::vector<bool> placed(n, false);
  for (std::size_t start = 0; start < n; ++start) {
    if (placed[start]) continue;
    T first = std::move(items[start]);
    std::size_t k = start;
    while (order[k] != start) {
      items[k] = std::move(items[order[k]]);
      placed[k] = true;
      k = order[k];
    }
    items[k] = std::move(first);
    placed[k] = true;
  }
}

// The default source: the items as they were given.
class TListItemArray final : public TListItemSource {
 public:
  std::size_t Count() const override { return items_.size(); }
  void Text(std::size_t index, int column, std::string& out) const override;
  int ImageIndex(std::size_t index) const override { return items_[index].ImageIndex; }
  TListItem Item(std::size_t index) const override { return items_[index]; }

  void Add(TListItem item) override { items_.push_back(std::move(item)); }
  void Set(std::size_t index, TListItem item) override { items_[index] = std::move(item); }
  void SetCaption(std::size_t index, std::string caption) override { items_[index].Caption = std::move(caption); }
  void Erase(std::size_t index) override;
  void Clear() override { items_ = {}; }
  void Permute(const std::vector<std::size_t>& order) override { PermuteInPlace(items_, order); }

 private:
  std::vector<TListItem> items_;
};
