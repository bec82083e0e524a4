#pragma once
// Shared by the tree's node and view files: the one way both step from an item to a
// neighbour in the window.
#include "toolkit/TreeView.h"

inline HTREEITEM Next(const TCustomTreeView& tree, HTREEITEM item, UINT code) {
  return reinterpret_cast<HTREEITEM>(tree.ItemMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}
