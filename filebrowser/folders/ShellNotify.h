#pragma once
// The folder trees' registration for the shell's change notifications: folders made,
// removed or renamed, drives added or removed, anywhere in the shell's name space.
#include <windows.h>

// The message the notifications arrive with.
inline constexpr UINT kShellNotifyMessage = WM_USER + 2;

// Registers `window` and returns the registration's id; raises "Unable to register
// SHChangeNotify" when the shell refuses. The owner withdraws it with SHChangeNotifyDeregister.
ULONG RegisterFolderNotifications(HWND window);
