#include "toolkit/ListItemSource.h"

void TListItemArray::Text(std::size_t index, int column, std::string& out) const {
  const TListItem& item = items_[index];
  if (column == 0) out.assign(item.Caption);
  else if (column > 0) out.assign(item.SubItems[static_cast<std::size_t>(column - 1)]);
  else out.clear();
}

void TListItemArray::Erase(std::size_t index) {
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}
