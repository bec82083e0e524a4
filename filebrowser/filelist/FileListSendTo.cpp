// Sending the selection elsewhere: to a folder (asked for, or found in the user's Send
// To folder), to the clipboard as contents or as names, and to the desktop as a shortcut.
#include <windows.h>
#include <richedit.h>
#include <shlobj.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "filebrowser/filelist/FileListClipboard.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/folders/FolderNodes.h"
#include "filebrowser/filelist/SendToDialog.h"
#include "filebrowser/filelist/ViewTable.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/DiskSpace.h"
#include "filebrowser/shell/FileOps.h"
#include "filebrowser/shell/MessageBoxes.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/ShellRun.h"
#include "filebrowser/shell/SpecialFolders.h"
#include "filebrowser/shell/TakenPath.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
bool IsFolder(const std::string& path) {
  const DWORD attrs = GetFileAttributesW(Widen(path).c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string Quoted(const std::string& name) {
  return name.find(' ') != std::string::npos ? "\"" + name + "\"" : name;
}

HWND AppWindow() { return Application && Application->MainForm() ? Application->MainForm()->Handle() : nullptr; }

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr));
  if (!file) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return false;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    return false;
  bytes.resize(read);
  return true;
}

// The text a rich-text document shows, through a hidden rich-edit control.
std::wstring RichTextOf(const std::string& rtf) {
  // Loaded for this call only; the control goes before the library.
  struct TLibrary {
    HMODULE Module = LoadLibraryW(L"Msftedit.dll");
    TLibrary() = default;
    TLibrary(const TLibrary&) = delete;
    TLibrary& operator=(const TLibrary&) = delete;
    ~TLibrary() {
      if (Module) FreeLibrary(Module);
    }
  } library;
  if (!library.Module) return {};
  UniqueWindow edit(CreateWindowExW(0, MSFTEDIT_CLASS, L"", ES_MULTILINE, 0, 0, 0, 0, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr));
  if (!edit) return {};
  SETTEXTEX set{ST_DEFAULT, CP_ACP};
  SendMessageW(edit.get(), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(rtf.c_str()));
  // Counted as it is fetched below, each paragraph break as CR LF: a count of one
  // character per break would cut the text short by one character per paragraph.
  GETTEXTLENGTHEX lengthEx{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
  const LRESULT length = SendMessageW(edit.get(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthEx), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GETTEXTEX get{};
  get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = 1200;
  SendMessageW(edit.get(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::wcslen(text.c_str()));
  return text;
}

// Text files as text; rich text as its text plus its formatting; pictures as pictures.
void ContentsToClipboard(HWND owner, const std::string& path) {
  const std::string ext = UpperExt(path);
  if (ext == ".BMP" || ext == ".WMF") {
    HANDLE picture = nullptr;
    UINT format = CF_BITMAP;
    if (ext == ".BMP") {
      picture = LoadImageW(nullptr, Widen(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    } else {
      std::string bytes;
      // A placeable metafile starts with a 22-byte header before the metafile itself.
      if (ReadWholeFile(path, bytes) && bytes.size() > 22) {
        const std::size_t skip = bytes.compare(0, 4, "\xD7\xCD\xC6\x9A") == 0 ? 22 : 0;
        picture = SetWinMetaFileBits(static_cast<UINT>(bytes.size() - skip),
                                     reinterpret_cast<const BYTE*>(bytes.data() + skip), nullptr, nullptr);
        format = CF_ENHMETAFILE;
      }
    }
    if (!picture) return;
    TClipboardScope clipboard(owner);
    if (clipboard.Opened() && EmptyClipboard() && SetClipboardData(format, picture)) return;
    if (format == CF_BITMAP) DeleteObject(picture);
    else DeleteEnhMetaFile(static_cast<HENHMETAFILE>(picture));
    return;
  }
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return;
  const bool rich = bytes.compare(0, 5, "{\\rtf") == 0;
  std::wstring text = rich ? RichTextOf(bytes) : AnsiToWide(bytes);
  if (rich && text.empty() && bytes.size() > 8) text = AnsiToWide(bytes);  // not valid rich text after all
  TClipboardScope clipboard(owner);
  if (!clipboard.Opened() || !EmptyClipboard()) return;
  auto put = [](UINT format, const void* data, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return;
    if (void* target = GlobalLock(block)) {
      std::memcpy(target, data, size);
      GlobalUnlock(block);
      if (SetClipboardData(format, block)) return;
    }
    GlobalFree(block);
  };
  put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  if (rich) put(RegisterClipboardFormatW(L"Rich Text Format"), bytes.c_str(), bytes.size() + 1);
}

// The target of a shortcut file, resolved (a moved target looked for) when asked;
// empty when it cannot be read or resolved.
std::string ShortcutTarget(const std::string& path, bool resolve) {
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.put()))))
    return {};
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put())))) return {};
  if (FAILED(file->Load(Widen(path).c_str(), STGM_READ))) return {};
  // No search window for a target that has gone: the send then does nothing.
  if (resolve && FAILED(link->Resolve(AppWindow(), SLR_ANY_MATCH | SLR_NO_UI))) return {};
  std::wstring target(32768, L'\0');
  if (link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0) != S_OK) return {};
  target.resize(std::wcslen(target.c_str()));
  return Narrow(target);
}

// Where the desktop shortcut to `target` is saved: "N.lnk", unless that name holds
// anything but a shortcut to the same file, which is kept; then the first of
// "N (2).lnk", "N (3).lnk", ... that is free or already points at the file.
// Empty when no such name is left.
std::string DesktopShortcutFile(const std::string& desktop, const std::string& name, const std::string& target) {
  for (int n = 1; n < 10000; ++n) {
    const std::string file = WithTrailingBackslash(desktop) + name + (n == 1 ? "" : " (" + std::to_string(n) + ")") + ".lnk";
    const DWORD attributes = GetFileAttributesW(Widen(file).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return file;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) && SameTextNoCase(ShortcutTarget(file, false), target)) return file;
  }
  return {};
}
}  // namespace

void TDqFilelistView28::SendTo(int kind) {
  switch (kind) {
    case 0: {
      // What is sent is what was selected when the command began.
      const std::vector<std::string> paths = SelectedPaths(false);
      const std::string folder = AskSendToFolder(Handle(), "");
      if (!folder.empty()) CopyInto(folder, paths);
      break;
    }
    case 1: {
      const int index = Selected();
      if (index < 0) return;
      THourglass hourglass;
      ContentsToClipboard(Handle(), EntryPath(index));
      break;
    }
    case 2: {
      std::string text;
      for (int i = NextSelected(-1); i >= 0; i = NextSelected(i)) {
        if (!text.empty()) text += "\r\n";
        text += EntryPath(i);
      }
      if (!text.empty()) PutTextOnClipboard(Handle(), text);
      break;
    }
    case 3:
      if (Selected() >= 0) CreateDesktopShortcut();
      break;
    default:
      break;
  }
}

void TDqFilelistView28::SendToFolder(const std::string& folder) { CopyInto(folder, SelectedPaths(false)); }

void TDqFilelistView28::CopyInto(const std::string& folder, const std::vector<std::string>& paths) {
  if (!EnterFolder()) return;
  THourglass hourglass;
  // A pending cut or copy is forgotten, as by any command that sends files elsewhere.
  pendingFiles_.clear();
  std::vector<TTakenPath> sources;
  for (const std::string& listed : paths) sources.push_back(TakePath(listed));
  for (const TTakenPath& source : sources) {
    std::string target;
    CombinePath(folder, ExtractFileName(source.Path), target);
    // Gone or replaced during an earlier file's dialogs: left alone.
    if (target.empty() || !StillNamesTakenFile(source)) continue;
    RunFileOperation(Handle(), FileOpCodes[0], AppendListTerminator(source.Path), AppendListTerminator(target));
  }
}

void TDqFilelistView28::SendToEntry(const std::string& path) {
  const int index = Selected();
  if (index < 0) return;
  // Taken before any question the send may ask.
  const std::string selected = EntryPath(index);
  const std::vector<std::string> paths = SelectedPaths(false);
  if (UpperExt(path) != ".LNK") {
    if (IsFolder(path)) CopyInto(path, paths);
    return;
  }
  const std::string target = ShortcutTarget(path, true);
  if (target.empty()) return;
  if (target.size() >= 3 && GetDriveTypeW(Widen(target.substr(0, 3)).c_str()) == DRIVE_REMOVABLE) {
    THourglass hourglass;
    if (CheckDriveReady(Handle(), target[0], 1)) CopyInto(target, paths);
  } else if (IsFolder(target)) {
    CopyInto(target, paths);
  } else {
    ShellExecuteWithMessage("Open", target, Quoted(ExtractFileName(selected)), ExtractFilePath(selected), SW_SHOW);
  }
}

void TDqFilelistView28::CreateDesktopShortcut() {
  const std::string desktop = GetSpecialFolder(sfDesktop);
  const int index = Selected();
  if (index < 0) {
    ErrorBox(Handle(), SharedMessage(TStringKey::MsgNoFileSelected));
    return;
  }
  const std::string path = EntryPath(index);
  const std::string name = FileNameWithoutExt(path);
  const std::string shortcut = name.empty() || desktop.empty() ? std::string() : DesktopShortcutFile(desktop, name, path);
  bool saved = false;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (!shortcut.empty() &&
      SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(link.put()))) &&
      SUCCEEDED(link->SetPath(Widen(path).c_str())) &&
      SUCCEEDED(link->SetWorkingDirectory(Widen(WithTrailingBackslash(ExtractFilePath(path))).c_str()))) {
    link->SetDescription(Widen(name).c_str());
    saved = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))) &&
            SUCCEEDED(file->Save(Widen(shortcut).c_str(), FALSE));
  }
  if (!saved) ErrorBox(Handle(), SharedMessage(TStringKey::MsgShortcutSaveFailed));
}
