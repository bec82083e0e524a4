#pragma once
// Keystrokes for window tests: posted to the focused window and run through the
// application's message handling, with the modifier keys set in the key state.
// And clicks on list entries, sent as the mouse would.
#include <windows.h>

class TListView;

struct TKeyMods {
  bool Ctrl = false;
  bool Alt = false;
  bool Shift = false;
};

void PressKey(HWND target, WORD key, TKeyMods mods = {});
// The control that has the keyboard focus now (null when none of ours).
HWND FocusedWindow();

// A press and release of the left button over the entry (-1: below the last entry),
// twice for a double click.
void ClickListItem(const TListView& list, int index, bool twice = false);
