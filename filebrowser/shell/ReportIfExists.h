#pragma once
// The check made before a file or folder is created or renamed.
#include <windows.h>

#include <string>

// True when something (file or folder, any attributes) has that name; the user is
// then shown an error box with the quoted name and "already exists !". A trailing
// NUL (as in a one-entry path list) is ignored. The box is modal to `asker`'s window.
bool ReportIfExists(HWND asker, const std::string& path);
