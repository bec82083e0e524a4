#include "tests/win/support/TestFiles.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>

#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW fd;
  UniqueFind find(FindFirstFileW((dir + L"*").c_str(), &fd));
  if (find) {
    do {
      const std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = dir + name;
      // A link or junction goes itself and is never entered: it may lead to an
      // ancestor (no end) or out of the temporary folder (someone else's files).
      if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        RemoveDirectoryW(full.c_str());
      else if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(full + L"\\");
      else {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(find.get(), &fd));
  }
  find.reset();
  RemoveDirectoryW(dir.c_str());
}

TTempDir::TTempDir() {
  static std::atomic<int> counter{0};
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  std::wstring dir = std::wstring(base) + L"scrivlet-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::to_wstring(counter++) + L"\\";
  CreateDirectoryW(dir.c_str(), nullptr);
  path_ = Narrow(dir);
}

TTempDir::~TTempDir() {
  // The folder cannot go while it, or a folder in it, is the current directory.
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  SetCurrentDirectoryW(base);
  RemoveTree(Widen(path_));
}

std::string TTempDir::Write(std::string_view name, std::string_view bytes) const {
  const std::string full = File(name);
  UniqueFile f(CreateFileW(Widen(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!bytes.empty()) WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return full;
}

std::string TTempDir::MakeDir(std::string_view name) const {
  const std::string full = File(name);
  CreateDirectoryW(Widen(full).c_str(), nullptr);
  return full;
}

bool MakeFolderLink(const std::string& link, const std::string& target) {
  constexpr DWORD kUnprivileged = 0x2;  // allowed without rights in developer mode
  const std::wstring from = Widen(link), to = Widen(target);
  if (!CreateSymbolicLinkW(from.c_str(), to.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | kUnprivileged) &&
      !CreateSymbolicLinkW(from.c_str(), to.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
    return false;
  const DWORD attributes = GetFileAttributesW(from.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

FILETIME UtcOfLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME st{};
  st.wYear = year;
  st.wMonth = month;
  st.wDay = day;
  st.wHour = hour;
  st.wMinute = minute;
  st.wSecond = second;
  FILETIME local{}, utc{};
  SystemTimeToFileTime(&st, &local);
  LocalFileTimeToFileTime(&local, &utc);
  return utc;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}
