#include "filebrowser/folders/FolderReading.h"

#include <windows.h>

#include "filebrowser/folders/FolderNodes.h"
#include "filebrowser/shell/PathRules.h"
#include "toolkit/AsciiText.h"
#include "toolkit/Utf.h"

namespace {
// Two seconds in file-time units: the coarsest step of a file system's times.
constexpr std::uint64_t kClockStep = 2ull * 10'000'000ull;

std::uint64_t AsNumber(const FILETIME& t) {
  return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

// 0 when the folder cannot be asked.
std::uint64_t FolderLastWrite(const std::string& folder) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Widen(WithTrailingBackslash(folder)).c_str(), GetFileExInfoStandard, &data)) return 0;
  if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return 0;
  return AsNumber(data.ftLastWriteTime);
}
}  // namespace

bool FileSystemMovesFolderTimes(std::string_view fileSystem) {
  return SameTextAscii(fileSystem, "NTFS") || SameTextAscii(fileSystem, "ReFS");
}

bool VolumeMovesFolderTimes(const std::string& folder) {
  const std::wstring path = Widen(WithTrailingBackslash(folder));
  wchar_t root[MAX_PATH + 1];
  if (!GetVolumePathNameW(path.c_str(), root, MAX_PATH + 1)) return false;
  wchar_t fileSystem[MAX_PATH + 1];
  if (!GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, nullptr, fileSystem, MAX_PATH + 1)) return false;
  return FileSystemMovesFolderTimes(Narrow(fileSystem));
}

bool BeginFolderReading(TFolderReading& reading, const std::string& folder) {
  reading = {};
  const std::uint64_t lastWrite = FolderLastWrite(folder);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  if (lastWrite == 0 || lastWrite + kClockStep > AsNumber(now)) return false;
  if (!VolumeMovesFolderTimes(folder)) return false;
  reading.Folder = WithTrailingBackslash(folder);
  reading.LastWrite = lastWrite;
  return true;
}

bool FolderReadingHolds(const TFolderReading& reading, const std::string& folder) {
  return reading.LastWrite != 0 && SameTextNoCase(reading.Folder, WithTrailingBackslash(folder)) &&
         FolderLastWrite(folder) == reading.LastWrite;
}
