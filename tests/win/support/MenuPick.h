#pragma once
// Picks a menu item as the user would: the scripted popup answers with the item's
// command, so the menu's own dispatch runs.
#include <windows.h>

#include <string>

// The command of the item with this caption, also inside submenus; 0 when there is none.
UINT MenuCommandOf(HMENU menu, const std::string& caption);
// Every popup from now on answers with the item of this caption.
void PickFromPopups(const std::string& caption);
