#include "filebrowser/filelist/FileEntries.h"

#include <array>

#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/shell/FileTimeText.h"
#include "toolkit/AsciiText.h"
#include "toolkit/Locale.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/Utf.h"

namespace {
// Upper case by the locale's rules, which for plain ASCII are those of a to z.
std::string UpperCaseText(std::string_view text) {
  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return UpperAscii(text);
  std::wstring wide = Widen(text);
  if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return Narrow(wide);
}

FILETIME ToFileTime(std::uint64_t ticks) {
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// The attribute letters of every combination of the four attributes shown.
const std::array<std::string, 16>& AttributeTexts() {
  static const std::array<std::string, 16> texts = [] {
    std::array<std::string, 16> out;
    constexpr std::uint32_t bits[] = {kAttrArchive, kAttrReadOnly, kAttrHidden, kAttrSystem};
    for (std::uint32_t k = 0; k < 16; ++k) {
      std::uint32_t attrs = 0;
      for (std::uint32_t b = 0; b < 4; ++b)
        if (k & (1u << b)) attrs |= bits[b];
      out[k] = AttributeLetters(attrs);
    }
    return out;
  }();
  return texts;
}

std::string_view AttributeText(std::uint32_t attrs) {
  const std::uint32_t k = ((attrs & kAttrArchive) ? 1u : 0u) | ((attrs & kAttrReadOnly) ? 2u : 0u) |
                          ((attrs & kAttrHidden) ? 4u : 0u) | ((attrs & kAttrSystem) ? 8u : 0u);
  return AttributeTexts()[k];
}
}  // namespace

std::string DateKeyText(std::uint64_t ticks, char decimalSeparator) {
  return FormatGeneralFloat(static_cast<double>(ticks), decimalSeparator);
}

TSortEntry SortEntryOfItem(const TListItem& item, int column, char decimalSeparator) {
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
  return MakeSortEntry(texts, decimalSeparator);
}

void TFileEntries::Begin(TEntryTextRules rules) {
  Clear();
  rules_ = std::move(rules);
}

std::uint32_t TFileEntries::TypeIndex(std::string_view typeName) {
  // Most entries have the type of the entry before them.
  if (!types_.empty() && types_.back() == typeName) return static_cast<std::uint32_t>(types_.size() - 1);
  if (const auto found = typeIndex_.find(typeName); found != typeIndex_.end()) return found->second;
  const auto index = static_cast<std::uint32_t>(types_.size());
  types_.emplace_back(typeName);
  typeIndex_.emplace(types_.back(), index);
  return index;
}

void TFileEntries::AddFound(std::wstring_view name, DWORD attributes, std::int64_t size, const FILETIME& lastWrite,
                            int imageIndex, std::string_view typeName, bool parent) {
  TEntry e;
  e.Size = size;
  e.LastWrite = (static_cast<std::uint64_t>(lastWrite.dwHighDateTime) << 32) | lastWrite.dwLowDateTime;
  e.NameAt = static_cast<std::uint32_t>(names_.size());
  AppendNarrow(name, names_);
  e.NameLength = static_cast<std::uint16_t>(names_.size() - e.NameAt);
  e.Attributes = attributes;
  e.ImageIndex = imageIndex;
  e.Type = parent ? 0 : TypeIndex(typeName);
  e.Parent = parent;
  entries_.push_back(e);
}

std::string_view TFileEntries::Caption(const TEntry& e) const {
  if (e.Parent) return rules_.ParentCaption;
  const std::string_view name = Name(e);
  return rules_.HideFileExt ? name.substr(0, name.rfind('.')) : name;
}

void TFileEntries::Text(std::size_t index, int column, std::string& out) const {
  const TEntry& e = entries_[index];
  if (e.Item != kNoItem) {
    const TListItem& item = items_[e.Item];
    if (column == 0) out.assign(item.Caption);
    else out.assign(column > 0 ? item.SubItems[static_cast<std::size_t>(column - 1)] : std::string_view());
    return;
  }
  const bool dir = (e.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const int sub = column - 1;
  if (column == 0) {
    out.assign(Caption(e));
  } else if (e.Parent && sub >= kSubSize && sub <= kSubAttr) {
    out.assign(" ");
  } else if (sub == kSubSize) {
    out = EntrySizeText(rules_.Unit, dir ? "dir" : "file", e.Size);
  } else if (sub == kSubType) {
    out.assign(types_[e.Type]);
  } else if (sub == kSubDate) {
    out = FileTimeToText(ToFileTime(e.LastWrite), rules_.DatePattern, rules_.TimePattern);
  } else if (sub == kSubAttr) {
    out.assign(AttributeText(e.Attributes));
  } else if (sub == kSubPath) {
    out.assign(rules_.Folder).append(Name(e));
  } else if (sub == kSubKind) {
    out.assign(dir ? "dir" : "file");
  } else if (sub == kSubDateKey) {
    out = DateKeyText(e.LastWrite, rules_.DecimalSeparator);
  } else {
    out.clear();
  }
}

int TFileEntries::ImageIndex(std::size_t index) const {
  const TEntry& e = entries_[index];
  return e.Item != kNoItem ? items_[e.Item].ImageIndex : e.ImageIndex;
}

TListItem TFileEntries::Item(std::size_t index) const {
  const TEntry& e = entries_[index];
  if (e.Item != kNoItem) return items_[e.Item];
  TListItem item;
  Text(index, 0, item.Caption);
  item.ImageIndex = e.ImageIndex;
  std::array<std::string, kFolderSubItems> texts;
  std::array<std::string_view, kFolderSubItems> views;
  for (int k = 0; k < kFolderSubItems; ++k) {
    Text(index, k + 1, texts[static_cast<std::size_t>(k)]);
    views[static_cast<std::size_t>(k)] = texts[static_cast<std::size_t>(k)];
  }
  item.SubItems.Assign(views.data(), views.size());
  return item;
}

void TFileEntries::Add(TListItem item) {
  TEntry e;
  e.Item = static_cast<std::uint32_t>(items_.size());
  items_.push_back(std::move(item));
  entries_.push_back(e);
}

void TFileEntries::Set(std::size_t index, TListItem item) {
  TEntry& e = entries_[index];
  if (e.Item == kNoItem) {
    e.Item = static_cast<std::uint32_t>(items_.size());
    items_.push_back(std::move(item));
  } else {
    items_[e.Item] = std::move(item);
  }
}

void TFileEntries::SetCaption(std::size_t index, std::string caption) {
  TListItem item = Item(index);
  item.Caption = std::move(caption);
  Set(index, std::move(item));
}

void TFileEntries::Erase(std::size_t index) {
  // An entry given whole leaves its item behind until the next listing.
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TFileEntries::Clear() {
  entries_ = {};
  names_ = {};
  types_.clear();
  typeIndex_.clear();
  items_ = {};
}

TSortEntry TFileEntries::SortEntry(std::size_t index, int column) const {
  const TEntry& e = entries_[index];
  if (e.Item != kNoItem) return SortEntryOfItem(items_[e.Item], column, FormatSettings.DecimalSeparator);
  const bool all = column < 0;
  const bool dir = (e.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  TSortEntry key;
  key.Caption = Caption(e);
  key.IsDir = dir;
  if (all || column == kColName) key.UpperName = UpperCaseText(key.Caption);
  // The numbers the size text reads as: a text of the other unit reads as 0, and so do
  // the blanks of folders and of the parent entry.
  if ((all || column == kColSize) && !dir && !e.Parent) {
    if (rules_.Unit == fsKB) key.SizeKB = e.Size > 0 && e.Size < 1024 ? 1 : e.Size / 1024;
    else key.SizeByte = e.Size;
  }
  if (all || column == kColModified) {
    // Through the key's text, which keeps 15 digits: times that close compare equal.
    double date = 0;
    if (ParseFloat(DateKeyText(e.LastWrite, rules_.DecimalSeparator), FormatSettings.DecimalSeparator, date))
      key.DateKey = date;
  }
  if (!e.Parent) {
    if (all || column == kColType) key.TypeKey = types_[e.Type];
    if (all || column == kColAttr) key.AttrKey = AttributeText(e.Attributes);
  } else {
    key.TypeKey = key.AttrKey = " ";
  }
  return key;
}

std::vector<std::size_t> TFileEntries::SortedOrder(const TSortState& state, TFileSize unit,
                                                   std::string_view parentCaption) const {
  const std::size_t n = entries_.size();
  const auto isParent = [&](std::size_t k) { return Caption(entries_[k]) == parentCaption; };
  const bool whole = !items_.empty();
  if (whole) {
    // Entries given whole are read from their texts.
    std::vector<TSortEntry> keys;
    keys.reserve(n);
    for (std::size_t i = 0; i < n; ++i) keys.push_back(SortEntry(i, state.Column));
    return ::SortedOrder(keys, state, unit, parentCaption);
  }
  std::vector<TSortKey> keys(n);
  std::string uppers;  // the upper-cased names that are not plain ASCII, one after the other
  std::vector<std::pair<std::size_t, std::size_t>> upperAt;  // entry, end in uppers
  for (std::size_t i = 0; i < n; ++i) {
    const TEntry& e = entries_[i];
    const bool dir = (e.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    TSortKey& key = keys[i];
    switch (state.Column) {
      case kColName: {
        key.Text = Caption(e);
        bool ascii = true;
        for (char c : key.Text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (!ascii) {
          uppers += UpperCaseText(key.Text);
          upperAt.emplace_back(i, uppers.size());
        }
        break;
      }
      case kColSize:
        // A size text of the other unit reads as 0, as do the blanks of folders.
        if (unit == rules_.Unit && !dir && !e.Parent)
          key.Number = static_cast<double>(unit == fsKB ? (e.Size > 0 && e.Size < 1024 ? 1 : e.Size / 1024) : e.Size);
        break;
      case kColType:
        key.Text = e.Parent ? std::string_view(" ") : std::string_view(types_[e.Type]);
        break;
      case kColModified:
        key.Number = SortEntry(i, kColModified).DateKey;
        break;
      case kColAttr:
        key.Text = e.Parent ? std::string_view(" ") : AttributeText(e.Attributes);
        break;
      default:
        break;
    }
  }
  // The views into `uppers` are taken once it has stopped growing.
  std::size_t start = 0;
  for (const auto& [i, end] : upperAt) {
    keys[i].Text = std::string_view(uppers).substr(start, end - start);
    start = end;
  }
  const auto compare = [&](std::size_t i, std::size_t j) {
    const TEntry& a = entries_[i];
    const TEntry& b = entries_[j];
    const bool parentTakesPart = isParent(i) || isParent(j);
    int column = 0;
    switch (state.Column) {
      case kColName:
      case kColType:
      case kColAttr:
        column = CompareFolded(keys[i].Text, keys[j].Text);
        break;
      case kColSize:
      case kColModified:
        column = (keys[i].Number > keys[j].Number) - (keys[i].Number < keys[j].Number);
        break;
      default:
        break;
    }
    return OrderEntries((a.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, (b.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                        parentTakesPart, state, column);
  };
  return SortedOrderBy(n, compare, isParent);
}
