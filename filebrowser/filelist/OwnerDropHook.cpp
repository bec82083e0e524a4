#include "filebrowser/filelist/OwnerDropHook.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "filebrowser/filelist/FileListView.h"
#include "toolkit/Utf.h"

TOwnerDropHook::TOwnerDropHook(HWND owner, TDqFilelistView28& list)
    : owner_(owner),
      list_(list),
      hook_(owner, [this](UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
        if (msg != WM_DROPFILES) return false;
        Dropped(reinterpret_cast<HDROP>(wParam));
        result = 0;
        return true;
      }) {
  if (hook_.Installed()) DragAcceptFiles(owner_, TRUE);
}

TOwnerDropHook::~TOwnerDropHook() {
  // Gone with the window, the hook has nothing left to take off.
  if (hook_.Installed()) DragAcceptFiles(owner_, FALSE);
}

void TOwnerDropHook::Dropped(HDROP drop) {
  std::vector<std::string> names;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::wstring buffer(128, L'\0');
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    if (length == 0) continue;
    if (length + 1 > buffer.size()) buffer.resize(length + 1);
    const UINT got = DragQueryFileW(drop, i, buffer.data(), static_cast<UINT>(buffer.size()));
    names.push_back(Narrow(std::wstring_view(buffer.data(), got)));
  }
  DragFinish(drop);
  list_.DropFiles(names);
}
