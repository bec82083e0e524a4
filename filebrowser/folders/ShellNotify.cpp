#include "filebrowser/folders/ShellNotify.h"

#include <shlobj.h>

#include "toolkit/Exception.h"

ULONG RegisterFolderNotifications(HWND window) {
  constexpr LONG kEvents = SHCNE_MKDIR | SHCNE_RMDIR | SHCNE_DRIVEREMOVED | SHCNE_DRIVEADD | SHCNE_RENAMEFOLDER;
  constexpr int kSources = SHCNRF_InterruptLevel | SHCNRF_ShellLevel;
  SHChangeNotifyEntry entry{};
  entry.pidl = nullptr;  // the whole shell name space
  entry.fRecursive = TRUE;
  const ULONG id = SHChangeNotifyRegister(window, kSources, kEvents, kShellNotifyMessage, 1, &entry);
  if (id == 0) throw Exception("Unable to register SHChangeNotify");
  return id;
}
