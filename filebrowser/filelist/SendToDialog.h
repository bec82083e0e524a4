#pragma once
// The "Send to any folder" dialog.
#include <windows.h>

#include <string>

// Asks for a folder, starting with `initial`; Browse picks one with the shell's folder
// browser (modal to `asker`'s window) and asks again with it. Empty when the user
// cancelled or gave no text.
std::string AskSendToFolder(HWND asker, const std::string& initial);
