#include "tests/win/support/Keys.h"

#include "toolkit/Application.h"
#include "toolkit/ListView.h"

void PressKey(HWND target, WORD key, TKeyMods mods) {
  BYTE saved[256];
  GetKeyboardState(saved);
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = mods.Ctrl ? 0x80 : 0;
  state[VK_MENU] = mods.Alt ? 0x80 : 0;
  state[VK_SHIFT] = mods.Shift ? 0x80 : 0;
  SetKeyboardState(state);
  const UINT msg = (mods.Alt && !mods.Ctrl) ? WM_SYSKEYDOWN : WM_KEYDOWN;
  PostMessageW(target, msg, key, 1);
  Application->ProcessMessages();
  PostMessageW(target, msg == WM_SYSKEYDOWN ? WM_SYSKEYUP : WM_KEYUP, key, 0xC0000001);
  Application->ProcessMessages();
  SetKeyboardState(saved);
}

HWND FocusedWindow() { return GetFocus(); }

void ClickListItem(const TListView& list, int index, bool twice) {
  RECT rc{2, list.ClientHeight() - 4, 2, list.ClientHeight() - 4};
  if (index >= 0) ListView_GetItemRect(list.Handle(), index, &rc, LVIR_LABEL);
  const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  for (int i = 0; i < (twice ? 2 : 1); ++i) {
    SendMessageW(list.Handle(), i ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
  }
}
