#pragma once
// Keystrokes for window tests: posted to the focused window and run through the
// application's message handling, with the modifier keys set in the key state.
#include <windows.h>

struct TKeyMods {
  bool Ctrl = false;
  bool Alt = false;
  bool Shift = false;
};

void PressKey(HWND target, WORD key, TKeyMods mods = {});
// The control that has the keyboard focus now (null when none of ours).
HWND FocusedWindow();
