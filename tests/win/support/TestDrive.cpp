#include "tests/win/support/TestDrive.h"

#include <winioctl.h>

#include <cstring>
#include <string>
#include <vector>

#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
// Wine's mount manager interface (the control panel's drive page uses it).
constexpr DWORD kDefineUnixDrive = CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

struct TUnixDrive {
  ULONG size;
  ULONG type;
  ULONG fs_type;
  DWORD serial;
  ULONGLONG unix_dev;
  WCHAR letter;
  USHORT mount_point;  // offset of the Unix path, 0 to remove the drive
  USHORT device;
  USHORT label;
};
}  // namespace

TTestDrive::TTestDrive(UINT type) { DefineFree(type, "/nonexistent/scrivlet-no-medium"); }

TTestDrive::TTestDrive(UINT type, const std::string& folder) {
  // Only Wine has this export: elsewhere no drive is made.
  using UnixName = char*(CDECL*)(const WCHAR*);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixName) return;
  char* path = unixName(Widen(folder).c_str());
  if (!path) return;
  DefineFree(type, path);
  HeapFree(GetProcessHeap(), 0, path);  // the export's block comes from the process heap
}

void TTestDrive::DefineFree(UINT type, const char* unixPath) {
  const DWORD used = GetLogicalDrives();
  for (char c = 'R'; c <= 'W' && !letter_; ++c)
    if (!(used & (1u << (c - 'A'))) && Define(c, type, unixPath)) letter_ = c;
}

TTestDrive::~TTestDrive() {
  if (letter_) Define(letter_, DRIVE_NO_ROOT_DIR, nullptr);
}

bool TTestDrive::Define(char letter, UINT type, const char* unixPath) {
  UniqueFile manager(CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!manager) return false;
  const std::size_t pathBytes = unixPath ? std::strlen(unixPath) + 1 : 0;
  std::vector<char> buffer(sizeof(TUnixDrive) + pathBytes);
  TUnixDrive drive{};
  drive.size = static_cast<ULONG>(buffer.size());
  drive.type = type;
  drive.letter = static_cast<WCHAR>(letter - 'A' + 'a');
  drive.mount_point = unixPath ? static_cast<USHORT>(sizeof drive) : 0;
  std::memcpy(buffer.data(), &drive, sizeof drive);
  if (unixPath) std::memcpy(buffer.data() + sizeof drive, unixPath, pathBytes);
  DWORD returned = 0;
  return DeviceIoControl(manager.get(), kDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr,
                         0, &returned, nullptr) != FALSE;
}
