#pragma once
// Files dropped anywhere on the file list's owner window (over any of its child
// windows too) go to the list. The hook lives as long as the list.
#include <windows.h>
#include <shellapi.h>

#include "toolkit/NewWindowProc.h"

class TDqFilelistView28;

class TOwnerDropHook {
 public:
  // Hooks `owner` (which must exist) and registers it for dropped files.
  TOwnerDropHook(HWND owner, TDqFilelistView28& list);
  TOwnerDropHook(const TOwnerDropHook&) = delete;
  TOwnerDropHook& operator=(const TOwnerDropHook&) = delete;
  // Takes the hook off again and stops taking drops.
  ~TOwnerDropHook();

  HWND Owner() const { return owner_; }

 private:
  void Dropped(HDROP drop);

  HWND owner_;
  TDqFilelistView28& list_;
  TNewWindowProc hook_;
};
