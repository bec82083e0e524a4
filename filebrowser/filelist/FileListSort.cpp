#include "filebrowser/filelist/FileListSort.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "toolkit/AsciiText.h"
#include "toolkit/NumberFormat.h"

namespace {

std::int64_t ReadInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return 0;
  return value;
}

// The text before the first "K" without its last character (the blank of " KB").
std::int64_t ReadKilobytes(std::string_view text) {
  const std::size_t k = text.find('K');
  if (k == std::string_view::npos || k == 0) return 0;
  return ReadInteger(text.substr(0, k - 1));
}

template <class T>
int Sign3(T a, T b) {
  if (a < b) return -1;
  if (b < a) return 1;
  return 0;
}

// Character codes in order; for UTF-8 the byte order is the code point order.
int CompareCodes(const std::string& a, const std::string& b) {
  const int r = a.compare(b);
  return (r > 0) - (r < 0);
}

}  // namespace

int CompareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t k = 0; k < n; ++k) {
    const auto ca = static_cast<unsigned char>(UpperAscii(a[k]));
    const auto cb = static_cast<unsigned char>(UpperAscii(b[k]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return Sign3(a.size(), b.size());
}

int OrderEntries(bool aIsDir, bool bIsDir, bool parentTakesPart, const TSortState& state, int column) {
  int result = column;
  if (aIsDir && !bIsDir) result = -1;
  else if (bIsDir && !aIsDir) result = 1;
  if (state.Descending && !parentTakesPart) result = -result;
  return result;
}

TSortEntry MakeSortEntry(const TSortTexts& texts, char decimalSeparator) {
  TSortEntry e;
  e.Caption = texts.Caption;
  e.UpperName = texts.UpperName;
  e.IsDir = texts.Kind == "dir";
  if (texts.SizeText != " ") {
    e.SizeKB = ReadKilobytes(texts.SizeText);
    e.SizeByte = ReadInteger(texts.SizeText);
  }
  double date = 0;
  // Not-a-number would compare neither less nor greater than anything and break the order.
  if (ParseFloat(texts.DateKey, decimalSeparator, date) && !std::isnan(date)) e.DateKey = date;
  e.TypeKey = texts.TypeText;
  e.AttrKey = texts.AttrText;
  return e;
}

int CompareEntries(const TSortEntry& a, const TSortEntry& b, const TSortState& state,
                   TFileSize unit, std::string_view parentCaption, bool sameEntry) {
  const bool parentTakesPart = a.Caption == parentCaption || b.Caption == parentCaption;
  int result = 0;
  if (a.IsDir == b.IsDir) {
    switch (state.Column) {
      case kColName:
        result = CompareCodes(a.UpperName, b.UpperName);
        break;
      case kColSize:
        result = unit == fsKB ? Sign3(a.SizeKB, b.SizeKB) : Sign3(a.SizeByte, b.SizeByte);
        break;
      case kColType:
        result = CompareFolded(a.TypeKey, b.TypeKey);
        break;
      case kColModified:
        result = sameEntry ? 0 : Sign3(a.DateKey, b.DateKey);
        break;
      case kColAttr:
        result = CompareFolded(a.AttrKey, b.AttrKey);
        break;
      default:
        break;
    }
  }
  return OrderEntries(a.IsDir, b.IsDir, parentTakesPart, state, result);
}

std::vector<std::size_t> SortedOrder(const std::vector<TSortEntry>& entries,
                                     const TSortState& state, TFileSize unit,
                                     std::string_view parentCaption) {
  return SortedOrderBy(
      entries.size(),
      [&](std::size_t i, std::size_t j) {
        return CompareEntries(entries[i], entries[j], state, unit, parentCaption, i == j);
      },
      [&](std::size_t k) { return entries[k].Caption == parentCaption; });
}

bool ApplyColumnClick(TSortState& state, int column) {
  if (!state.Sortable) return false;
  if (column == state.Column) {
    state.Descending = !state.Descending;
  } else {
    state.Column = column;
    state.Descending = true;
  }
  return true;
}

void ResetAfterListing(TSortState& state) {
  state.Column = kColName;
  state.Descending = false;
}
