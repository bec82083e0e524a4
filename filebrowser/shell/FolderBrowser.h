#pragma once
// The shell's folder picker.
#include <windows.h>

#include <string>

// Lets the user pick a folder, starting at the network neighbourhood when
// `networkRoot` is set (else at the desktop). True when a folder of the file
// system was chosen; `path` then holds it with a trailing backslash. Otherwise
// `path` is left as it was.
bool BrowseForFolder(HWND owner, std::string& path, bool networkRoot);
