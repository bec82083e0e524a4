#pragma once
// Ordering the file list's entries: the comparison behind the column sort and the
// sort state that header clicks and listings change.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "filebrowser/filelist/FileListTypes.h"

// Column indexes of the folder view.
inline constexpr int kColName = 0;
inline constexpr int kColSize = 1;
inline constexpr int kColType = 2;
inline constexpr int kColModified = 3;
inline constexpr int kColAttr = 4;

struct TSortState {
  int Column = kColName;
  bool Descending = true;
  bool Sortable = true;  // false in the drives view
};

// What a comparison reads of one entry, worked out once per entry (MakeSortEntry) so that
// sorting a large folder converts no text inside the comparison. The views are into the
// entry's own texts, not copies: the entry must outlive its key.
struct TSortEntry {
  std::string_view Caption;  // as shown; tells the parent entry by its caption
  std::string UpperName;     // the caption upper-cased by the locale's rules
  bool IsDir = false;        // kind (sub-item 5) is exactly "dir"
  std::int64_t SizeKB = 0;   // sub-item 0 read as a kilobyte text ("12 KB")
  std::int64_t SizeByte = 0; // sub-item 0 read as a byte count ("12345")
  double DateKey = 0;        // sub-item 6
  std::string_view TypeKey;  // sub-item 1, compared with a..z folded to upper case
  std::string_view AttrKey;  // sub-item 3 likewise
};

// The texts of one list entry as the listing wrote them.
struct TSortTexts {
  std::string_view Caption;
  std::string_view UpperName;  // the caller upper-cases: the rules belong to the platform's locale
  std::string_view SizeText;   // sub-item 0
  std::string_view TypeText;   // sub-item 1
  std::string_view AttrText;   // sub-item 3
  std::string_view Kind;       // sub-item 5
  std::string_view DateKey;    // sub-item 6
};

// Texts that hold no number read as 0: " " for folders, or a size text written under the
// other FileSize setting, which the comparison must survive.
TSortEntry MakeSortEntry(const TSortTexts& texts, char decimalSeparator);

// Negative when `a` goes first, 0 when equal, positive when `b` goes first:
//  1. the parent entry takes part when either caption equals `parentCaption` exactly;
//  2. a folder goes before a non-folder; otherwise the sort column decides (Name by the
//     upper-cased captions, Size by the number under `unit`, Type and Attr by the folded
//     texts, Modified by the date key; `sameEntry` makes Modified 0);
//  3. a descending sort negates the result unless the parent entry takes part.
int CompareEntries(const TSortEntry& a, const TSortEntry& b, const TSortState& state,
                   TFileSize unit, std::string_view parentCaption, bool sameEntry);
// Steps 2 and 3 of that rule, for a caller that compares the sort column itself
// (`column` < 0 when a goes first by it).
int OrderEntries(bool aIsDir, bool bIsDir, bool parentTakesPart, const TSortState& state, int column);
// Character codes in order with a..z read as A..Z: the comparison of the Type and Attr
// keys, and of names, whose upper-cased forms compare alike.
int CompareFolded(std::string_view a, std::string_view b);

// The order of `count` entries under a comparison `compare(i, j)` that follows
// CompareEntries (0 for an entry with itself), `isParent(i)` telling the parent entry:
// as SortedOrder below.
template <class Compare, class IsParent>
std::vector<std::size_t> SortedOrderBy(std::size_t count, Compare compare, IsParent isParent);

// The order of `entries` under CompareEntries, as indexes. The parent entry is exempt from
// the descending negation, so the comparison orders no list consistently once it takes
// part: the other entries are sorted (stably) among themselves, then each parent entry is
// put before the first entry that it does not follow. In a descending sort, where files
// come first, that is the top; in an ascending one it is the comparison's own order.
std::vector<std::size_t> SortedOrder(const std::vector<TSortEntry>& entries,
                                     const TSortState& state, TFileSize unit,
                                     std::string_view parentCaption);

template <class Compare, class IsParent>
std::vector<std::size_t> SortedOrderBy(std::size_t count, Compare compare, IsParent isParent) {
  std::vector<std::size_t> order;
  std::vector<std::size_t> parents;
  order.reserve(count);
  for (std::size_t k = 0; k < count; ++k) (isParent(k) ? parents : order).push_back(k);
  // Without the parent entry the comparison is a strict weak order (or its reverse).
  std::stable_sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) { return compare(i, j) < 0; });
  for (std::size_t p : parents) {
    const auto at = std::find_if(order.begin(), order.end(), [&](std::size_t k) { return compare(p, k) <= 0; });
    order.insert(at, p);
  }
  return order;
}

// A header click: false (nothing to sort) in the drives view; the sorted column flips
// its direction, another column becomes the sort column, descending.
bool ApplyColumnClick(TSortState& state, int column);
// Every folder listing ends sorted by Name, ascending.
void ResetAfterListing(TSortState& state);
