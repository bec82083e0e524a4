#include "app/IniLocation.h"

#include <windows.h>
#include <shlobj.h>

#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
  if (!folder.empty() && folder.back() != L'\\') return folder + L'\\' + name;
  return folder + name;
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

// Opening with the wanted access runs the platform's access check and nothing else.
// Only a refusal of the access itself (or a place that is not there) counts: a file
// another program holds open for a moment is still this user's to write, and taking
// it for unwritable would move the settings to the other place for one run.
bool CanOpenFor(const std::wstring& path, DWORD access, DWORD flags) {
  const UniqueFile handle(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, flags, nullptr));
  if (handle) return true;
  switch (GetLastError()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return false;
    default:
      return true;
  }
}
}  // namespace

TIniPlace TIniLocation::Locate(const std::string& fileName) const {
  const std::wstring name = Widen(fileName);
  const std::wstring system = Join(WindowsDirectory(), name);
  if (CanWrite(system)) return {system, system, {}};
  const std::wstring appData = AppDataDirectory();
  // Without a user folder the Windows directory is all there is; a save then reports the failure.
  if (appData.empty()) return {system, system, {}};
  const std::wstring folder = Join(appData, L"Scrivlet");
  const std::wstring own = Join(folder, name);
  const std::wstring readFrom = !FileExists(own) && FileExists(system) ? system : own;
  return {readFrom, own, folder};
}

std::wstring TIniLocation::WindowsDirectory() const {
  wchar_t buffer[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(buffer, length);
}

std::wstring TIniLocation::AppDataDirectory() const {
  wchar_t buffer[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer))) return {};
  return buffer;
}

bool TIniLocation::CanWrite(const std::wstring& path) const {
  if (FileExists(path)) return CanOpenFor(path, FILE_WRITE_DATA, FILE_ATTRIBUTE_NORMAL);
  return CanOpenFor(FolderOf(path), FILE_ADD_FILE, FILE_FLAG_BACKUP_SEMANTICS);
}
