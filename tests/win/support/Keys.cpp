#include "tests/win/support/Keys.h"

#include "toolkit/Application.h"

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
