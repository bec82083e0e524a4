#include "filebrowser/shell/DiskSpace.h"

#include <windows.h>

#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/MessageBoxes.h"
#include "toolkit/AsciiText.h"

namespace {

TDiskSpaceQuery diskSpaceQuery = &GetDiskFreeSpaceExW;

// Keeps the platform from asking for a disk while a drive is probed; the old
// mode comes back however the scope ends.
class TCriticalErrorsSilenced {
 public:
  TCriticalErrorsSilenced() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  TCriticalErrorsSilenced(const TCriticalErrorsSilenced&) = delete;
  TCriticalErrorsSilenced& operator=(const TCriticalErrorsSilenced&) = delete;
  ~TCriticalErrorsSilenced() { SetErrorMode(previous_); }

 private:
  UINT previous_;
};

enum class TDiskQuantity { Total, Free };

// Bytes of the drive, -1 when the drive cannot be read (or the letter names no drive).
std::int64_t DiskBytes(char letter, TDiskQuantity quantity) {
  letter = UpperAscii(letter);
  if (letter < 'A' || letter > 'Z') return -1;
  const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
  ULARGE_INTEGER freeToCaller{}, total{}, totalFree{};
  if (!diskSpaceQuery(root, &freeToCaller, &total, &totalFree)) return -1;
  // Free means free to this user: a quota may leave less than the disk has.
  const ULONGLONG bytes = quantity == TDiskQuantity::Total ? total.QuadPart : freeToCaller.QuadPart;
  return static_cast<std::int64_t>(bytes);
}

std::int64_t DiskKB(const std::string& drivePath, TDiskQuantity quantity) {
  if (drivePath.empty()) return 0;
  // Truncated toward zero, so an unreadable drive (-1 bytes) shows 0 KB.
  return DiskBytes(drivePath[0], quantity) / 1024;
}

}  // namespace

TDiskSpaceQuery SetDiskSpaceQuery(TDiskSpaceQuery query) {
  const TDiskSpaceQuery previous = diskSpaceQuery;
  diskSpaceQuery = query ? query : &GetDiskFreeSpaceExW;
  return previous;
}

std::int64_t DiskSizeKB(const std::string& drivePath) { return DiskKB(drivePath, TDiskQuantity::Total); }

std::int64_t DiskFreeKB(const std::string& drivePath) { return DiskKB(drivePath, TDiskQuantity::Free); }

bool CheckDriveReady(HWND asker, char letter, std::uint16_t showMessages) {
  letter = UpperAscii(letter);
  // The size query below fails for such a letter, so the not-ready warning follows.
  if (letter < 'A' || letter > 'Z') ErrorBox(asker, SharedMessage(TStringKey::MsgInvalidDriveId));
  bool ready = false;
  {
    TCriticalErrorsSilenced silenced;
    ready = DiskBytes(letter, TDiskQuantity::Total) != -1;
  }
  if (!ready && showMessages != 0) {
    MessageBeep(MB_ICONHAND);
    WarningBox(asker, SharedMessage(TStringKey::MsgDriveNotReady));
  }
  return ready;
}
