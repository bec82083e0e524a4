#include "tests/win/support/MenuPick.h"

#include "tests/win/support/ScriptedModal.h"
#include "toolkit/Utf.h"

UINT MenuCommandOf(HMENU menu, const std::string& caption) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (HMENU sub = GetSubMenu(menu, i))
      if (const UINT found = MenuCommandOf(sub, caption)) return found;
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 255, MF_BYPOSITION);
    if (Narrow(text) == caption) return GetMenuItemID(menu, i);
  }
  return 0;
}

void PickFromPopups(const std::string& caption) {
  Scripted().PopupAnswer = [caption](HMENU menu) { return MenuCommandOf(menu, caption); };
}
