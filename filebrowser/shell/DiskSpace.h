#pragma once
// Drive sizes and the readiness check made before a drive is listed.
#include <windows.h>

#include <cstdint>
#include <string>

// The platform's size query of a drive root (GetDiskFreeSpaceExW's form). Tests put
// a scripted one in its place: Wine reports every free byte as free to every user.
using TDiskSpaceQuery = BOOL(WINAPI*)(LPCWSTR root, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total,
                                      PULARGE_INTEGER totalFree);
// Installs `query` (none: the platform's own) and returns the one it replaces.
TDiskSpaceQuery SetDiskSpaceQuery(TDiskSpaceQuery query);

// Total (respectively free) size of the drive named by the first character of
// `drivePath` (any case), in whole KB; 0 when the drive cannot be read.
std::int64_t DiskSizeKB(const std::string& drivePath);
std::int64_t DiskFreeKB(const std::string& drivePath);

// True when the drive answers a size query. A letter outside A..Z (any case) is
// reported as an invalid drive; a drive that does not answer is reported (with a
// beep) only when `showMessages` is non-zero. Never raises the platform's
// "insert a disk" dialog. The messages are modal to `asker`'s window.
bool CheckDriveReady(HWND asker, char letter, std::uint16_t showMessages);
