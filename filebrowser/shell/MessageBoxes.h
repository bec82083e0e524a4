#pragma once
// The modal boxes the file-browser controls report with. None has an owner, so
// each appears centred on the screen; each returns when closed.
#include <string>

// Caption "Error", error icon, one OK button.
void ErrorBox(const std::string& text);
// Caption "Warning", warning icon, one OK button.
void WarningBox(const std::string& text);
// The application's title as caption, no icon, one OK button.
void PlainMessageBox(const std::string& text);
