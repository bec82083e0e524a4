#include "filebrowser/shell/FolderBrowser.h"

#include <shlobj.h>

#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/PathRules.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
// Long enough for any path the platform can return.
constexpr DWORD kLongestPath = 32768;
}  // namespace

bool BrowseForFolder(HWND owner, std::string& path, bool networkRoot) {
  if (!Application) return false;
  UniqueItemIdList root;
  if (networkRoot) {
    LPITEMIDLIST network = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(owner, CSIDL_NETWORK, &network))) root.reset(network);
  }
  const std::wstring title = Widen(SharedMessage(TStringKey::MsgSpecifyDirectory));
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.get();
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  const UniqueItemIdList chosen(Application->Modal().BrowseForFolder(info));
  if (!chosen) return false;
  std::wstring folder(kLongestPath, L'\0');
  // A computer of the network neighbourhood has no path: nothing was chosen then.
  if (!SHGetPathFromIDListEx(chosen.get(), folder.data(), kLongestPath, GPFIDL_DEFAULT)) return false;
  folder.resize(folder.find(L'\0'));
  if (folder.empty()) return false;
  path = WithTrailingBackslash(Narrow(folder));
  return true;
}
