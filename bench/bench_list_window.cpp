// The least a start that shows a folder's files with the shell's icons costs: a window
// with a list of the names in the folder it was started in, each with its type's small
// icon from the shell's image list (one shell query a type), shown, painted and waiting
// for input. bench_phases times it beside the viewer and the bare window.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <map>
#include <string>

namespace {
LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void ListFolder(HWND parent, HINSTANCE instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  SHFILEINFOW info{};
  const auto images = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  RECT client{};
  GetClientRect(parent, &client);
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_SHAREIMAGELISTS,
                              0, 0, client.right / 2, client.bottom, parent, nullptr, instance, nullptr);
  ListView_SetImageList(list, images, LVSIL_SMALL);
  std::map<std::wstring, int> icons;  // by extension
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(L"*", &found);
  if (search == INVALID_HANDLE_VALUE) return;
  int index = 0;
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
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index++;
    item.pszText = found.cFileName;
    item.iImage = icon->second;
    ListView_InsertItem(list, &item);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"ListWindow";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"List", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 600,
                              400, nullptr, nullptr, instance, nullptr);
  ListFolder(hwnd, instance);
  ShowWindow(hwnd, showCommand);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
