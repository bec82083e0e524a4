// The file commands: view, find, new folder, rename in place, delete, cut, copy and
// paste, and the property sheet. Open is with the navigation, Send To in its own file.
#include <windows.h>

#include "filebrowser/folders/DirTreeLink.h"
#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/filelist/FileListClipboard.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/filelist/ViewTable.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/FileOps.h"
#include "filebrowser/shell/MessageBoxes.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/Properties.h"
#include "filebrowser/shell/ReportIfExists.h"
#include "filebrowser/shell/ShellRun.h"
#include "filebrowser/shell/SpecialFolders.h"
#include "filebrowser/shell/TakenPath.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
// Empty beyond the item's last sub-item.
std::string SubItem(const TListItem& item, int index) {
  return std::string(item.SubItems[static_cast<std::size_t>(index)]);
}

bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SameNoCase(const std::string& a, const std::string& b) {
  const std::wstring wa = Widen(a), wb = Widen(b);
  return CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(), static_cast<int>(wb.size()),
                              TRUE) == CSTR_EQUAL;
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// True when the folder holds the path's name in exactly this case.
bool NameMatchesExactly(const std::string& path) {
  WIN32_FIND_DATAW found{};
  const UniqueFind search(FindFirstFileW(Widen(path).c_str(), &found));
  return search && Narrow(found.cFileName) == ExtractFileName(path);
}

// Only the case of the name changes: the entry that "exists" is the one being renamed,
// and no other entry can be overwritten. Some file systems take such a rename for a
// rename onto itself, so it goes through a free temporary name; the old name comes back
// when the second step fails.
void RenameCaseOnly(const std::string& from, const std::string& to) {
  const std::wstring source = Widen(from), target = Widen(to);
  if (MoveFileW(source.c_str(), target.c_str()) && NameMatchesExactly(to)) return;
  std::wstring step;
  for (int n = 0; n < 1000; ++n) {
    step = source + L".~" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(n);
    if (GetFileAttributesW(step.c_str()) == INVALID_FILE_ATTRIBUTES) break;
  }
  if (!MoveFileW(source.c_str(), step.c_str())) return;
  if (!MoveFileW(step.c_str(), target.c_str())) MoveFileW(step.c_str(), source.c_str());
}

// A new name that would put the entry elsewhere or that the file system cannot hold.
bool IsBadName(const std::string& name) {
  return name.find_first_not_of(' ') == std::string::npos || ContainsAnyChar(name, "\\/:*?\"<>|");
}
}  // namespace

// ---- common steps --------------------------------------------------------------------------

bool TDqFilelistView28::EnterFolder() const {
  return !IsDrivesView() && SetCurrentDirectoryW(Widen(directory_).c_str()) != FALSE;
}

void TDqFilelistView28::TellFolderViews(const std::string& folder) {
  if (dirTreeCombo_) {
    ComboResetTree();
    ComboShowPath(folder);
  } else if (dirTree_) {
    dirTree_->RebuildTree();
    dirTree_->SelectPath(folder);
  }
}

std::vector<std::string> TDqFilelistView28::SelectedPaths(bool keepParent) {
  std::vector<std::string> paths;
  for (int i = 0; i < Count(); ++i) {
    if (!keepParent && ItemCaption(i) == parentDirCaption_) SetSelected(i, false);
    if (IsSelected(i)) paths.push_back(AppendListTerminator(EntryPath(i)));
  }
  return paths;
}

// ---- view and find ---------------------------------------------------------------------------

void TDqFilelistView28::ViewSelected() {
  const int index = Selected();
  if (index < 0) return;
  const std::string path = EntryPath(index);
  const char* program = ViewProgramFor(UpperExt(path));
  if (!program) return;
  std::string name = ExtractFileName(path);
  // The viewer would take a name with blanks for several arguments.
  if (name.find(' ') != std::string::npos) name = "\"" + name + "\"";
  ShellExecuteWithMessage("Open", GetSpecialFolder(sfWindows) + program, name,
                          WithTrailingBackslash(ExtractFilePath(path)), SW_SHOW);
}

void TDqFilelistView28::FindInDirectory() {
  if (!Focused()) return;
  ShellExecuteWithMessage("Find", directory_, "", "", SW_SHOWNORMAL);
}

// ---- new folder and rename -------------------------------------------------------------------

void TDqFilelistView28::NewFolder() {
  // "Drives" is no folder: a name under it would land in the current directory.
  if (IsDrivesView()) return;
  std::string base;
  CombinePath(directory_, SharedMessage(TStringKey::MsgNewFolder), base);
  // A file of that name blocks the folder as much as a folder does.
  std::string folder = base;
  for (int n = 2; Exists(folder); ++n) folder = base + "(" + std::to_string(n) + ")";
  const bool made = CreateDirectoryW(Widen(folder).c_str(), nullptr) != FALSE;
  const DWORD error = made ? 0 : GetLastError();
  UpdateFileList();
  ClearSelection();
  int found = -1;
  for (int i = 0; i < Count(); ++i)
    if (EntryPath(i) == folder) found = i;
  if (made && found >= 0) {
    SetSelected(found, true);
    SetItemFocused(found);
    ListView_EnsureVisible(Handle(), found, FALSE);
    if (CanEditCaption(found)) EditCaption(found);
  } else if (!made) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const std::string reason = text ? Narrow(text) : std::to_string(error);
    if (text) LocalFree(text);
    ErrorBox(Handle(), "\"" + ExtractFileName(folder) + "\"\r" + reason);
    return;
  }
  TellFolderViews(folder);
}

void TDqFilelistView28::BeginRename() {
  const int index = Selected();
  if (index < 0) return;
  if (ReadOnly() || Upper(ItemText(index, kSubAttr + 1)) == "R") {
    WarningBox(Handle(), SharedMessage(TStringKey::MsgReadOnly));
    return;
  }
  if (CanEditCaption(index)) EditCaption(index);
}

bool TDqFilelistView28::CanEditCaption(int index) {
  if (ReadOnly() || index < 0 || index >= Count()) return false;
  const TListItem& item = Item(index);
  // Renaming ".." or a drive root would name some other folder.
  if (item.Caption == parentDirCaption_ || SubItem(item, kSubKind) == "drv") return false;
  renameSourcePath_ = SubItem(item, kSubPath);
  return TListView::CanEditCaption(index);
}

void TDqFilelistView28::CaptionEdited(int index) {
  THourglass hourglass;
  TListViewUpdate update(*this);
  if (index < 0 || index >= Count() || renameSourcePath_.empty()) return;
  const std::string folder = ExtractFilePath(renameSourcePath_);
  const std::string kind = EntryKind(index);
  std::string caption = ItemCaption(index);
  if (hideFileExt_) {
    // The caption shows the name without its extension; the extension stays.
    const std::string old = ExtractFileName(renameSourcePath_);
    caption += old.substr(CaptionFor(old, true).size());
  }
  const std::string target = folder + caption;
  if (target == renameSourcePath_) return;
  if (IsBadName(caption)) {
    MessageBeep(MB_ICONWARNING);
  } else if (SameNoCase(target, renameSourcePath_)) {
    RenameCaseOnly(renameSourcePath_, target);
  } else if (!ReportIfExists(Handle(), target)) {
    RunFileOperation(Handle(), FileOpCodes[3], renameSourcePath_, target);
  }
  UpdateFileList();
  if (Upper(kind) != "DIR") return;
  if (dirTree_) {
    dirTree_->RebuildTree();
    dirTree_->SelectPath(folder);
  } else if (dirTreeCombo_) {
    ComboResetTree();
    ComboShowPath(folder);
  }
}

// ---- delete ------------------------------------------------------------------------------------

void TDqFilelistView28::DeleteSelected() {
  THourglass hourglass;
  if (!EnterFolder()) return;
  pendingFiles_.clear();
  std::string source;
  for (const std::string& path : SelectedPaths(false)) source += path;
  if (!source.empty()) RunFileOperation(Handle(), FileOpCodes[1], source, "");
  UpdateFileList();
  pendingFiles_.clear();
  TellFolderViews(directory_);
}

bool TDqFilelistView28::DeleteSelectedPermanently() {
  if (Selected() < 0) return true;
  // Taken before the first question: while one is open the list may be re-read or show
  // another folder, and only the file a question named may go.
  struct TAsked {
    TTakenPath File;
    std::string Caption;
    bool Folder;
  };
  std::vector<TAsked> entries;
  for (int i = NextSelected(-1); i >= 0; i = NextSelected(i)) {
    const TListItem& item = Item(i);
    const std::string kind = SubItem(item, kSubKind);
    entries.push_back({TakePath(SubItem(item, kSubPath)), item.Caption, kind == "dir" || kind == "drv"});
  }
  bool stopped = false;
  for (const TAsked& entry : entries) {
    // Folders and drives are never deleted this way: the command stops there.
    if (entry.Folder) {
      stopped = true;
      break;
    }
    const std::string text = "Are you sure you want to permanently delete file\r  \"" + entry.Caption + "\"?";
    if (!Application ||
        Application->Modal().ShowMessageBox(Handle(), text, "Confirm", MB_YESNO | MB_ICONQUESTION) != IDYES)
      continue;
    // Gone or replaced while the question was open: nothing else is deleted in its place.
    if (StillNamesTakenFile(entry.File)) DeleteFileW(Widen(entry.File.Path).c_str());
  }
  UpdateFileList();
  return !stopped;
}

// ---- cut, copy and paste -------------------------------------------------------------------

void TDqFilelistView28::CollectSelection(int mode) {
  pendingPasteOp_ = -1;
  pendingFiles_.clear();
  clipboardList_.clear();
  for (std::string& path : SelectedPaths(false)) {
    clipboardList_ += path;
    pendingFiles_.push_back(std::move(path));
  }
  pendingPasteOp_ = mode;
  if (!clipboardList_.empty()) PutFilesOnClipboard(Handle(), pendingFiles_, mode == 2);
}

void TDqFilelistView28::ReadClipboardFiles() {
  if (!IsClipboardFormatAvailable(CF_HDROP)) return;
  const TClipboardFiles files = ReadFilesFromClipboard(Handle());
  pendingFiles_.clear();
  for (const std::string& name : files.Names) pendingFiles_.push_back(AppendListTerminator(name));
  // Another program's files are moved only when it asks for a move.
  pendingPasteOp_ = files.Move ? 2 : 0;
}

void TDqFilelistView28::PasteFiles() {
  THourglass hourglass;
  if (!EnterFolder()) return;
  if (pendingFiles_.empty()) {
    if (!IsClipboardFormatAvailable(CF_HDROP)) return;
    ReadClipboardFiles();
  }
  if (pendingFiles_.empty()) {
    WarningBox(Handle(), SharedMessage(TStringKey::MsgNoFileSelected));
    return;
  }
  // Taken before the shell's first dialog: the folder, the operation and the files.
  const std::string folder = directory_;
  const UINT code = FileOpCodes[pendingPasteOp_ == 2 ? 2 : 0];
  std::vector<TTakenPath> sources;
  for (const std::string& listed : pendingFiles_) sources.push_back(TakePath(listed));
  pendingFiles_.clear();
  for (const TTakenPath& source : sources) {
    std::string target;
    CombinePath(folder, ExtractFileName(source.Path), target);
    // A file pasted onto itself: nothing to copy or move.
    if (target.empty() || SameNoCase(target, source.Path)) continue;
    // Gone or replaced during an earlier file's dialogs: left alone.
    if (!StillNamesTakenFile(source)) continue;
    RunFileOperation(Handle(), code, AppendListTerminator(source.Path), AppendListTerminator(target));
  }
  UpdateFileList();
  TellFolderViews(directory_);
}

void TDqFilelistView28::DropFiles(const std::vector<std::string>& names) {
  droppedFiles_ = names;
  if (names.empty()) return;
  pendingFiles_.clear();
  for (const std::string& name : names) pendingFiles_.push_back(AppendListTerminator(name));
  pendingPasteOp_ = 0;
  PasteFiles();
}

// ---- properties --------------------------------------------------------------------------------

void TDqFilelistView28::ShowSelectedProperties() {
  const int index = Selected();
  if (index < 0) return;
  const std::string& path = EntryPath(index);
  if (!path.empty()) ShowFileProperties(Handle(), path);
}
