#pragma once
// The shell's property sheet of a file, folder or drive.
#include <windows.h>

#include <string>

// Opens the property sheet; when the shell cannot, a plain message box names the
// reason for the common failures (and nothing is shown for the others). Both belong
// to `asker`'s window.
void ShowFileProperties(HWND asker, const std::string& path);
