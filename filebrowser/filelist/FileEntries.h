#pragma once
// The file list's entries, packed: per entry only what the search found (name, size,
// time, attributes), the icon index and an index into a table of type names; the
// folder, the type names and the settings the texts are made with are held once. The
// texts of the columns, the path and the kind are made when the list paints them or a
// command reads them, as the listing made them before.
#include <windows.h>

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "filebrowser/filelist/FileListSort.h"
#include "filebrowser/filelist/FileListTypes.h"
#include "toolkit/ListItemSource.h"

// The sub-items of an entry. 0 to 3 are shown in columns 1 to 4; the others are read by
// the commands.
inline constexpr int kSubSize = 0;      // drives: the drive type
inline constexpr int kSubType = 1;      // drives: total size
inline constexpr int kSubDate = 2;      // drives: free space
inline constexpr int kSubAttr = 3;
inline constexpr int kSubPath = 4;      // full path; a drive's root
inline constexpr int kSubKind = 5;      // "file", "dir" or "drv"
inline constexpr int kSubDateKey = 6;   // last-write time as a float text (folder view only)
inline constexpr int kFolderSubItems = 7;

// What an entry's texts are made with, fixed for one listing: a later change of a
// setting shows in the next listing, not in the entries already listed.
struct TEntryTextRules {
  std::string Folder;  // ends in "\"
  TFileSize Unit = fsKB;
  std::string DatePattern;
  std::string TimePattern;
  bool HideFileExt = false;
  std::string ParentCaption;
  char DecimalSeparator = '.';
};

// The date sort key's text: the file time's 100 ns ticks as a float.
std::string DateKeyText(std::uint64_t ticks, char decimalSeparator);
// The sort keys of an entry given whole, read from its texts: all of them (column -1)
// or only the column's.
TSortEntry SortEntryOfItem(const TListItem& item, int column, char decimalSeparator);

class TFileEntries final : public TListItemSource {
 public:
  // Forgets the entries and takes the rules of the next listing.
  void Begin(TEntryTextRules rules);
  // Room for that many more entries and name bytes, so that the arrays do not grow by
  // doubling (and briefly hold both sizes) while a large folder is added.
  void Reserve(std::size_t entries, std::size_t nameBytes) {
    entries_.reserve(entries_.size() + entries);
    names_.reserve(names_.size() + nameBytes);
  }
  // One entry as the search found it; `parent` for the ".." entry, which shows blanks.
  void AddFound(std::wstring_view name, DWORD attributes, std::int64_t size, const FILETIME& lastWrite,
                int imageIndex, std::string_view typeName, bool parent);
  // The sort keys of the entry: all of them (column -1) or only the column's.
  TSortEntry SortEntry(std::size_t index, int column) const;
  // The entries' order under the sort, as SortedOrder gives it for their sort entries,
  // with a small key per entry: only the sort column's.
  std::vector<std::size_t> SortedOrder(const TSortState& state, TFileSize unit, std::string_view parentCaption) const;
  const TEntryTextRules& Rules() const { return rules_; }

  std::size_t Count() const override { return entries_.size(); }
  void Text(std::size_t index, int column, std::string& out) const override;
  int ImageIndex(std::size_t index) const override;
  TListItem Item(std::size_t index) const override;
  void Add(TListItem item) override;
  void Set(std::size_t index, TListItem item) override;
  void SetCaption(std::size_t index, std::string caption) override;
  void Erase(std::size_t index) override;
  void Clear() override;
  void Permute(const std::vector<std::size_t>& order) override { PermuteInPlace(entries_, order); }

  // The bytes one packed entry takes in the array, and its sort key.
  static constexpr std::size_t EntryBytes() { return sizeof(TEntry); }
  static constexpr std::size_t SortKeyBytes() { return sizeof(TSortKey); }

 private:
  // The sort column's text (compared with a..z folded, which for names is the same as
  // comparing the upper-cased names) or number.
  struct TSortKey {
    std::string_view Text;
    double Number = 0;
  };
  static constexpr std::uint32_t kNoItem = ~std::uint32_t{0};
  struct TEntry {
    std::int64_t Size = 0;
    std::uint64_t LastWrite = 0;  // 100 ns ticks
    std::uint32_t NameAt = 0;     // in names_, UTF-8
    std::uint32_t Attributes = 0;
    std::int32_t ImageIndex = -1;
    std::uint32_t Type = 0;           // in types_
    std::uint32_t Item = kNoItem;     // in items_: an entry given whole (a drive, a changed entry)
    std::uint16_t NameLength = 0;
    bool Parent = false;
  };

  std::string_view Name(const TEntry& e) const { return std::string_view(names_).substr(e.NameAt, e.NameLength); }
  std::string_view Caption(const TEntry& e) const;
  std::uint32_t TypeIndex(std::string_view typeName);

  TEntryTextRules rules_;
  std::vector<TEntry> entries_;
  std::string names_;  // every entry's name, one after the other
  std::deque<std::string> types_;  // a deque: the index views into its strings
  std::unordered_map<std::string_view, std::uint32_t> typeIndex_;
  std::vector<TListItem> items_;
};
