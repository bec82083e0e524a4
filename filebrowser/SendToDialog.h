#pragma once
// The "Send to any folder" dialog.
#include <string>

// Asks for a folder, starting with `initial`; Browse picks one with the shell's folder
// browser and asks again with it. Empty when the user cancelled or gave no text.
std::string AskSendToFolder(const std::string& initial);
