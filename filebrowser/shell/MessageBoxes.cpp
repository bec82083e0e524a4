#include "filebrowser/shell/MessageBoxes.h"

#include "toolkit/Application.h"

namespace {
void Show(HWND asker, const std::string& text, const std::string& caption, UINT type) {
  if (Application) Application->Modal().ShowMessageBox(asker, text, caption, type);
}
}  // namespace

void ErrorBox(HWND asker, const std::string& text) { Show(asker, text, "Error", MB_ICONERROR | MB_OK); }

void WarningBox(HWND asker, const std::string& text) { Show(asker, text, "Warning", MB_ICONWARNING | MB_OK); }

void PlainMessageBox(HWND asker, const std::string& text) {
  if (Application) Show(asker, text, Application->Title(), MB_OK);
}
