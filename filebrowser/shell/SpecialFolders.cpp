#include "filebrowser/shell/SpecialFolders.h"

#include <windows.h>

#include "filebrowser/shell/PathRules.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
constexpr wchar_t kShellFoldersKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A string value of the key, read whole; empty when missing or not a string.
std::wstring ReadString(HKEY key, const wchar_t* name) {
  DWORD type = 0, bytes = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) != ERROR_SUCCESS)
    return {};
  value.resize(bytes / sizeof(wchar_t));
  // The stored text may or may not carry its own NUL.
  return value.substr(0, value.find(L'\0'));
}

// A platform folder query that reports the length it needs when the buffer is short.
template <class Query>
std::wstring ReadFolder(Query query) {
  std::wstring buffer(MAX_PATH, L'\0');
  UINT n = query(buffer.data(), static_cast<UINT>(buffer.size()));
  if (n >= buffer.size()) {
    buffer.assign(n, L'\0');
    n = query(buffer.data(), static_cast<UINT>(buffer.size()));
    if (n >= buffer.size()) return {};
  }
  buffer.resize(n);
  return buffer;
}

const wchar_t* ValueName(TSpecialFolder folder) {
  switch (folder) {
    case sfDesktop: return L"DeskTop";
    case sfFavorites: return L"Favorites";
    case sfNetHood: return L"NetHood";
    case sfPersonal: return L"Personal";
    case sfPrograms: return L"Programs";
    case sfSendTo: return L"SendTo";
    case sfStartMenu: return L"Start Menu";
    case sfStartUp: return L"StartUp";
    default: return nullptr;
  }
}
}  // namespace

std::string GetSpecialFolder(TSpecialFolder folder) {
  std::wstring result;
  {
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kShellFoldersKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE,
                        nullptr, &raw, nullptr) != ERROR_SUCCESS)
      return {};
    const UniqueRegKey key(raw);
    if (folder == sfWindows) result = ReadFolder([](wchar_t* b, UINT n) { return GetWindowsDirectoryW(b, n); });
    else if (folder == sfSystem) result = ReadFolder([](wchar_t* b, UINT n) { return GetSystemDirectoryW(b, n); });
    else if (const wchar_t* name = ValueName(folder)) result = ReadString(key.get(), name);
  }
  return WithTrailingBackslash(Narrow(result));
}
