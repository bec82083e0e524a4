#include "filebrowser/OwnerDropHook.h"

#include <commctrl.h>
#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

#include "filebrowser/FilelistView.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
// One id per hooked list: the address of the hook object itself.
UINT_PTR HookId(const TOwnerDropHook* hook) { return reinterpret_cast<UINT_PTR>(hook); }
}  // namespace

TOwnerDropHook::TOwnerDropHook(HWND owner, TDqFilelistView28& list) : owner_(owner), list_(list) {
  if (!owner_) return;
  hooked_ = SetWindowSubclass(owner_, HookProc, HookId(this), reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  if (hooked_) DragAcceptFiles(owner_, TRUE);
}

TOwnerDropHook::~TOwnerDropHook() {
  if (!hooked_ || !IsWindow(owner_)) return;
  DragAcceptFiles(owner_, FALSE);
  RemoveWindowSubclass(owner_, HookProc, HookId(this));
}

LRESULT CALLBACK TOwnerDropHook::HookProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR data) {
  if (msg == WM_NCDESTROY) {
    // The window goes first: there is nothing left to take off later.
    auto* hook = reinterpret_cast<TOwnerDropHook*>(data);
    RemoveWindowSubclass(hwnd, HookProc, id);
    hook->hooked_ = false;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  if (msg != WM_DROPFILES) return DefSubclassProc(hwnd, msg, wParam, lParam);
  try {
    reinterpret_cast<TOwnerDropHook*>(data)->Dropped(reinterpret_cast<HDROP>(wParam));
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
  }
  return 0;
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
