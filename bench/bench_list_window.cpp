// The least a start that shows a folder's files with the shell's icons costs: a window
// with a list of the names in the folder it was started in, each with its type's small
// icon from the shell's image list (one shell query a type), shown, painted and waiting
// for input. bench_phases times it beside the viewer and the bare window.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <map>
#include <string>
#include <vector>

#include "bench/BenchWindow.h"

namespace {
// The list holds no items of its own: it asks for each shown one, as the viewer's does.
struct TEntry {
  std::wstring Name;
  int Icon = 0;
};
std::vector<TEntry> entries;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOW) {
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
    const TEntry& entry = entries[static_cast<std::size_t>(item.iItem)];
    if (item.mask & LVIF_TEXT) lstrcpynW(item.pszText, entry.Name.c_str(), item.cchTextMax);
    if (item.mask & LVIF_IMAGE) item.iImage = entry.Icon;
    return 0;
  }
  return BenchWindowProc(hwnd, msg, wParam, lParam);
}

void ListFolder(HWND parent, HINSTANCE instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  SHFILEINFOW info{};
  const auto images = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  RECT client{};
  GetClientRect(parent, &client);
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_SHAREIMAGELISTS | LVS_OWNERDATA,
                              0, 0, client.right / 2, client.bottom, parent, nullptr, instance, nullptr);
  ListView_SetImageList(list, images, LVSIL_SMALL);
  std::map<std::wstring, int> icons;  // by extension
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(L"*", &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::size_t dot = name.rfind(L'.');
    const std::wstring type = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? L"\\"
                              : dot == std::wstring::npos                          ? L""
                                                                                   : name.substr(dot);
    auto icon = icons.find(type);
    if (icon == icons.end()) {
      SHGetFileInfoW(name.c_str(), found.dwFileAttributes, &info, sizeof info,
                     SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
      icon = icons.emplace(type, info.iIcon).first;
    }
    entries.push_back({name, icon->second});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  ListView_SetItemCountEx(list, static_cast<int>(entries.size()), 0);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  return RunBenchWindow(instance, showCommand, L"List", WindowProc, ListFolder);
}
