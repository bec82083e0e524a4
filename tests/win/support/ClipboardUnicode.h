#pragma once
// The clipboard's text as UTF-16, as other programs read what the reader copied.
#include <windows.h>

#include <string>

inline std::wstring ClipboardUnicode() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
      text = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text;
}
