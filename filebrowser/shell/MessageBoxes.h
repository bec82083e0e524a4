#pragma once
// The modal boxes the file-browser controls report with. Each is modal to the
// top-level window of `asker` (a window of the control that reports; null for none)
// and returns when closed.
#include <windows.h>

#include <string>

// Caption "Error", error icon, one OK button.
void ErrorBox(HWND asker, const std::string& text);
// Caption "Warning", warning icon, one OK button.
void WarningBox(HWND asker, const std::string& text);
// The application's title as caption, no icon, one OK button.
void PlainMessageBox(HWND asker, const std::string& text);
