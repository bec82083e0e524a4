// The stand-alone tree's folder commands: rename, create, delete, tree size, cut, copy
// and paste, network drives and properties.
#include <set>
#include <utility>

#include "filebrowser/tree/DirTree21.h"
#include "filebrowser/folders/DirTreeRules.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/folders/FolderNodes.h"
#include "filebrowser/tree/TreeSizeReport.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/FileOps.h"
#include "filebrowser/shell/MessageBoxes.h"
#include "filebrowser/shell/NetworkDrive.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/Properties.h"
#include "filebrowser/shell/TakenPath.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Locale.h"
#include "toolkit/Utf.h"

namespace {
// The tree's text of a message: the loaded one, or the English one when the tree's
// language loads none (the two Chinese languages), so no box is ever empty.
std::string Msg(TStringKey key) {
  const std::string& loaded = SharedMessage(key);
  return loaded.empty() ? std::string(LanguageText(key, lnEnglish)) : loaded;
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Beep() { MessageBeep(MB_ICONHAND); }

int Ask(HWND asker, const std::string& text) {
  return Application ? Application->Modal().ShowMessageBox(asker, text, "Confirm", MB_YESNO | MB_ICONQUESTION)
                     : IDNO;
}

void Inform(HWND asker, const std::string& text) {
  if (Application) Application->Modal().ShowMessageBox(asker, text, "Information", MB_OK | MB_ICONINFORMATION);
}

// A folder's identity on its volume, so a folder reached twice counts once.
using TFolderId = std::pair<DWORD, std::uint64_t>;

bool FolderIdOf(const std::string& path, TFolderId& id) {
  UniqueFile folder(CreateFileW(Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!folder) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(folder.get(), &info)) return false;
  id = {info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
  return true;
}

// Bytes of the files below `path` (with trailing "\"). Links and junctions are not
// followed and each folder counts once: a link to an ancestor would never end, a link
// elsewhere would count another tree.
std::uint64_t FolderSize(const std::string& path, std::set<TFolderId>& seen) {
  TFolderId id;
  if (FolderIdOf(path, id) && !seen.insert(id).second) return 0;
  std::uint64_t total = 0;
  WIN32_FIND_DATAW found;
  UniqueFind search(FindFirstFileW(Widen(path + "*.*").c_str(), &found));
  if (!search) return 0;
  do {
    const std::string name = Narrow(found.cFileName);
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
      total += FolderSize(path + name + "\\", seen);
    } else {
      total += (std::uint64_t{found.nFileSizeHigh} << 32) + found.nFileSizeLow;
    }
  } while (FindNextFileW(search.get(), &found));
  return total;
}
}  // namespace

// The linked list makes the folder it shows the current directory, which the platform
// then keeps from being renamed or removed: the current directory moves to the
// folder's parent first when it lies in the folder.
void TDqDirTree21::LeaveFolder(const std::string& folder) {
  wchar_t current[MAX_PATH + 1] = {};
  if (!GetCurrentDirectoryW(MAX_PATH, current)) return;
  const std::string inside = WithTrailingBackslash(Narrow(current));
  const std::string left = WithTrailingBackslash(folder);
  if (inside.size() < left.size() || !SameTextNoCase(inside.substr(0, left.size()), left)) return;
  SetCurrentDirectoryW(Widen(ExtractFilePath(StripTrailingBackslash(left))).c_str());
}

// ---- rename ------------------------------------------------------------------------------

bool TDqDirTree21::EditSelectedCaption() {
  const TTreeNode node = Selected();
  if (!node) return false;
  if (CanFocus()) SetFocus();
  return SendMessageW(Handle(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(node.ItemId())) != 0;
}

void TDqDirTree21::CaptionEdited(TTreeNode node, const std::string& text) {
  // The question is skipped for the one edit that followed the folder's creation.
  const bool justCreated = JustCreated;
  JustCreated = false;
  if (!node || node.Level() < 2) return;
  if (text.empty() || HasForbiddenFolderChar(text)) {
    Beep();
    if (!text.empty()) ErrorBox(Handle(), text + "\r\n" + Msg(TStringKey::MsgInvalidDirName));
    return;
  }
  // Taken before the question: the tree may be rebuilt while it is open.
  const TTakenPath old = TakePath(StripTrailingBackslash(GetPathOf(node)));
  const std::string& oldPath = old.Path;
  const std::string newPath = ExtractFilePath(oldPath) + text;
  THourglass hourglass;
  bool renamed = false;
  {
    TTreeViewUpdate update(*this);
    const bool confirmed = justCreated ||
                           Ask(Handle(), Msg(TStringKey::MsgRenameFolderQuery) + "\r\n\r\n    " +
                                             Msg(TStringKey::MsgFrom) + ExtractFileName(oldPath) + "\r\n    " +
                                             Msg(TStringKey::MsgTo) + text) == IDYES;
    // A folder that went or was replaced while the question was open is not renamed.
    if (confirmed && StillNamesTakenFile(old)) {
      LeaveFolder(oldPath);
      if (RunFileOperation(Handle(), FileOpCodes[3], oldPath, newPath)) {
        renamed = true;
        Rebuild();
      }
    }
  }
  if (!renamed) return;
  ShowPath(newPath);
  ListIn(WithTrailingBackslash(newPath), false);
}

// ---- create and delete ---------------------------------------------------------------------

bool TDqDirTree21::CreateSubFolder(TTreeNode node, const std::string& name) {
  if (!node) node = Selected();
  if (!node) return false;
  if (node.Level() == 0) {
    ErrorBox(Handle(), Msg(TStringKey::MsgErrorPrefix) + Msg(TStringKey::MsgCantAddDrives));
    return false;
  }
  const bool defaultName = name.empty();
  const std::string folderName = defaultName ? Msg(TStringKey::MsgNewFolder) : name;
  if (HasForbiddenFolderChar(folderName)) {
    Beep();
    ErrorBox(Handle(), Msg(TStringKey::MsgInvalidFolderChars));
    return false;
  }
  const std::string path = WithTrailingBackslash(GetPathOf(node)) + folderName + "\\";
  bool created = false;
  {
    TTreeViewUpdate update(*this);
    created = CreateDirectoryW(Widen(path).c_str(), nullptr) != FALSE;
    if (created) Rebuild();
  }
  if (!created) return false;
  ShowPath(path);
  // The edit of the new folder's name asks nothing; its end, whatever it is, ends that.
  if (folderName == "New Folder") JustCreated = EditSelectedCaption() && defaultName;
  return true;
}

bool TDqDirTree21::DeleteFolder(TTreeNode node) {
  if (!node) node = Selected();
  if (!node || node.Level() < 2) return false;
  THourglass hourglass;
  // The node's folder, taken before the shell's question: its notifications may rebuild
  // the tree while the question is open, so the nodes are found again by path after.
  const std::string path = WithTrailingBackslash(GetPathOf(node));
  if (path.empty()) return false;
  if (!FolderExists(path)) {
    Beep();
    ErrorBox(Handle(), path + Msg(TStringKey::MsgNotFound));
    return false;
  }
  const std::string folder = StripTrailingBackslash(path);
  const std::string parentPath = ExtractFilePath(folder);
  LeaveFolder(path);
  if (!RunFileOperation(Handle(), FileOpCodes[1], folder, "")) return false;
  if (const TTreeNode parent = FindPathNode(*this, parentPath)) {
    SetSelected(parent);
    if (TTreeNode gone = FindPathNode(*this, path)) gone.Delete();
    selectedPath_ = NodePathOf(parent);
  } else {
    ShowPath(parentPath);  // rebuilt meanwhile: the parent is listed again
  }
  ListIn(selectedPath_, false);
  return true;
}

// ---- tree size -----------------------------------------------------------------------------

void TDqDirTree21::ShowTreeSize() {
  const TTreeNode node = Selected();
  if (!node || node.Level() == 0) return;
  std::string report;
  {
    THourglass hourglass;
    TTreeViewUpdate update(*this);
    const std::string path = WithTrailingBackslash(GetPathOf(node));
    std::set<TFolderId> seen;
    const std::uint64_t total = FolderSize(path, seen);
    const std::string header = node.Level() == 1 ? Msg(TStringKey::MsgDrive) + path
                                                 : Msg(TStringKey::MsgFolderQuote) + node.Text() + "\"";
    TTreeSizeTexts texts;
    texts.TreeSize = Msg(TStringKey::MsgTreeSize);
    texts.AndAllSubFolders = Msg(TStringKey::MsgAndAllSubFolders);
    texts.ThousandSep = FormatSettings.ThousandSeparator;
    texts.DecimalSep = FormatSettings.DecimalSeparator;
    report = TreeSizeReport(header, total, texts);
  }
  Inform(Handle(), report);
}

// ---- cut, copy and paste -----------------------------------------------------------------------

void TDqDirTree21::MarkForPaste(int op) {
  PendingPasteOp = -1;
  PasteReady = false;
  // Only a folder is marked: a drive is no folder to move, and "X:" without its
  // backslash would name that drive's current folder.
  const TTreeNode node = Selected();
  if (!node || node.Level() < 2) return;
  const std::string folder = StripTrailingBackslash(GetPathOf(node));
  if (folder.empty()) return;
  SourcePath = folder;
  pasteSource_ = TakePath(folder);
  PendingPasteOp = op;
  PasteReady = true;
}

void TDqDirTree21::PasteFolder() {
  const TTreeNode node = Selected();
  const std::string target = node ? WithTrailingBackslash(GetPathOf(node)) : std::string();
  if (!target.empty() && !SourcePath.empty() && (PendingPasteOp == 0 || PendingPasteOp == 2)) {
    // Taken before the shell's dialogs.
    const std::string source = SourcePath;
    const int op = PendingPasteOp;
    TargetPath = target;
    if (!FolderExists(source) || !StillNamesTakenFile(pasteSource_)) {
      // Gone, or another folder now carries its name: nothing else goes in its place.
      Beep();
      ErrorBox(Handle(), WithTrailingBackslash(source) + Msg(TStringKey::MsgNotFound));
    } else {
      if (op == 2) LeaveFolder(source);
      if (RunFileOperation(Handle(), FileOpCodes[op], source, target)) {
        Rebuild();
        ShowPath(target);
        // The list shows where the folder went, read afresh: no shell notice need follow.
        ListIn(target, true);
      } else {
        ErrorBox(Handle(), Msg(TStringKey::MsgFileOpFailed));
      }
    }
  }
  PasteReady = false;
}

// ---- network drives and properties -----------------------------------------------------------

void TDqDirTree21::MapNetworkDrive() {
  const DWORD drives = GetLogicalDrives();
  int highest = -1;
  for (int i = 0; i < 26; ++i)
    if (drives & (1u << i)) highest = i;
  std::string drive = highest < 25 ? std::string(1, static_cast<char>('A' + highest + 1)) + ":" : "Z:";
  std::string share;
  bool reconnect = true;
  if (!MapNetworkDriveDialog(drive, share, reconnect)) return;
  if (ConnectNetworkDrive(drive, share, true, reconnect) != 0) return;
  Rebuild();
  TTreeNode root = GetFirstNode();
  if (!root) return;
  root.Expand(false);
  TTreeNode last;
  for (TTreeNode child = root.getFirstChild(); child; child = child.getNextSibling()) last = child;
  if (!last) return;
  SetSelected(last);
  selectedPath_ = GetPathOf(last);
  ListIn(selectedPath_, false);
}

void TDqDirTree21::DisconnectNetworkDrive() {
  if (!Application) return;
  if (Application->Modal().DisconnectDialog(Handle(), RESOURCETYPE_DISK) != 0) return;
  Rebuild();
  TTreeNode root = GetFirstNode();
  if (!root) return;
  root.Expand(false);
  SetSelected(root);
  selectedPath_ = kDrivesToken;
  ListIn(selectedPath_, true);
}

void TDqDirTree21::ShowProperties() {
  const std::string path = GetPathOf(Selected());
  if (!path.empty()) ShowFileProperties(Handle(), path);
}
