// Working the file list with the mouse and the keys: clicks, double clicks, going up,
// entering folders and drives, the key table, and keeping linked folder views in step.
#include "filebrowser/folders/DirTreeLink.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/shell/DiskSpace.h"
#include "filebrowser/shell/FileOps.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/ShellRun.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
// A drag starts once the mouse has moved the usual threshold plus this much.
constexpr int kDragThreshold = 5 + 10;

// "C:\" and the like: the second-to-last character is the drive's colon.
bool IsDriveRoot(const std::string& folder) { return folder.size() >= 2 && folder[folder.size() - 2] == ':'; }
}  // namespace

// ---- mouse --------------------------------------------------------------------------

void TDqFilelistView28::Click() {
  const int index = Selected();
  if (index < 0) return;
  SetSelectedItem(EntryPath(index));
  if (OnItemChange) OnItemChange(this, selectedItem_);
  TListView::Click();
}

void TDqFilelistView28::DblClick() {
  const int index = Selected();
  if (index < 0 || ItemCaption(index).empty()) return;
  if (dblClickToOpen_) OpenSelected();
  else if (ItemCaption(index) == parentDirCaption_) GoToParent();
  else TListView::DblClick();
}

void TDqFilelistView28::MouseDown(TMouseButton button, WPARAM wParam, LPARAM, bool) {
  // Only the left button counts, and the list raises no mouse-down event of its own.
  if (button != TMouseButton::mbLeft) return;
  DragDropOp = (wParam & MK_CONTROL) ? 0 : 2;
  if (Selected() >= 0 && dirTree_ && dirTree_->DragDropEnabled()) dirTree_->BeginDragFrom(*this, kDragThreshold);
}

// ---- moving between folders -------------------------------------------------------------

void TDqFilelistView28::GoToParent() {
  if (IsDrivesView()) return;
  const std::string left = WithTrailingBackslash(directory_);
  if (IsDriveRoot(left)) {
    SetDirectory(kDrivesFolder);
    ShowDirectoryInLinkedViews();
    return;
  }
  const std::string parent = ExtractFilePath(StripTrailingBackslash(left));
  // A parent that has gone is ignored by SetDirectory: the list stays where it is.
  SetDirectory(parent);
  ShowDirectoryInLinkedViews();
  for (int i = 0; i < Count(); ++i) {
    if (WithTrailingBackslash(EntryPath(i)) != left) continue;
    SetSelected(i, true);
    SetItemFocused(i);
    ListView_EnsureVisible(Handle(), i, FALSE);
    Click();
    return;
  }
}

void TDqFilelistView28::OpenSelected() {
  const int index = Selected();
  if (index < 0) return;
  THourglass hourglass;
  if (ItemCaption(index) == parentDirCaption_) {
    GoToParent();
    return;
  }
  // Copies: entering a folder replaces the entries.
  const std::string kind = EntryKind(index);
  const std::string path = EntryPath(index);
  if (kind == "dir" || kind == "drv") {
    const std::string folder = WithTrailingBackslash(path);
    if (folder.empty()) return;
    if (GetDriveTypeW(Widen(folder).c_str()) == DRIVE_REMOVABLE && !CheckDriveReady(Handle(), folder[0], 1)) return;
    SetDirectory(folder);
    ShowDirectoryInLinkedViews();
  } else if (kind == "file") {
    ShellExecuteWithMessage("Open", ExtractFileName(path), "", ExtractFilePath(path), SW_SHOW);
  }
}

// ---- keys -----------------------------------------------------------------------------------

void TDqFilelistView28::KeyDown(WORD& key, TShiftState shift) {
  if (RunKey(key, shift)) TListView::KeyDown(key, shift);
}

void TDqFilelistView28::KeyUp(WORD& key, TShiftState shift) {
  TListView::KeyUp(key, shift);
  // Walking with the arrows shows each entry as a click would; paging and type-ahead do not.
  if (key == VK_UP || key == VK_DOWN) Click();
}

bool TDqFilelistView28::RunKey(WORD key, TShiftState shift) {
  // The modifiers must match exactly: Ctrl alone, none, or Shift alone.
  const bool ctrlOnly = shift.Ctrl && !shift.Shift && !shift.Alt;
  const bool plain = !shift.Ctrl && !shift.Shift && !shift.Alt;
  const bool shiftOnly = shift.Shift && !shift.Ctrl && !shift.Alt;
  const bool selected = SelCount() > 0;
  if (ctrlOnly) {
    switch (key) {
      case 'A':
        if (Count() > 0) SelectAllEntries();
        break;
      case 'C':
        if (selected) CollectSelection(0);
        break;
      case 'X':
        if (selected) CollectSelection(2);
        break;
      case 'V':
        if (!pendingFiles_.empty() || IsClipboardFormatAvailable(CF_HDROP)) PasteFiles();
        break;
      case 'O':
        if (selected) OpenSelected();
        break;
      case 'F':
        if (selected) ViewSelected();
        break;
      case 'N':
        if (!IsDrivesView()) NewFolder();
        break;
      default:
        break;
    }
    return true;
  }
  if (plain) {
    // A caption being edited takes its keys itself.
    if (IsEditing()) return true;
    switch (key) {
      case VK_BACK:
        GoToParent();
        break;
      case VK_RETURN:
        if (selected) OpenSelected();
        break;
      case VK_ESCAPE:
        if (!dirTreeCombo_) return false;
        ComboCloseTree();
        break;
      case VK_DELETE:
        if (selected) DeleteSelected();
        break;
      case VK_F2:
        if (selected) BeginRename();
        break;
      case VK_F3:
        FindInDirectory();
        break;
      case VK_F4:
        if (!dirTreeCombo_) return false;
        ComboDropDown();
        break;
      case VK_F5:
        RefreshLinked();
        break;
      default:
        break;
    }
    return true;
  }
  if (shiftOnly && key == VK_DELETE) return selected && DeleteSelectedPermanently();
  return true;
}

void TDqFilelistView28::SelectAllEntries() {
  for (int i = 0; i < Count(); ++i) SetSelected(i, true);
}

void TDqFilelistView28::RefreshLinked() {
  UpdateFileList();
  ComboRefresh();
  if (dirTree_) {
    const std::string path = dirTree_->SelectedPath();
    dirTree_->RebuildTree();
    dirTree_->SelectPath(path);
  }
}
